#include "sim/SimPeer.h"

#include "link/MemoryDevice.h"
#include "sim/Simulator.h"

CSimPeer::CSimPeer(CMemoryDevice& device, CSimulator& simulator)
    : m_device(device)
    , m_simulator(simulator) {
    m_device.SetPeer(this);
}

CSimPeer::~CSimPeer() {
    m_device.SetPeer(nullptr);
}

bool CSimPeer::CheckVanished(qint64 nowMs) {
    if (!m_simulator.HasVanished(nowMs)) {
        return false;
    }
    m_device.Disconnect();
    return true;
}

void CSimPeer::OnOpen(qint64 nowMs) {
    if (!CheckVanished(nowMs)) {
        m_simulator.OnOpen(nowMs);
    }
}

void CSimPeer::OnClose(qint64 nowMs) {
    m_simulator.OnClose(nowMs);
}

void CSimPeer::OnHostByte(quint8 byte, qint64 nowMs) {
    if (CheckVanished(nowMs)) {
        return;
    }
    for (const CSimulator::Output& output : m_simulator.OnHostByte(byte, nowMs)) {
        m_device.Deliver(QByteArray(1, static_cast<char>(output.byte)), output.atMs);
    }
}

void CSimPeer::OnRts(bool on, qint64 nowMs) {
    if (!CheckVanished(nowMs)) {
        m_simulator.OnRts(on, nowMs);
    }
}
