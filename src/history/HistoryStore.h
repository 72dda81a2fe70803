#pragma once

#include "document/HistorySink.h"
#include "history/HistoryDatabase.h"
#include "history/HistoryLocation.h"
#include "history/HistoryRecord.h"
#include "history/HistoryStation.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QList>
#include <QString>
#include <memory>
#include <optional>

class IOperator;

/// The device history: every event an operation reports, kept in this PC's SQLite database or on a
/// plant's PostgreSQL server, and the queries of the history window and `quillon-cli history`.
///
/// History must never stop a transfer: a database that cannot be opened is reported once and the
/// program goes on without history (Record then returns 0). A damaged or foreign database file is
/// moved aside under a new name, never overwritten, and a new one is begun. With a server, events the
/// server cannot take (it is down, or the station's role may only read) stay in the local database and
/// are handed on when it is back; each event carries an id made at the station, so an event handed on
/// twice (the first reply lost) is stored once.
class CHistoryStore : public IHistorySink {
    Q_DECLARE_TR_FUNCTIONS(CHistoryStore)

public:
    /// Problems go to the operator (once each per run, never as a question).
    CHistoryStore(IOperator& op, CHistoryStation station);
    ~CHistoryStore() override;
    CHistoryStore(const CHistoryStore&) = delete;
    CHistoryStore& operator=(const CHistoryStore&) = delete;

    /// Opens the location. False when no history can be kept in this run (the user has been told).
    /// With a server, an unreachable server is no failure: events wait in the local database.
    bool Open(const CHistoryLocation& location);
    bool IsOpen() const;
    /// The local database file in use (after a damaged one was moved aside: the new one).
    QString LocalPath() const;
    /// True while a server is set and reached.
    bool IsServerConnected() const;

    /// Stores the event; the station's part is filled where the event leaves it empty. Returns the id
    /// under which it can be shown: the server's, or while it waits for the server the local one;
    /// 0 when it could not be stored.
    qint64 Record(const CHistoryEvent& event) override;

    /// The transmitters seen, newest first; filter (when not empty) matches serial number or tag in
    /// part, ignoring case.
    QList<CHistoryTransmitter> Transmitters(const QString& filter = QString()) const;
    /// Events newest first, without their sets; with their detail when the filter asks for it.
    QList<CHistoryRecord> Events(const CHistoryFilter& filter) const;
    /// One event with its sets; nothing when there is no such id.
    std::optional<CHistoryRecord> Event(qint64 id) const;

    /// How many events wait in the local database for the server (0 without a server).
    int PendingCount() const;
    /// Tries to reach the server (when it is not connected) and hands on the waiting events; returns
    /// how many were handed on. Record does this by itself, at most every RetryInterval.
    int HandOver();
    static constexpr int kRetryIntervalMs = 30000;

private:
    bool OpenServer();
    /// After the server refused an event: a role that may not write is told once and from then on
    /// keeps events here; a lost connection is dropped until it can be reached again.
    void ServerRefused(CHistoryDatabase::Written written, const QString& error);
    void LoseServer();
    /// The database queries are answered from: the server when connected, else the local one.
    CHistoryDatabase* Reader() const;
    void Tell(const QString& text) const;

    IOperator& m_operator;
    CHistoryStation m_station;
    CHistoryLocation m_location;
    std::unique_ptr<CHistoryDatabase> m_local;
    std::unique_ptr<CHistoryDatabase> m_server;
    QElapsedTimer m_sinceServerTry;
    bool m_bServerReadOnly = false;
    bool m_bToldUnreachable = false;
    bool m_bToldLocalFailure = false;
};
