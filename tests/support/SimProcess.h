#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

/// quillon-sim as a child process with its trace on: the pseudo-terminal it serves, its requests as the
/// trace lists them, and a stop with SIGTERM so that a state file is written.
class CSimProcess {
public:
    CSimProcess() = default;
    ~CSimProcess();
    CSimProcess(const CSimProcess&) = delete;
    CSimProcess& operator=(const CSimProcess&) = delete;

    /// Starts with the arguments (after "--trace" unless bTrace is false); false when it gave no device
    /// within five seconds.
    bool Start(const QStringList& arguments, bool bTrace = true);
    QString Device() const;
    /// Stops it (SIGTERM, SIGKILL after five seconds) and keeps its trace.
    void Stop();
    /// Request frames with a valid checksum that reached it; stops it first.
    int Requests();
    /// How many trace lines contain the text; stops it first.
    int TraceCount(const QString& text);
    /// When (seconds on the simulator's clock) each request frame with these bytes (hex, "02 03 32 35 03")
    /// reached it; stops it first.
    QList<double> RequestTimes(const QString& frameHex);

private:
    QProcess m_process;
    QString m_device;
    QString m_trace;
};
