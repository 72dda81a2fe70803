#pragma once

#include "core/Clock.h"

#include <QElapsedTimer>

/// The real, monotonic clock of the machine.
class CSystemClock : public IClock {
public:
    CSystemClock();
    qint64 NowMs() const override;
    void SleepMs(qint64 ms) override;

private:
    QElapsedTimer m_timer;
};
