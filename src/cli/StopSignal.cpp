#include "cli/StopSignal.h"

#include <cerrno>
#include <ctime>
#include <poll.h>
#include <pthread.h>

volatile std::sig_atomic_t CStopSignal::s_bRequested = 0;

namespace {

constexpr long kNsPerMs = 1000000L;
constexpr long kMsPerS = 1000L;

sigset_t StopSignals() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    return set;
}

long ElapsedMs(const timespec& since) {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return (now.tv_sec - since.tv_sec) * kMsPerS + (now.tv_nsec - since.tv_nsec) / kNsPerMs;
}

} // namespace

CStopSignal::CStopSignal() {
    s_bRequested = 0;
    struct sigaction action {};
    action.sa_handler = &CStopSignal::OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART; // a write or a wait for the transmitter carries on; the flag is read after
    sigaction(SIGINT, &action, &m_oldInt);
    sigaction(SIGTERM, &action, &m_oldTerm);
}

CStopSignal::~CStopSignal() {
    sigaction(SIGINT, &m_oldInt, nullptr);
    sigaction(SIGTERM, &m_oldTerm, nullptr);
}

void CStopSignal::OnSignal(int) {
    s_bRequested = 1;
}

bool CStopSignal::Requested() const {
    return s_bRequested != 0;
}

bool CStopSignal::WaitMs(long ms) const {
    // The signals stay blocked except inside ppoll, so one that comes just before the wait ends it too.
    const sigset_t stops = StopSignals();
    sigset_t original;
    pthread_sigmask(SIG_BLOCK, &stops, &original);
    timespec start{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    long remaining = ms;
    while (s_bRequested == 0 && remaining > 0) {
        const timespec timeout{remaining / kMsPerS, (remaining % kMsPerS) * kNsPerMs};
        ppoll(nullptr, 0, &timeout, &original);
        remaining = ms - ElapsedMs(start);
    }
    pthread_sigmask(SIG_SETMASK, &original, nullptr);
    return s_bRequested == 0;
}
