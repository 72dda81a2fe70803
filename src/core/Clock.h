#pragma once

#include <QtGlobal>

/// Time as the link sees it: a monotonic millisecond count and plain sleeps. The product uses the system
/// clock; unit tests use a virtual clock so that a whole receive with its fixed waits runs in
/// milliseconds while every time-out still counts exactly.
class IClock {
public:
    virtual ~IClock() = default;
    /// Milliseconds on a monotonic scale; only differences mean anything.
    virtual qint64 NowMs() const = 0;
    /// Sleeps for the given time (nothing for 0 or less). The system clock keeps the user interface
    /// running meanwhile (see CSystemClock).
    virtual void SleepMs(qint64 ms) = 0;
};
