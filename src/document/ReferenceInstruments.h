#pragma once

#include "document/CheckRecord.h"

#include <QList>
#include <QString>

class CSettingsRegistry;

/// The station's reference instruments, kept in the setting "Check"/"References" as a JSON array of
/// {name, serial, certificate, dueDate (ISO date)}. The technician picks one per check and adds new ones
/// as the station gets them. A damaged text must never stop a check: what cannot be read is left out.
class CReferenceInstruments {
public:
    /// The instruments a text holds; an entry that is no object, or has no name, is left out, a damaged
    /// text gives none.
    static QList<CReferenceInstrument> FromJson(const QString& json);
    static QString ToJson(const QList<CReferenceInstrument>& instruments);

    static QList<CReferenceInstrument> Load(const CSettingsRegistry& settings);
    static void Save(CSettingsRegistry& settings, const QList<CReferenceInstrument>& instruments);
};
