#pragma once

#include <QCoreApplication>
#include <QString>

class CSettingsRegistry;

/// Where the history is kept: this PC's SQLite database, and for a plant the PostgreSQL server its
/// stations share. With a server the local database still holds the events the server could not take
/// yet (they are handed on when it is back).
struct CHistoryLocation {
    /// This PC's database file (the outbox when a server is set).
    QString localPath;
    /// The server as a libpq connection text ("service=quillon", "host=db dbname=quillon"); empty for
    /// none. Credentials never appear here: libpq takes them from its service and password files.
    QString server;

    bool UsesServer() const { return !server.isEmpty(); }

    /// The default database file in the user's data folder.
    static QString DefaultLocalPath();
    /// As the settings say.
    static CHistoryLocation FromSettings(const CSettingsRegistry& settings);
    /// As a command line's --database names it: a connection text (it holds "=") is a server, with the
    /// settings' local file as its outbox; anything else is the path of an SQLite file.
    static CHistoryLocation FromArgument(const QString& text, const CSettingsRegistry& settings);
};
