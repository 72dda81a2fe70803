#pragma once

#include "document/Abgleichdaten.h"

#include <QCoreApplication>
#include <QJsonObject>
#include <QString>

/// The calibration record as JSON for scripted read-modify-write at a calibration station: one key per
/// field of the type's record (the record's field names, lists for fields with several entries, the
/// serial text as string), plus "m_nTyp" and "m_bErweitert" naming the record's form.
class CAbgleichJson {
    Q_DECLARE_TR_FUNCTIONS(CAbgleichJson)

public:
    /// Reads the text of a record file: false with the reason when it is no JSON object or names a key
    /// twice in one object (the key named).
    static bool Parse(const QByteArray& text, QJsonObject& json, QString& error);
    /// Floats are numbers, except NaN, the infinities and -0.0: those are strings with their 32 bits in
    /// hex ("0x80000000"), so that a record read and written back leaves every word as it was.
    static QJsonObject ToJson(const CAbgleichdaten& record, int nTyp, bool bErweitert);
    /// Takes a record for the attached transmitter of the given type and function set. Refuses (false,
    /// record unchanged, error naming the key) a record for another type or set, a missing or unknown
    /// key, a value of the wrong kind and a value outside its field's width.
    static bool FromJson(const QJsonObject& json, int nTyp, bool bErweitert, CAbgleichdaten& record,
                         QString& error);
};
