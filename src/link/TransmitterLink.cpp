#include "link/TransmitterLink.h"

#include "core/Clock.h"
#include "core/Logging.h"
#include "core/WaitCursor.h"

#include <utility>

namespace {

/// Counts the running transfers, also when a program error leaves one early.
class CDepthGuard {
public:
    explicit CDepthGuard(int& depth)
        : m_depth(depth) {
        ++m_depth;
    }
    ~CDepthGuard() { --m_depth; }
    CDepthGuard(const CDepthGuard&) = delete;
    CDepthGuard& operator=(const CDepthGuard&) = delete;

private:
    int& m_depth;
};

} // namespace

CTransmitterLink::CTransmitterLink(IOperator& op, IClock& clock, std::unique_ptr<IByteDevice> device)
    : m_operator(op)
    , m_clock(clock)
    , m_sio(op, clock, std::move(device)) {}

CTransmitterSio& CTransmitterLink::Sio() {
    return m_sio;
}

CSerial& CTransmitterLink::Serial() {
    return m_sio.Serial();
}

CPortMap& CTransmitterLink::PortMap() {
    return m_sio.Serial().PortMap();
}

IOperator& CTransmitterLink::Operator() {
    return m_operator;
}

IClock& CTransmitterLink::Clock() {
    return m_clock;
}

CTransmitterLink::ConnectHook CTransmitterLink::SetConnectHook(ConnectHook hook) {
    return std::exchange(m_connectHook, std::move(hook));
}

bool CTransmitterLink::Transfer(quint8 command, const QByteArray& payload, QByteArray& reply) {
    QByteArray request = payload;
    reply.clear();
    return TransferCommand(command, request, reply);
}

bool CTransmitterLink::Transfer(quint8 command, const QByteArray& payload) {
    QByteArray reply;
    return Transfer(command, payload, reply);
}

int CTransmitterLink::TransferDepth() const {
    return m_nDepth;
}

bool CTransmitterLink::IsBusy() const {
    return m_nOperationDepth > 0;
}

void CTransmitterLink::RequestCancel() {
    if (IsBusy()) {
        qCDebug(lcLink) << "cancel requested";
        m_sio.SetCancelRequested(true);
    }
}

bool CTransmitterLink::IsCancelRequested() const {
    return m_sio.IsCancelRequested();
}

bool CTransmitterLink::EnsureConnected() {
    if (!m_sio.IsPortOpen() && m_connectHook) {
        // A connect that failed has told the user; only a port it could not open costs the attempt. One
        // that is open (mode refused, an identification of the wrong length) still carries the command.
        m_connectHook();
    }
    return m_sio.IsPortOpen();
}

bool CTransmitterLink::TransferCommand(quint8 command, QByteArray& payload, QByteArray& reply) {
    CWaitCursor waitCursor(m_operator);
    CDepthGuard depth(m_nDepth);
    QByteArray lastFrame;
    bool bReceived = false;
    for (int attempt = 1; attempt <= kAttempts && !bReceived && !IsCancelRequested(); ++attempt) {
        if (!EnsureConnected()) {
            m_clock.SleepMs(kRetryPauseMs);
            continue;
        }
        lastFrame = CTransmitterSio::BuildFrame(command, payload);
        m_sio.SendFrame(lastFrame);
        m_sio.ResetReceiver();
        bReceived = m_sio.ReceiveFrame(reply);
        if (!bReceived) {
            qCDebug(lcLink) << "command" << Qt::hex << command << "attempt" << attempt << "without reply";
            if (attempt < kAttempts && !IsCancelRequested()) {
                m_sio.TraceEvent(CLinkTrace::Status::Retry, attempt);
            }
            m_clock.SleepMs(kRetryPauseMs);
        }
    }
    payload = lastFrame;
    for (int pause = 0; pause < kRestPauses; ++pause) {
        m_clock.SleepMs(kRestPauseMs);
    }
    return bReceived;
}
