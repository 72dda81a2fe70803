#include "core/SystemClock.h"

#include <chrono>
#include <thread>

CSystemClock::CSystemClock() {
    m_timer.start();
}

qint64 CSystemClock::NowMs() const {
    return m_timer.elapsed();
}

void CSystemClock::SleepMs(qint64 ms) {
    if (ms > 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    }
}
