#pragma once

#include "link/DevicePeer.h"

#include <QByteArray>
#include <QList>
#include <functional>
#include <optional>

class CMemoryDevice;

/// A stand-in for the programming interface in link tests: it collects the request frames the program
/// writes and answers each through a handler. Replies start latencyMs after the request's last byte;
/// with echo on, every byte is repeated at once, as a 3-wire line does.
class CScriptedPeer : public IDevicePeer {
public:
    struct Request {
        quint8 command;
        QByteArray payload;
        qint64 atMs;
    };
    /// Returns the bytes to send back (a whole frame, garbage, anything), or nothing for silence.
    using Handler = std::function<std::optional<QByteArray>(const Request&)>;

    explicit CScriptedPeer(CMemoryDevice& device);
    ~CScriptedPeer() override;
    CScriptedPeer(const CScriptedPeer&) = delete;
    CScriptedPeer& operator=(const CScriptedPeer&) = delete;

    void SetHandler(Handler handler);
    void SetEcho(bool echo);
    void SetLatency(qint64 latencyMs);

    QList<Request> requests;
    QList<QPair<bool, qint64>> rtsEdges;

    void OnHostByte(quint8 byte, qint64 nowMs) override;
    void OnRts(bool on, qint64 nowMs) override;

    /// A reply frame with the given data (STX, L, data, checksum, ETX).
    static QByteArray ReplyFrame(const QByteArray& data);

private:
    CMemoryDevice& m_device;
    Handler m_handler;
    QByteArray m_pending;
    bool m_bEcho = false;
    qint64 m_latencyMs = 50;
};
