#pragma once

#include <QtGlobal>

/// Sleeping without stopping the application: on the thread of the application object a wait runs a
/// nested Qt event loop, so that windows repaint, progress moves and timers fire while the link waits
/// for the transmitter. Nothing spins: the thread sleeps in the event dispatcher until the next event
/// or the end of the wait.
class CEventLoopSleep {
public:
    /// Whether the calling thread can run a nested event loop: an application object exists and this
    /// is its thread.
    static bool IsAvailable();
    /// Sleeps at least ms milliseconds (nothing for 0 or less) in a nested event loop. A loop that ends
    /// early (the application quits) sleeps out the rest plainly, so the caller's time still counts.
    static void SleepMs(qint64 ms);
};
