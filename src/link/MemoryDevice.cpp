#include "link/MemoryDevice.h"

#include "core/Clock.h"
#include "link/DevicePeer.h"

CMemoryDevice::CMemoryDevice(IClock& clock)
    : m_clock(clock) {}

void CMemoryDevice::SetPeer(IDevicePeer* peer) {
    m_peer = peer;
}

void CMemoryDevice::Deliver(const QByteArray& bytes, qint64 atMs, qint64 gapMs) {
    if (m_bGone) {
        return;
    }
    qint64 at = atMs;
    for (const char byte : bytes) {
        m_incoming.emplace(at, byte);
        at += gapMs;
    }
}

void CMemoryDevice::SetOpenable(bool openable) {
    m_bOpenable = openable;
}

void CMemoryDevice::SetModemLines(bool present) {
    m_bModemLines = present;
}

void CMemoryDevice::SetRtsFailure(LineResult failure) {
    m_rtsFailure = failure;
}

void CMemoryDevice::Disconnect() {
    m_bGone = true;
    m_incoming.clear();
}

const QByteArray& CMemoryDevice::Written() const {
    return m_written;
}

void CMemoryDevice::ClearWritten() {
    m_written.clear();
}

const QList<CMemoryDevice::RtsEdge>& CMemoryDevice::RtsEdges() const {
    return m_rtsEdges;
}

QString CMemoryDevice::OpenedPath() const {
    return m_path;
}

int CMemoryDevice::OpenedBaud() const {
    return m_baud;
}

int CMemoryDevice::OpenCount() const {
    return m_openCount;
}

bool CMemoryDevice::Open(const QString& path, int baud) {
    if (m_bOpen) {
        return true;
    }
    if (!m_bOpenable || m_bGone) {
        return false;
    }
    m_bOpen = true;
    m_path = path;
    m_baud = baud;
    ++m_openCount;
    if (m_peer != nullptr) {
        m_peer->OnOpen(m_clock.NowMs());
    }
    return true;
}

void CMemoryDevice::Close() {
    if (!m_bOpen) {
        return;
    }
    m_bOpen = false;
    m_incoming.clear(); // a closed port's input queue is gone
    if (m_peer != nullptr) {
        m_peer->OnClose(m_clock.NowMs());
    }
}

bool CMemoryDevice::IsOpen() const {
    return m_bOpen;
}

bool CMemoryDevice::WriteByte(quint8 byte, int timeoutMs) {
    Q_UNUSED(timeoutMs);
    if (!m_bOpen || m_bGone) {
        return false;
    }
    m_written.append(static_cast<char>(byte));
    if (m_peer != nullptr) {
        m_peer->OnHostByte(byte, m_clock.NowMs());
    }
    return true;
}

bool CMemoryDevice::Drain(int timeoutMs) {
    Q_UNUSED(timeoutMs);
    return m_bOpen;
}

int CMemoryDevice::BytesWaiting() {
    if (!m_bOpen) {
        return 0;
    }
    const auto due = m_incoming.upper_bound(m_clock.NowMs());
    return static_cast<int>(std::distance(m_incoming.begin(), due));
}

int CMemoryDevice::Read(char* buffer, int maxCount) {
    int count = 0;
    const qint64 now = m_clock.NowMs();
    while (m_bOpen && count < maxCount && !m_incoming.empty() && m_incoming.begin()->first <= now) {
        buffer[count++] = m_incoming.begin()->second;
        m_incoming.erase(m_incoming.begin());
    }
    return count;
}

bool CMemoryDevice::WaitReadable(int timeoutMs) {
    if (!m_bOpen) {
        return false;
    }
    if (BytesWaiting() > 0) {
        return true;
    }
    qint64 wait = timeoutMs;
    if (!m_incoming.empty()) {
        wait = qMin<qint64>(wait, m_incoming.begin()->first - m_clock.NowMs());
    }
    m_clock.SleepMs(wait);
    return BytesWaiting() > 0;
}

IByteDevice::LineResult CMemoryDevice::SetRts(bool on) {
    if (!m_bOpen) {
        return LineResult::ReadFailed;
    }
    if (!m_bModemLines) {
        return LineResult::NoModemLines;
    }
    if (m_rtsFailure != LineResult::Ok) {
        return m_rtsFailure;
    }
    m_rtsEdges.append({on, m_clock.NowMs()});
    if (m_peer != nullptr) {
        m_peer->OnRts(on, m_clock.NowMs());
    }
    return LineResult::Ok;
}

QString CMemoryDevice::LastErrorText() const {
    return m_bGone ? QStringLiteral("Input/output error") : QStringLiteral("Operation not permitted");
}
