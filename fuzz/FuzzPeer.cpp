#include "FuzzPeer.h"

#include "link/MemoryDevice.h"
#include "link/TransmitterSio.h"

CFuzzPeer::CFuzzPeer(CMemoryDevice& device, CFuzzInput& script)
    : m_device(device)
    , m_script(script) {
    m_device.SetPeer(this);
}

CFuzzPeer::~CFuzzPeer() {
    m_device.SetPeer(nullptr);
}

void CFuzzPeer::OnHostByte(quint8 byte, qint64 nowMs) {
    if (m_pending.isEmpty() && byte != CTransmitterSio::kStx) {
        return;
    }
    m_pending.append(static_cast<char>(byte));
    if (m_pending.size() >= 2 && m_pending.size() >= static_cast<quint8>(m_pending.at(1)) + 2) {
        m_pending.clear();
        ++m_nRequests;
        Answer(nowMs);
    }
}

void CFuzzPeer::OnRts(bool, qint64) {}

void CFuzzPeer::Answer(qint64 nowMs) {
    if (m_script.AtEnd()) {
        return;
    }
    const int kind = m_script.U8() % 4;
    const QByteArray data = m_script.Rest(m_script.U8() % (CTransmitterSio::kMaxReplyLength - 1));
    switch (kind) {
    case 0:
        m_device.Deliver(CTransmitterSio::FrameAround(data), nowMs + kLatencyMs);
        break;
    case 1:
        break;
    case 2:
        m_device.Deliver(data, nowMs + kLatencyMs);
        break;
    default:
        m_device.Deliver(CTransmitterSio::FrameAround(data) + data, nowMs + kLatencyMs);
        break;
    }
}
