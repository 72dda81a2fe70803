#pragma once

#include "document/HistoryEvent.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

/// Stable text of an outcome, as stored and shown by `quillon-cli history`.
inline QString HistoryOutcomeKey(CHistoryEvent::Outcome outcome) {
    switch (outcome) {
    case CHistoryEvent::Outcome::Done:
        return QStringLiteral("done");
    case CHistoryEvent::Outcome::Failed:
        return QStringLiteral("failed");
    case CHistoryEvent::Outcome::Cancelled:
        return QStringLiteral("cancelled");
    }
    return QString();
}

/// One stored event as the history gives it back: the event with the station's part filled in, the id
/// it is stored under and the id the station gave it (which makes a retried hand-over to the plant's
/// server harmless). The sets come as the document file's bytes, so that a recorded set is saved as a
/// ".qlc" file exactly as it was recorded; listings leave them empty, one event by id carries them.
struct CHistoryRecord {
    qint64 id = 0;
    QString uuid;
    CHistoryEvent event;
    QByteArray beforeFile; ///< the set before, as a ".qlc" file; empty when none was read
    QByteArray afterFile;  ///< the set after, as a ".qlc" file; empty when there is none
};

/// One transmitter the history has seen, as the overview lists it: identity as last recorded.
struct CHistoryTransmitter {
    QByteArray seriennummer;
    QByteArray bezeichnung;
    qint32 nTyp = 0;
    QDateTime lastSeenUtc;
    qint64 nEvents = 0;
};

/// Which events a listing takes: one transmitter's (by serial number) or all, from when on, of one
/// operation or all; and whether they come with their detail (a check's points and due date).
struct CHistoryFilter {
    std::optional<QByteArray> seriennummer;
    QDateTime sinceUtc; ///< invalid: from the beginning
    std::optional<CHistoryEvent::Operation> operation;
    bool bWithDetail = false;
};
