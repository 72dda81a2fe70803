#pragma once

#include <QString>
#include <QStringList>
#include <functional>

/// One run of quillon-cli with its own settings directory, timed, with a hard limit after which it is
/// killed and reported as hung.
class CCliProcess {
public:
    struct Result {
        bool bHung = false;
        bool bCrashed = false; ///< ended by a signal
        int exitCode = -1;
        QString out;
        QString err;
        qint64 elapsedMs = 0;
    };

    /// Called again and again while the tool runs, with its process id; it may sleep a few milliseconds
    /// waiting for something to happen, and a test may kill the tool there.
    using Watcher = std::function<void(qint64 pid)>;

    explicit CCliProcess(QString configDir);

    /// Runs the tool without these environment variables (e.g. DISPLAY, QT_QPA_PLATFORM).
    void Unset(const QStringList& variables) { m_unset = variables; }

    Result Run(const QStringList& arguments, int limitMs, const Watcher& watcher = {}) const;

private:
    QString m_configDir;
    QStringList m_unset;
};
