#include "measurement/CheckHistory.h"

#include "document/CheckRecordJson.h"
#include "document/HistoryRecorder.h"
#include "document/QuillonDoc.h"
#include "measurement/CheckArithmetic.h"
#include "measurement/MessAnzeige.h"

CHistoryEvent CCheckHistory::Event(const CCheckRecord& record, const CQuillonDoc& doc) {
    CHistoryEvent event = CHistoryRecorder::For(CHistoryEvent::Operation::Check, doc.GetParameterSatz());
    event.outcome = CHistoryEvent::Outcome::Done;
    event.message = VerdictText(record.verdict);
    // The set the check was made on: read from the transmitter at its start.
    event.after = doc.GetParameterSatz();
    event.detailJson = CCheckRecordJson::Write(record);
    return event;
}

qint64 CCheckHistory::Record(const CCheckRecord& record, const CQuillonDoc& doc) {
    return CHistoryRecorder::Record(Event(record, doc));
}

std::optional<CCheckRecord> CCheckHistory::FromEvent(const CHistoryEvent& event, QString& error) {
    if (event.operation != CHistoryEvent::Operation::Check) {
        error = tr("Der Eintrag ist keine Prüfung.");
        return std::nullopt;
    }
    CCheckRecord record;
    if (!CCheckRecordJson::Read(event.detailJson, record, error)) {
        return std::nullopt;
    }
    return record;
}

QString CCheckHistory::VerdictText(CCheckRecord::Verdict verdict) {
    switch (verdict) {
    case CCheckRecord::Verdict::Passed:
        return tr("bestanden");
    case CCheckRecord::Verdict::Failed:
        return tr("nicht bestanden");
    case CCheckRecord::Verdict::AdjustedPassed:
        return tr("justiert und bestanden");
    }
    return QString();
}

CCheckRecord CCheckHistory::RangeOf(const CQuillonDoc& doc) {
    // The range is taken as the measured value is shown, so that reading, reference and range share one
    // unit. Every type keeps its 4 mA and 20 mA values in the set range, also those whose output is set
    // only by the direction of the characteristic over the base range (the edit dialogs write the base
    // range's ends there in that direction). The KA71 keeps them in its display unit with the display's
    // decimals, as its measured value comes.
    //
    // A KA71 with a linearization table shows a free value without unit, which follows the table and not
    // the pressure: it cannot be compared with the reference's pressure, nor mapped back without the
    // table's inverse. Its unit stays empty, and CCheckArithmetic::RefuseRange refuses the check.
    CCheckRecord range;
    range.decimals = CMessAnzeige::Precision(doc);
    // The document keeps its range in single precision; 0.1 bar is taken as 0.1, not 0.10000000149.
    range.rangeAt4mA = CCheckArithmetic::Rounded(doc.GetMessAnfang(), range.decimals);
    range.rangeAt20mA = CCheckArithmetic::Rounded(doc.GetMessEnde(), range.decimals);
    // The first entry of the unit lists is blank: no unit.
    range.unit = CMessAnzeige::UnitText(doc).trimmed();
    return range;
}
