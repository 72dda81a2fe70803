#include "link/LinkTrace.h"

#include <QMutexLocker>
#include <algorithm>

CLinkTrace::CLinkTrace(int nCapacity)
    : m_nCapacity(std::max(1, nCapacity)) {}

CLinkTrace& CLinkTrace::Global() {
    static CLinkTrace trace;
    return trace;
}

void CLinkTrace::Record(Entry entry) {
    const QMutexLocker lock(&m_mutex);
    entry.nSequence = ++m_nLastSequence;
    if (!entry.time.isValid()) {
        entry.time = QDateTime::currentDateTime();
    }
    m_entries.push_back(std::move(entry));
    while (static_cast<int>(m_entries.size()) > m_nCapacity) {
        m_entries.pop_front();
    }
}

QList<CLinkTrace::Entry> CLinkTrace::Entries() const {
    return EntriesAfter(0);
}

QList<CLinkTrace::Entry> CLinkTrace::EntriesAfter(quint64 nSequence) const {
    const QMutexLocker lock(&m_mutex);
    QList<Entry> entries;
    for (const Entry& entry : m_entries) {
        if (entry.nSequence > nSequence) {
            entries.append(entry);
        }
    }
    return entries;
}

int CLinkTrace::Size() const {
    const QMutexLocker lock(&m_mutex);
    return static_cast<int>(m_entries.size());
}

int CLinkTrace::Capacity() const {
    return m_nCapacity;
}

quint64 CLinkTrace::LastSequence() const {
    const QMutexLocker lock(&m_mutex);
    return m_nLastSequence;
}

void CLinkTrace::Clear() {
    const QMutexLocker lock(&m_mutex);
    m_entries.clear();
}
