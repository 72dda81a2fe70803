#include "core/SystemClock.h"

#include "core/EventLoopSleep.h"

#include <chrono>
#include <thread>

CSystemClock::CSystemClock() {
    m_timer.start();
}

qint64 CSystemClock::NowMs() const {
    return m_timer.elapsed();
}

void CSystemClock::SleepMs(qint64 ms) {
    if (ms <= 0) {
        return;
    }
    if (m_bRunEventLoop && CEventLoopSleep::IsAvailable()) {
        CEventLoopSleep::SleepMs(ms);
    } else {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    }
}

void CSystemClock::SetRunEventLoop(bool run) {
    m_bRunEventLoop = run;
}
