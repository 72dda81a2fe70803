#include "link/TransmitterSio.h"

#include "core/Clock.h"
#include "core/Logging.h"
#include "core/Operator.h"
#include "core/ProgramError.h"

CTransmitterSio::CTransmitterSio(IOperator& op, IClock& clock, std::unique_ptr<IByteDevice> device)
    : m_operator(op)
    , m_clock(clock)
    , m_serial(std::move(device)) {
    m_serial.SetOperator(&m_operator);
}

CTransmitterSio::~CTransmitterSio() {
    ClosePort();
}

bool CTransmitterSio::OpenPort(int nIndex, bool bEcho) {
    if (OpenPortSilent(nIndex, bEcho)) {
        return true;
    }
    // The answer does not matter: the caller decides what follows.
    m_operator.ShowMessage(tr("COM-Port kann nicht geöffnet werden"), QString(), IOperator::Icon::Warning,
                           IOperator::Buttons::RetryCancel);
    return false;
}

bool CTransmitterSio::OpenPortSilent(int nIndex, bool bEcho) {
    m_bEcho = bEcho;
    return m_serial.Open(nIndex + 1, kBaud);
}

void CTransmitterSio::ClosePort() {
    m_serial.Close();
}

bool CTransmitterSio::IsPortOpen() const {
    return m_serial.IsOpen();
}

bool CTransmitterSio::TestPort(int nIndex) {
    ClosePort();
    const bool bOpenable = OpenPortSilent(nIndex, false);
    ClosePort();
    return bOpenable;
}

bool CTransmitterSio::Echo() const {
    return m_bEcho;
}

void CTransmitterSio::SetEcho(bool bEcho) {
    m_bEcho = bEcho;
}

CSerial& CTransmitterSio::Serial() {
    return m_serial;
}

QByteArray CTransmitterSio::BuildFrame(quint8 command, const QByteArray& payload) {
    if (payload.size() > kMaxPayload) {
        throw CProgramError("request payload of " + std::to_string(payload.size()) +
                            " characters does not fit a frame (at most 42)");
    }
    return FrameAround(QByteArray(1, static_cast<char>(command)) + payload);
}

QByteArray CTransmitterSio::FrameAround(QByteArrayView data) {
    constexpr qsizetype kMaxData = 253; // the length byte holds data + 2
    if (data.size() > kMaxData) {
        throw CProgramError("frame data of " + std::to_string(data.size()) +
                            " bytes do not fit a length byte");
    }
    QByteArray frame;
    frame.reserve(data.size() + 4);
    frame.append(static_cast<char>(kStx));
    frame.append(static_cast<char>(data.size() + 2));
    frame.append(data);
    quint8 sum = 0;
    for (qsizetype i = 1; i < frame.size(); ++i) {
        sum = static_cast<quint8>(sum + static_cast<quint8>(frame.at(i)));
    }
    frame.append(static_cast<char>(sum));
    frame.append(static_cast<char>(kEtx));
    return frame;
}

int CTransmitterSio::SendFrame(const QByteArray& frame) {
    if (frame.size() < 2 || static_cast<quint8>(frame.at(1)) + 2 > frame.size()) {
        throw CProgramError("request frame shorter than its length byte says");
    }
    const int total = static_cast<quint8>(frame.at(1)) + 2;
    // Stale bytes of an earlier exchange (a late reply, bytes after an ETX) never reach the receiver.
    DiscardWaiting(-1);
    qCDebug(lcLink).noquote() << "TX" << frame.left(total).toHex(' ');
    m_lastCommand = total > 2 ? static_cast<quint8>(frame.at(2)) : 0;
    Record(CLinkTrace::Direction::Tx, CLinkTrace::Status::Ok, frame.left(total));
    const int written = m_serial.Write(frame.constData(), total);
    m_serial.Flush();
    if (m_bEcho) {
        // On a 3-wire line the interface repeats every byte it is sent; give it time, then drop the echo.
        m_clock.SleepMs(kEchoWaitMs);
        DiscardWaiting(total);
    }
    return written;
}

void CTransmitterSio::DiscardWaiting(int maxCount) {
    int dropped = 0;
    char byte = 0;
    while ((maxCount < 0 || dropped < maxCount) && m_serial.BytesWaiting() > 0 &&
           m_serial.Read(&byte, 1) == 1) {
        ++dropped;
    }
    if (dropped > 0) {
        qCDebug(lcLink) << "dropped" << dropped << (maxCount < 0 ? "stale bytes" : "echo bytes");
    }
}

void CTransmitterSio::SetCancelRequested(bool bCancel) {
    m_bCancelRequested = bCancel;
}

bool CTransmitterSio::IsCancelRequested() const {
    return m_bCancelRequested;
}

void CTransmitterSio::ResetReceiver() {
    m_state = State::WaitStx;
    m_bComplete = false;
}

void CTransmitterSio::StoreByte(quint8 byte) {
    m_buffer[static_cast<size_t>(m_nWriteIndex++)] = byte;
}

bool CTransmitterSio::DropFrame(const char* reason, CLinkTrace::Status status) {
    qCDebug(lcLink) << "reply dropped:" << reason;
    Record(CLinkTrace::Direction::Rx, status,
           QByteArray(reinterpret_cast<const char*>(m_buffer.data()), m_nWriteIndex));
    ResetReceiver();
    return false;
}

bool CTransmitterSio::FeedByte(quint8 byte) {
    if (m_bComplete) {
        return true; // a finished frame is kept until the receiver is reset; later bytes wait for it
    }
    switch (m_state) {
    case State::WaitStx:
        if (byte == kStx) {
            m_buffer[0] = byte;
            m_nWriteIndex = 1;
            m_state = State::Length;
        }
        return true;
    case State::Length:
        // Length bytes 0 and 1 cannot belong to a frame; like one above 50 they send us hunting for STX.
        if (byte > kMaxReplyLength || byte < 2) {
            StoreByte(byte); // shown in the trace; the next frame starts at index 0 again
            return DropFrame("bad length byte", CLinkTrace::Status::BadLength);
        }
        m_nRemaining = byte;
        m_sum = byte;
        StoreByte(byte);
        m_state = State::Body;
        return true;
    case State::Body:
        --m_nRemaining;
        StoreByte(byte);
        if (m_nRemaining >= 2) {
            m_sum = static_cast<quint8>(m_sum + byte);
            return true;
        }
        if (m_nRemaining == 1) {
            return byte == m_sum ? true : DropFrame("checksum", CLinkTrace::Status::ChecksumWrong);
        }
        if (byte != kEtx) {
            return DropFrame("no ETX", CLinkTrace::Status::NoEtx);
        }
        m_bComplete = true;
        return true;
    }
    return true;
}

bool CTransmitterSio::IsFrameComplete() const {
    return m_bComplete;
}

QByteArray CTransmitterSio::ReceivedFrame() const {
    if (!m_bComplete) {
        return QByteArray();
    }
    return QByteArray(reinterpret_cast<const char*>(m_buffer.data()), m_buffer[1] + 2);
}

void CTransmitterSio::TickTimeout() {
    if (m_nTimeoutTicks > 0) {
        --m_nTimeoutTicks;
    }
}

bool CTransmitterSio::ReceiveFrame(QByteArray& reply) {
    ResetReceiver();
    if (!m_serial.IsOpen()) {
        return false; // nothing can arrive on a closed port
    }
    // The link timer ticks every 100 ms from the start of the receive; every byte re-arms the counter.
    m_nTimeoutTicks = kTicks;
    qint64 nextTickMs = m_clock.NowMs() + kTickMs;
    while (m_nTimeoutTicks > 0 && !m_bComplete && !m_bCancelRequested) {
        char byte = 0;
        if (m_serial.BytesWaiting() > 0 && m_serial.Read(&byte, 1) == 1) {
            m_nTimeoutTicks = kTicks;
            FeedByte(static_cast<quint8>(byte));
            continue;
        }
        const qint64 nowMs = m_clock.NowMs();
        if (nowMs >= nextTickMs) {
            TickTimeout();
            nextTickMs += kTickMs;
            continue;
        }
        m_serial.WaitForBytes(static_cast<int>(nextTickMs - nowMs));
    }
    if (!m_bComplete) {
        qCDebug(lcLink) << (m_bCancelRequested ? "reply wait cancelled" : "no reply within 20 ticks");
        Record(CLinkTrace::Direction::Event,
               m_bCancelRequested ? CLinkTrace::Status::Cancelled : CLinkTrace::Status::Timeout,
               QByteArray());
        return false;
    }
    reply = ReceivedFrame();
    qCDebug(lcLink).noquote() << "RX" << reply.toHex(' ');
    Record(CLinkTrace::Direction::Rx, CLinkTrace::Status::Ok, reply);
    return true;
}

void CTransmitterSio::SetTrace(CLinkTrace* pTrace) {
    m_pTrace = pTrace;
}

CLinkTrace* CTransmitterSio::Trace() const {
    return m_pTrace;
}

void CTransmitterSio::TraceEvent(CLinkTrace::Status status, int nAttempt) {
    Record(CLinkTrace::Direction::Event, status, QByteArray(), nAttempt);
}

void CTransmitterSio::Record(CLinkTrace::Direction direction, CLinkTrace::Status status,
                             const QByteArray& bytes, int nAttempt) {
    if (m_pTrace == nullptr) {
        return;
    }
    CLinkTrace::Entry entry;
    entry.nClockMs = m_clock.NowMs();
    entry.direction = direction;
    entry.status = status;
    entry.command = m_lastCommand;
    entry.nAttempt = nAttempt;
    entry.bytes = bytes;
    m_pTrace->Record(std::move(entry));
}
