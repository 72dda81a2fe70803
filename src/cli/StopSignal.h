#pragma once

#include <csignal>

/// Ctrl+C (and SIGTERM) for a command that runs until the user stops it: while the object lives, the
/// signals only raise a flag that the command checks between two samples, so a sample and its log line
/// are always finished. Waits between samples end at once when the signal comes.
class CStopSignal {
public:
    CStopSignal();
    ~CStopSignal();
    CStopSignal(const CStopSignal&) = delete;
    CStopSignal& operator=(const CStopSignal&) = delete;

    bool Requested() const;
    /// Sleeps up to the given time; returns early (false) when the stop is requested.
    bool WaitMs(long ms) const;

private:
    static void OnSignal(int signal);
    static volatile std::sig_atomic_t s_bRequested;

    struct sigaction m_oldInt {};
    struct sigaction m_oldTerm {};
};
