#include "history/CheckDue.h"

#include "document/CheckRecordJson.h"

#include <QSet>
#include <algorithm>

QDate CCheckDue::NextDue(const CCheckRecord& record, const QDate& checked) {
    if (record.verdict == CCheckRecord::Verdict::Failed) {
        return checked;
    }
    return record.nextDue.isValid() ? record.nextDue : checked.addDays(record.intervalDays);
}

CHistoryFilter CCheckDue::Filter() {
    CHistoryFilter filter;
    filter.operation = CHistoryEvent::Operation::Check;
    filter.bWithDetail = true;
    return filter;
}

CCheckDue::Result CCheckDue::List(const QList<CHistoryRecord>& checks, const QDate& today, int days) {
    Result result;
    QSet<QByteArray> seen;
    for (const CHistoryRecord& check : checks) {
        const CHistoryEvent& event = check.event;
        // A check without a serial number cannot be told from another transmitter's.
        if (event.operation != CHistoryEvent::Operation::Check ||
            event.outcome == CHistoryEvent::Outcome::Cancelled || event.seriennummer.isEmpty() ||
            seen.contains(event.seriennummer)) {
            continue;
        }
        CCheckRecord record;
        QString error;
        if (!CCheckRecordJson::Read(event.detailJson, record, error)) {
            result.problems.append(tr("Vorgang %1: %2").arg(check.id).arg(error));
            continue;
        }
        seen.insert(event.seriennummer);
        Entry entry;
        entry.eventId = check.id;
        entry.seriennummer = event.seriennummer;
        entry.bezeichnung = event.bezeichnung;
        entry.nTyp = event.nTyp;
        entry.checked = event.timeUtc.toLocalTime().date();
        entry.verdict = record.verdict;
        // A record without its date is due one interval after the check, as the check would have set it.
        entry.nextDue = NextDue(record, entry.checked);
        entry.daysLeft = today.daysTo(entry.nextDue);
        if (entry.daysLeft <= days) {
            result.due.append(entry);
        }
    }
    std::sort(result.due.begin(), result.due.end(), [](const Entry& a, const Entry& b) {
        return a.nextDue != b.nextDue ? a.nextDue < b.nextDue : a.seriennummer < b.seriennummer;
    });
    return result;
}
