#pragma once

#include "link/DevicePeer.h"

class CMemoryDevice;
class CSimulator;

/// Connects the simulator to an in-memory line in the same process: every byte the program writes and
/// every RTS change reaches the simulator with the clock's time, and the simulator's answer bytes are
/// delivered to the line at the times it gives them. With a virtual clock a whole receive or send runs in
/// milliseconds with the line's real timing. When the simulated port disappears, the line is
/// disconnected.
///
/// Neither the line nor the simulator is owned; both must outlive the peer's use. The peer registers
/// itself with the line on construction and unregisters on destruction.
class CSimPeer : public IDevicePeer {
public:
    CSimPeer(CMemoryDevice& device, CSimulator& simulator);
    ~CSimPeer() override;
    CSimPeer(const CSimPeer&) = delete;
    CSimPeer& operator=(const CSimPeer&) = delete;

    void OnOpen(qint64 nowMs) override;
    void OnClose(qint64 nowMs) override;
    void OnHostByte(quint8 byte, qint64 nowMs) override;
    void OnRts(bool on, qint64 nowMs) override;

private:
    /// Disconnects the line once the simulated port has gone; true then.
    bool CheckVanished(qint64 nowMs);

    CMemoryDevice& m_device;
    CSimulator& m_simulator;
};
