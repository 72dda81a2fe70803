#pragma once

#include <QtGlobal>

/// The far end of an in-memory line: what sits where the programming interface would be. It sees every
/// byte the program writes and every change of the RTS line, each with the clock's time, and answers by
/// delivering bytes to the line (CMemoryDevice::Deliver).
class IDevicePeer {
public:
    virtual ~IDevicePeer() = default;
    virtual void OnOpen(qint64 nowMs) { Q_UNUSED(nowMs); }
    virtual void OnClose(qint64 nowMs) { Q_UNUSED(nowMs); }
    virtual void OnHostByte(quint8 byte, qint64 nowMs) = 0;
    virtual void OnRts(bool on, qint64 nowMs) = 0;
};
