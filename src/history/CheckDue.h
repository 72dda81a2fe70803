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

    /// When a transmitter is due again after a check. A failed check is due at once, on the day it was
    /// made: the transmitter is out of tolerance and still in service until someone adjusts or replaces
    /// it, so it must head the list, not wait a whole interval. A record without a next-due date is due
    /// one interval after the check.
    static QDate NextDue(const CCheckRecord& record, const QDate& checked);
};
