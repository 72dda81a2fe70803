#pragma once

#include "history/HistoryRecord.h"
#include "history/HistorySchema.h"

#include <QCoreApplication>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <optional>

/// One connection to a history database (an SQLite file or a PostgreSQL server) and the history's
/// statements on it, all prepared with bound values. The store decides what to do when it fails.
class CHistoryDatabase {
    Q_DECLARE_TR_FUNCTIONS(CHistoryDatabase)

public:
    using Dialect = CHistorySchema::Dialect;
    enum class Opened {
        Ready,
        Unreachable, ///< the server cannot be reached, or the file cannot be opened at all
        Damaged,     ///< not a database, a damaged one, or another program's
        Newer,       ///< written by a newer program: left as it is
        Failed,      ///< the tables cannot be set up (no right to, disk full)
    };
    enum class Written {
        Stored,
        Denied, ///< the role may not write
        Failed, ///< anything else (the connection lost, the disk full)
    };

    explicit CHistoryDatabase(Dialect dialect);
    ~CHistoryDatabase();
    CHistoryDatabase(const CHistoryDatabase&) = delete;
    CHistoryDatabase& operator=(const CHistoryDatabase&) = delete;

    /// A file path (SQLite) or a libpq connection text (PostgreSQL). error says why when not Ready.
    Opened Open(const QString& target, QString& error);
    void Close();
    Dialect GetDialect() const { return m_dialect; }

    /// Stores the record (its uuid set) in one transaction; an event already there under that uuid is
    /// not stored again, and its id is returned. 0 with result set when it was not stored.
    qint64 Insert(const CHistoryRecord& record, bool bPending, Written& result, QString& error);
    /// The events waiting for the server, oldest first, with their sets.
    QList<CHistoryRecord> Pending() const;
    int PendingCount() const;
    bool Remove(qint64 id);

    QList<CHistoryTransmitter> Transmitters(const QString& filter) const;
    QList<CHistoryRecord> Events(const CHistoryFilter& filter) const;
    std::optional<CHistoryRecord> Event(qint64 id) const;

    /// The connection still answers (a server that went away does not).
    bool Alive() const;

private:
    Opened OpenSqlite(QString& error);
    Opened OpenServer(QString& error);
    /// Brings the tables to the current version; Newer or Failed when it cannot.
    Opened Prepare(QString& error);

    Dialect m_dialect;
    QString m_connection;
    QSqlDatabase m_db;
};
