#pragma once

#include <QString>
#include <QTemporaryDir>

/// A PostgreSQL server of the test's own: a cluster made with initdb in a temporary folder, listening
/// only on a unix socket in that folder, run by an unprivileged user (the server refuses root: a test
/// run as root runs it as "nobody"). Stopped and removed at the end.
class CPgServer {
public:
    CPgServer();
    ~CPgServer();
    CPgServer(const CPgServer&) = delete;
    CPgServer& operator=(const CPgServer&) = delete;

    /// Makes the cluster and starts it; false with the reason (Problem()). Skippable() tells a machine
    /// that cannot run one at all (root without an unprivileged user) from a failure.
    bool Create();
    bool Start();
    bool Stop();
    QString Problem() const { return m_problem; }
    bool Skippable() const { return m_bSkippable; }

    /// A connection text for a database of the server as the given role.
    QString Connection(const QString& database, const QString& role = QStringLiteral("quillon")) const;
    /// Runs statements as the cluster's owner; false with Problem() set when one fails.
    bool Exec(const QString& database, const QStringList& statements);

private:
    bool Run(const QString& program, const QStringList& arguments);

    QTemporaryDir m_dir;
    QString m_bin;
    QString m_runAs; ///< the user (and group) the server runs as when the test runs as root
    QString m_runAsGroup;
    QString m_problem;
    bool m_bSkippable = false;
    bool m_bRunning = false;
};
