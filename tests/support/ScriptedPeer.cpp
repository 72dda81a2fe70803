#include "ScriptedPeer.h"

#include "link/MemoryDevice.h"
#include "link/TransmitterSio.h"

CScriptedPeer::CScriptedPeer(CMemoryDevice& device)
    : m_device(device) {
    m_device.SetPeer(this);
}

CScriptedPeer::~CScriptedPeer() {
    m_device.SetPeer(nullptr);
}

void CScriptedPeer::SetHandler(Handler handler) {
    m_handler = std::move(handler);
}

void CScriptedPeer::SetEcho(bool echo) {
    m_bEcho = echo;
}

void CScriptedPeer::SetLatency(qint64 latencyMs) {
    m_latencyMs = latencyMs;
}

void CScriptedPeer::OnHostByte(quint8 byte, qint64 nowMs) {
    if (m_bEcho) {
        m_device.Deliver(QByteArray(1, static_cast<char>(byte)), nowMs);
    }
    if (m_pending.isEmpty() && byte != 0x02) {
        return;
    }
    m_pending.append(static_cast<char>(byte));
    if (m_pending.size() < 2 || m_pending.size() < static_cast<quint8>(m_pending.at(1)) + 2) {
        return;
    }
    const int length = static_cast<quint8>(m_pending.at(1));
    const Request request{static_cast<quint8>(m_pending.at(2)), m_pending.mid(3, length - 3), nowMs};
    m_pending.clear();
    requests.append(request);
    if (m_handler) {
        if (const std::optional<QByteArray> answer = m_handler(request)) {
            m_device.Deliver(*answer, nowMs + m_latencyMs);
        }
    }
}

void CScriptedPeer::OnRts(bool on, qint64 nowMs) {
    rtsEdges.append({on, nowMs});
}

QByteArray CScriptedPeer::ReplyFrame(const QByteArray& data) {
    return CTransmitterSio::FrameAround(data);
}
