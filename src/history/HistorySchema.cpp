#include "history/HistorySchema.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace {

/// The statements of step n (1-based); {ID}, {REF} and {BLOB} stand for the backend's column types.
QStringList Step(int n) {
    switch (n) {
    case 1:
        // The first release: one row per event; identity and texts as the station wrote them.
        return {QStringLiteral("CREATE TABLE schema_version (version INTEGER NOT NULL)"),
                QStringLiteral("INSERT INTO schema_version (version) VALUES (0)"),
                QStringLiteral("CREATE TABLE events ("
                               "id {ID}, uuid TEXT NOT NULL UNIQUE, time_utc TEXT NOT NULL, "
                               "station TEXT NOT NULL, os_user TEXT NOT NULL, edition TEXT NOT NULL, "
                               "program_version TEXT NOT NULL, operation TEXT NOT NULL, "
                               "outcome TEXT NOT NULL, message TEXT NOT NULL, trace_tail TEXT NOT NULL, "
                               "typ INTEGER NOT NULL, kennung TEXT NOT NULL, serial TEXT NOT NULL, "
                               "tag TEXT NOT NULL, words TEXT NOT NULL, detail TEXT NOT NULL)"),
                QStringLiteral("CREATE INDEX events_by_serial ON events (serial, time_utc)"),
                // The sets apart from the events, so that listing a transmitter's events reads only
                // the small rows.
                QStringLiteral("CREATE TABLE event_sets (event_id {REF} PRIMARY KEY REFERENCES events (id), "
                               "before_set {BLOB}, after_set {BLOB})")};
    case 2:
        // Plant servers: events the server could not take wait in the station's database, marked.
        return {QStringLiteral("ALTER TABLE events ADD COLUMN pending INTEGER NOT NULL DEFAULT 0"),
                QStringLiteral("CREATE INDEX events_by_time ON events (time_utc)"),
                QStringLiteral("CREATE INDEX events_pending ON events (pending)")};
    default:
        return {};
    }
}

QString ForDialect(QString statement, CHistorySchema::Dialect dialect) {
    const bool bSqlite = dialect == CHistorySchema::Dialect::SQLite;
    statement.replace(QStringLiteral("{ID}"), bSqlite ? QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT")
                                                      : QStringLiteral("BIGSERIAL PRIMARY KEY"));
    statement.replace(QStringLiteral("{REF}"),
                      bSqlite ? QStringLiteral("INTEGER") : QStringLiteral("BIGINT"));
    statement.replace(QStringLiteral("{BLOB}"), bSqlite ? QStringLiteral("BLOB") : QStringLiteral("BYTEA"));
    return statement;
}

} // namespace

int CHistorySchema::Version(const QSqlDatabase& db) {
    if (!db.tables().contains(QStringLiteral("schema_version"))) {
        return db.isOpen() ? 0 : -1;
    }
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT version FROM schema_version")) || !query.next()) {
        return -1;
    }
    return query.value(0).toInt();
}

bool CHistorySchema::Migrate(QSqlDatabase& db, Dialect dialect, int target, QString& error) {
    int version = Version(db);
    if (version < 0) {
        error = db.lastError().text();
        return false;
    }
    QSqlQuery query(db);
    for (; version < target; ++version) {
        for (const QString& statement : Step(version + 1)) {
            if (!query.exec(ForDialect(statement, dialect))) {
                error = query.lastError().text();
                return false;
            }
        }
        query.prepare(QStringLiteral("UPDATE schema_version SET version = ?"));
        query.addBindValue(version + 1);
        if (!query.exec()) {
            error = query.lastError().text();
            return false;
        }
    }
    return true;
}
