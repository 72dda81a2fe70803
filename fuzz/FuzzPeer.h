#pragma once

#include "FuzzInput.h"
#include "link/DevicePeer.h"

class CMemoryDevice;

/// A programming interface that answers every request frame from the fuzzer's script: per request one
/// kind byte (modulo 4: 0 a frame with a valid checksum around the data, 1 silence, 2 the data as they
/// are, 3 the data framed and then repeated raw), one length byte (modulo 49) and that many data bytes.
/// When the script is used up it stays silent, so every sequence comes to an end.
class CFuzzPeer : public IDevicePeer {
public:
    static constexpr qint64 kLatencyMs = 20;

    CFuzzPeer(CMemoryDevice& device, CFuzzInput& script);
    ~CFuzzPeer() override;
    CFuzzPeer(const CFuzzPeer&) = delete;
    CFuzzPeer& operator=(const CFuzzPeer&) = delete;

    void OnHostByte(quint8 byte, qint64 nowMs) override;
    void OnRts(bool on, qint64 nowMs) override;

    int Requests() const { return m_nRequests; }

private:
    void Answer(qint64 nowMs);

    CMemoryDevice& m_device;
    CFuzzInput& m_script;
    QByteArray m_pending;
    int m_nRequests = 0;
};
