#pragma once

#include "document/CheckRecord.h"
#include "history/HistoryRecord.h"

#include <QCoreApplication>
#include <QDate>
#include <QList>
#include <QString>

/// Which transmitters fall due for their next check: for each transmitter (by serial number) its latest
/// recorded check, listed when the check's next-due date lies no more than a number of days ahead
/// (overdue ones included), soonest first. The window and `quillon-cli due` ask the same way.
class CCheckDue {
    Q_DECLARE_TR_FUNCTIONS(CCheckDue)

public:
    struct Entry {
        qint64 eventId = 0;
        QByteArray seriennummer;
        QByteArray bezeichnung;
        qint32 nTyp = 0;
        QDate checked; ///< the date of the check, in local time
        CCheckRecord::Verdict verdict = CCheckRecord::Verdict::Failed;
        QDate nextDue;
        qint64 daysLeft = 0; ///< negative: overdue by that many days
    };
    struct Result {
        QList<Entry> due;
        /// Latest checks whose detail cannot be read ("Vorgang 12: ..."): their transmitter is judged
        /// by its check before, so it is not left out, but the user must hear of it.
        QStringList problems;
    };

    /// What to ask the store for: check events with their detail.
    static CHistoryFilter Filter();
    /// From check events newest first (as the store lists them): the transmitters due within `days`
    /// days of today, sorted by next-due date, then serial number.
    static Result List(const QList<CHistoryRecord>& checks, const QDate& today, int days);
};
