#pragma once

#include <QtGlobal>

/// The times at which measure takes its samples: the first at once, sample k at the start plus k
/// intervals, whatever each sample takes, so that a run keeps the interval over hours as the window's
/// logging does. A sample that overruns its slot is followed by the next at once; the one after that is
/// back on the grid. No sample is left out for it: the count stays the number of samples taken.
class CSampleGrid {
public:
    CSampleGrid(qint64 nStartMs, qint64 nIntervalMs);

    /// After a sample ended at nNowMs: how long to wait before the next one starts.
    qint64 WaitBeforeNext(qint64 nNowMs);

private:
    qint64 m_nStartMs;
    qint64 m_nIntervalMs;
    qint64 m_nSlot = 0; ///< the slot of the sample taken last
};
