#pragma once

#include "core/Clock.h"

#include <QElapsedTimer>

/// The real, monotonic clock of the machine. Its sleeps keep the application's event loop running when
/// called on the application's thread (CEventLoopSleep), unless that is switched off.
class CSystemClock : public IClock {
public:
    CSystemClock();
    qint64 NowMs() const override;
    void SleepMs(qint64 ms) override;

    /// Whether sleeps may run a nested event loop (default on). Off, they are plain sleeps of the thread,
    /// as the command-line tool has them.
    void SetRunEventLoop(bool run);

private:
    QElapsedTimer m_timer;
    bool m_bRunEventLoop = true;
};
