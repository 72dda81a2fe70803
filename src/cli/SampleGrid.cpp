#include "cli/SampleGrid.h"

CSampleGrid::CSampleGrid(qint64 nStartMs, qint64 nIntervalMs)
    : m_nStartMs(nStartMs)
    , m_nIntervalMs(qMax<qint64>(1, nIntervalMs)) {}

qint64 CSampleGrid::WaitBeforeNext(qint64 nNowMs) {
    ++m_nSlot;
    const qint64 nDueMs = m_nStartMs + m_nSlot * m_nIntervalMs;
    if (nDueMs > nNowMs) {
        return nDueMs - nNowMs;
    }
    // Overrun: the next sample starts now, in the slot the time has reached, and the grid goes on from
    // there instead of catching up with a burst of samples.
    m_nSlot = (nNowMs - m_nStartMs) / m_nIntervalMs;
    return 0;
}
