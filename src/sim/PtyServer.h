#pragma once

#include "sim/Simulator.h"

#include <QString>
#include <map>

class IClock;

/// Serves the simulator on a pseudo-terminal: the program opens the slave side (its path is what
/// quillon-sim prints) like the serial port of a programming interface; the simulator sits on the master.
///
/// The loop sleeps in poll() on the master and on a stop descriptor, waking only for bytes from the
/// program and for answer bytes that are due; it uses no CPU while idle. When the program closes the
/// slave, the master reports a hang-up until the slave is opened again: the server then stops watching the
/// master and looks again every kHangUpRetryMs, so it neither spins nor misses the next open. A pseudo-
/// terminal has no RTS line, so the transmitter answers without waiting for a reset.
class CPtyServer {
public:
    static constexpr int kHangUpRetryMs = 100;

    CPtyServer(CSimulator& simulator, IClock& clock);
    ~CPtyServer();
    CPtyServer(const CPtyServer&) = delete;
    CPtyServer& operator=(const CPtyServer&) = delete;

    /// Creates the pseudo-terminal (raw mode on the master); false with the system's reason.
    bool Open(QString& error);
    /// The slave device the program opens, e.g. /dev/pts/3.
    QString SlavePath() const;
    /// Serves until a byte can be read from stopFd (the signal handler's pipe).
    void Run(int stopFd);

private:
    void ReadFromProgram(qint64 nowMs);
    void WriteDue(qint64 nowMs);
    void NoteHangUp(qint64 nowMs);
    int PollTimeoutMs(qint64 nowMs) const;
    void CloseMaster();

    CSimulator& m_simulator;
    IClock& m_clock;
    int m_master = -1;
    QString m_slavePath;
    std::multimap<qint64, quint8> m_pending;
    bool m_bProgramAttached = false;
    bool m_bHungUp = false;
    qint64 m_retryAtMs = 0;
};
