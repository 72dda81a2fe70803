#pragma once

#include "core/Clock.h"

/// A clock that only moves when somebody sleeps on it or advances it. Sleeping returns at once with the
/// time moved on, so tests of time-outs and fixed waits run in no real time and count exactly.
class CVirtualClock : public IClock {
public:
    explicit CVirtualClock(qint64 startMs = 0);
    qint64 NowMs() const override;
    void SleepMs(qint64 ms) override;
    /// Moves the time on to the given instant; an instant in the past changes nothing.
    void AdvanceTo(qint64 ms);
    /// Sum of every sleep asked for, so tests can check the fixed waits of a sequence.
    qint64 SleptMs() const;

private:
    qint64 m_nowMs;
    qint64 m_sleptMs = 0;
};
