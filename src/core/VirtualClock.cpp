#include "core/VirtualClock.h"

CVirtualClock::CVirtualClock(qint64 startMs)
    : m_nowMs(startMs) {}

qint64 CVirtualClock::NowMs() const {
    return m_nowMs;
}

void CVirtualClock::SleepMs(qint64 ms) {
    if (ms > 0) {
        m_nowMs += ms;
        m_sleptMs += ms;
    }
}

void CVirtualClock::AdvanceTo(qint64 ms) {
    if (ms > m_nowMs) {
        m_nowMs = ms;
    }
}

qint64 CVirtualClock::SleptMs() const {
    return m_sleptMs;
}
