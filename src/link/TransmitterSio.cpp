#include "link/TransmitterSio.h"

#include "core/Clock.h"
#include "core/Logging.h"
#include "core/Operator.h"
#include "core/ProgramError.h"

#include <algorithm>
#include <utility>

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
    m_operator.Ask(tr("COM-Port kann nicht geöffnet werden"), QString(), IOperator::Icon::Warning,
                   IOperator::Buttons::RetryCancel);
    return false;
}

bool CTransmitterSio::OpenPortSilent(int nIndex, bool bEcho) {
    m_bEcho = bEcho;
    return m_serial.Open(nIndex + 1, kBaud);
}

void CTransmitterSio::ClosePort() {
    m_serial.Close();
    m_givenUp.clear(); // nothing sent before reaches a port opened afresh
    m_nLateMs = -1;
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
    if (DiscardWaiting(-1) > 0) {
        // Late replies due by now have come, and gone with them.
        const qint64 nNowMs = m_clock.NowMs();
        std::erase_if(m_givenUp, [nNowMs](const GivenUp& entry) {
            return entry.nExpectedMs >= 0 && entry.nExpectedMs <= nNowMs;
        });
    }
    qCDebug(lcLink).noquote() << "TX" << frame.left(total).toHex(' ');
    m_lastCommand = total > 2 ? static_cast<quint8>(frame.at(2)) : 0;
    Record(CLinkTrace::Direction::Tx, CLinkTrace::Status::Ok, frame.left(total));
    m_lastRequest = frame.left(total);
    const int written = m_serial.Write(frame.constData(), total);
    m_serial.Flush();
    m_nSentMs = m_clock.NowMs();
    // What has come meanwhile began before the request was complete: no reply to it. (On a 3-wire line
    // the echo comes meanwhile; its bytes tell it apart.)
    m_nWaitingAtSend = m_bEcho ? 0 : m_serial.BytesWaiting();
    if (m_bEcho) {
        // On a 3-wire line the interface repeats every byte it is sent: give it time, then drop the echo.
        // An echo later than this wait is known by its bytes when it comes (ReceiveFrame), so it is never
        // taken for the reply.
        m_clock.SleepMs(kEchoWaitMs);
        DiscardWaiting(total);
    }
    return written;
}

int CTransmitterSio::DiscardWaiting(int maxCount) {
    int dropped = 0;
    char byte = 0;
    while ((maxCount < 0 || dropped < maxCount) && m_serial.BytesWaiting() > 0 &&
           m_serial.Read(&byte, 1) == 1) {
        ++dropped;
    }
    if (dropped > 0) {
        qCDebug(lcLink) << "dropped" << dropped << "stale bytes";
    }
    return dropped;
}

CTransmitterSio::ReplyCheck CTransmitterSio::SetReplyCheck(ReplyCheck check) {
    return std::exchange(m_replyCheck, std::move(check));
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
    m_bReplySeen = true; // a broken reply is still the device's answer
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
    m_bReplySeen = false;
    m_nBytesRead = 0;
    if (!m_serial.IsOpen()) {
        return false; // nothing can arrive on a closed port
    }
    ForgetGivenUp(m_clock.NowMs());
    // The link timer ticks every 100 ms from the start of the receive; every byte re-arms the counter.
    m_nTimeoutTicks = kTicks;
    qint64 nextTickMs = m_clock.NowMs() + kTickMs;
    bool bAccepted = false;
    // A port closed meanwhile (from an event the wait dispatched) brings nothing more: the wait ends.
    while (m_nTimeoutTicks > 0 && !bAccepted && !m_bCancelRequested && m_serial.IsOpen()) {
        if (m_bComplete) {
            bAccepted = IsReplyToLastRequest(ReceivedFrame());
            continue;
        }
        char byte = 0;
        if (m_serial.BytesWaiting() > 0 && m_serial.Read(&byte, 1) == 1) {
            m_nTimeoutTicks = kTicks;
            ++m_nBytesRead;
            if (m_state == State::WaitStx && static_cast<quint8>(byte) == kStx) {
                m_nFrameStartMs = m_clock.NowMs();
                m_bFrameBeforeRequest = m_nBytesRead <= m_nWaitingAtSend;
            }
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
    if (!bAccepted) {
        qCDebug(lcLink) << (m_bCancelRequested ? "reply wait cancelled" : "no reply within 20 ticks");
        Record(CLinkTrace::Direction::Event,
               m_bCancelRequested ? CLinkTrace::Status::Cancelled : CLinkTrace::Status::Timeout,
               QByteArray());
        if (!m_bReplySeen) {
            GiveUp(m_nSentMs);
        }
        return false;
    }
    reply = ReceivedFrame();
    qCDebug(lcLink).noquote() << "RX" << reply.toHex(' ');
    Record(CLinkTrace::Direction::Rx, CLinkTrace::Status::Ok, reply);
    return true;
}

bool CTransmitterSio::IsReplyToLastRequest(const QByteArray& frame) {
    if (m_bEcho && frame == m_lastRequest) {
        DropWholeFrame(frame, "echo of the request", CLinkTrace::Status::Echo);
        return false;
    }
    if (m_replyCheck && !m_replyCheck(m_lastCommand, frame)) {
        // Some other request's reply, come so late that no timing tells it apart: this request's own
        // reply may still follow within the time-out. The given-up requests are left as they are; which
        // of them this frame answered is not known.
        DropWholeFrame(frame, "reply does not fit the request", CLinkTrace::Status::Stale);
        return false;
    }
    if (m_givenUp.empty()) {
        m_bReplySeen = true;
        return true;
    }
    if (!LooksLate()) {
        // The answer to this request, or the late one to its attempt given up just before: they look the
        // same. One reply of this request may still be due; if one comes, it comes about as long after
        // this attempt as this frame came after the one given up.
        const auto same = std::find_if(m_givenUp.rbegin(), m_givenUp.rend(), [this](const GivenUp& entry) {
            return entry.request == m_lastRequest;
        });
        if (same != m_givenUp.rend()) {
            *same = {m_lastRequest, m_nSentMs, m_nLateMs >= 0 ? m_nSentMs + m_nLateMs : -1};
        }
        m_bReplySeen = true;
        return true;
    }
    // The transmitter answers one request after the other: a late reply belongs to the oldest request
    // given up. Only when that was this same request does it answer this one too; the reply to this one
    // may then still come, about as late, and must not count for the next request.
    const GivenUp late = m_givenUp.front();
    m_givenUp.pop_front();
    m_nLateMs = m_nFrameStartMs - late.nSentMs;
    if (late.request == m_lastRequest) {
        GiveUp(m_nSentMs);
        m_bReplySeen = true;
        return true;
    }
    DropWholeFrame(frame, "late reply to an earlier request", CLinkTrace::Status::Late);
    // The reply to this request is due about as late as the one dropped: wait for it that long.
    const qint64 nDueMs = m_nSentMs + m_nLateMs + kLateMatchMs - m_clock.NowMs();
    m_nTimeoutTicks = static_cast<int>(qMax<qint64>(kTicks, (nDueMs + kTickMs - 1) / kTickMs));
    return false;
}

bool CTransmitterSio::LooksLate() const {
    if (m_bFrameBeforeRequest || m_nFrameStartMs - m_nSentMs > kPromptReplyMs) {
        return true;
    }
    // Soon after the request, yet when the oldest late reply is due: that one comes first.
    const qint64 nExpectedMs = m_givenUp.front().nExpectedMs;
    return nExpectedMs >= 0 && qAbs(m_nFrameStartMs - nExpectedMs) <= kLateMatchMs;
}

void CTransmitterSio::GiveUp(qint64 nSentMs) {
    m_givenUp.push_back({m_lastRequest, nSentMs, m_nLateMs >= 0 ? nSentMs + m_nLateMs : -1});
}

void CTransmitterSio::ForgetGivenUp(qint64 nNowMs) {
    // A reply not come by the time it was due, or within the window, is not waited for: it was lost, or
    // it came between two exchanges and went with the stale bytes before the request.
    const auto bForgotten = [nNowMs](const GivenUp& entry) {
        return nNowMs - entry.nSentMs > kLateReplyWindowMs ||
               (entry.nExpectedMs >= 0 && nNowMs - entry.nExpectedMs > kLateMatchMs);
    };
    std::erase_if(m_givenUp, bForgotten);
}

void CTransmitterSio::DropWholeFrame(const QByteArray& frame, const char* reason, CLinkTrace::Status status) {
    qCDebug(lcLink).noquote() << "frame dropped:" << reason << frame.toHex(' ');
    Record(CLinkTrace::Direction::Rx, status, frame);
    ResetReceiver();
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
