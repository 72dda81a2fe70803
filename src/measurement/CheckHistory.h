#pragma once

#include "document/CheckRecord.h"
#include "document/HistoryEvent.h"

#include <QCoreApplication>

class CQuillonDoc;

/// A finished check as an event of the device history: operation Check, the transmitter's identity and
/// set from the document, the record in the detail (CCheckRecordJson) and the verdict as the message.
class CCheckHistory {
    Q_DECLARE_TR_FUNCTIONS(CCheckHistory)

public:
    static CHistoryEvent Event(const CCheckRecord& record, const CQuillonDoc& doc);
    /// Records it through the installed sink; the event's id, 0 when nothing was stored.
    static qint64 Record(const CCheckRecord& record, const CQuillonDoc& doc);
    /// The record of a check event; nothing (with error) when the event is no check or its detail is
    /// damaged.
    static std::optional<CCheckRecord> FromEvent(const CHistoryEvent& event, QString& error);
    /// "bestanden", "nicht bestanden", "justiert und bestanden".
    static QString VerdictText(CCheckRecord::Verdict verdict);
    /// The set range of the document as a check's range: 4 mA and 20 mA values, unit and decimals as the
    /// measured value is shown (for a KA71 the display range and unit).
    static CCheckRecord RangeOf(const CQuillonDoc& doc);
};
