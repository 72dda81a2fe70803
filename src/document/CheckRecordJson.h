#pragma once

#include "document/CheckRecord.h"

#include <QCoreApplication>
#include <QString>

/// A check as the device history keeps it: the detail of a check event, in JSON. The keys are stored
/// and read back by later versions and by the certificate, so they never change once released; a field
/// that is not known yet is missing, never null.
///
/// Reading is strict where a wrong value would end up on a certificate: a missing or mistyped range,
/// tolerance or point, or an unknown verdict, refuses the whole record with a message naming the key.
class CCheckRecordJson {
    Q_DECLARE_TR_FUNCTIONS(CCheckRecordJson)

public:
    static QString Write(const CCheckRecord& record);
    /// True when the text is a check record; otherwise record is left as it was and error names what is
    /// wrong.
    static bool Read(const QString& json, CCheckRecord& record, QString& error);

    /// The stable key of a verdict: "passed", "failed", "adjusted-passed".
    static QString VerdictKey(CCheckRecord::Verdict verdict);
    static std::optional<CCheckRecord::Verdict> VerdictFromKey(const QString& key);
    /// "The check data are damaged: KEY is missing or not valid."
    static QString DamagedMessage(const QString& key);
};
