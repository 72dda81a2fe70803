#pragma once

#include "base/TypKatalog.h"
#include "core/ValidationProblem.h"
#include "document/Abgleichdaten.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <optional>

/// The rules of the two calibration record dialogs, "RX31 Abgleichdaten" (also in its KA71 form) and
/// "VN62 Abgleichdaten": which entries each shows, their texts, which are enabled, the check of every
/// entry and the write-back on "OK". An entry that is no number, or an integer its field's word cannot
/// hold, keeps the dialog open. Nothing is sent.
class CAbgleichRecordRules {
public:
    /// The dialog's form: RX31 (also the KA71 from the RX31 family's menu), KA71 (without factory offset,
    /// span and calibration range), VN62 (two inputs and two outputs).
    using Form = CTypKatalog::AbgleichForm;

    struct Entry {
        const char* field; ///< the record's field name
        int index;         ///< entry of a multi-entry field, else 0
        QString text;
        bool bEnabled = true;
    };

    static QList<Entry> Load(const CAbgleichdaten& record, Form form, bool bErweitert);
    /// The first entry that is no number or beyond its field's width (its field is the index into the
    /// entries), or nothing.
    static std::optional<ValidationProblem> Validate(const QList<Entry>& entries);
    /// Writes every entry back; fields the form does not show stay as they are. Call after Validate.
    static void Apply(const QList<Entry>& entries, CAbgleichdaten& record);
};
