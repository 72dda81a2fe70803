#pragma once

#include <QSqlDatabase>
#include <QString>

/// The history's tables and their versions. Each step brings a database from one version to the next;
/// a database is brought to kCurrentVersion in one transaction when it is opened, so that a newer
/// program reads what an older one wrote. Both backends get the same tables; only the column types of
/// the id and the sets differ. Steps are never changed once released: a change is a new step.
class CHistorySchema {
public:
    enum class Dialect { SQLite, PostgreSQL };
    static constexpr int kCurrentVersion = 2;
    /// Marks an SQLite file as the history's ("QLHI"), so another program's database is told from ours.
    static constexpr int kSqliteApplicationId = 0x514C4849;

    /// The version a database holds: 0 for one without the history's tables; -1 when it cannot be read.
    static int Version(const QSqlDatabase& db);
    /// Runs the steps from the database's version up to target inside the caller's transaction; false
    /// with the database's error text when one fails.
    static bool Migrate(QSqlDatabase& db, Dialect dialect, int target, QString& error);
};
