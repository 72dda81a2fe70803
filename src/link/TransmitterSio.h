#pragma once

#include "link/LinkTrace.h"
#include "link/Serial.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QCoreApplication>
#include <array>
#include <deque>
#include <functional>
#include <memory>

class IClock;
class IOperator;

/// The frame protocol of the programming interface on top of the serial port.
///
/// A frame is STX, a length byte L (payload length + 3), the command byte (in a reply: the first data
/// character), the payload, the 8-bit sum of the bytes from L to the last payload byte, and ETX. Replies
/// are taken apart by a byte-driven state machine; a reply must start within 20 ticks of 100 ms and no
/// gap between its bytes may reach 20 ticks.
class CTransmitterSio {
    Q_DECLARE_TR_FUNCTIONS(CTransmitterSio)

public:
    static constexpr int kBaud = 1200;
    static constexpr int kMaxPayload = 42;     ///< requests are built in a 47-character buffer
    static constexpr int kMaxReplyLength = 50; ///< largest length byte a reply may carry
    static constexpr int kTicks = 20;          ///< receive inactivity time-out in link timer ticks
    static constexpr int kTickMs = 100;        ///< period of the link timer
    static constexpr int kEchoWaitMs = 300;    ///< wait after a send on a 3-wire line, for the echo
    /// A reply whose first byte comes later than this after its request had left the port may be the late
    /// reply of a request given up before; one that comes sooner answers the request just sent.
    static constexpr int kPromptReplyMs = 1000;
    /// A late reply that comes within this of the time the transmitter's lateness so far predicts for it
    /// is taken for that late reply, however soon after the request just sent it comes.
    static constexpr int kLateMatchMs = 500;
    /// How long a request given up is remembered: a reply later than the three attempts of an exchange
    /// took together (20 ticks and the pause after each) is not expected any more.
    static constexpr int kLateReplyWindowMs = 3 * (kTicks * kTickMs + kTickMs);
    /// Whether a whole reply frame can answer a command, by its form (the command registry knows the
    /// forms; the link does not).
    using ReplyCheck = std::function<bool(quint8 command, const QByteArray& frame)>;
    static constexpr quint8 kStx = 0x02;
    static constexpr quint8 kEtx = 0x03;

    CTransmitterSio(IOperator& op, IClock& clock, std::unique_ptr<IByteDevice> device = nullptr);
    virtual ~CTransmitterSio();
    CTransmitterSio(const CTransmitterSio&) = delete;
    CTransmitterSio& operator=(const CTransmitterSio&) = delete;

    /// Opens COM (nIndex + 1) at 1200 baud; on failure tells the user and returns false.
    bool OpenPort(int nIndex, bool bEcho);
    /// As OpenPort, without a message.
    bool OpenPortSilent(int nIndex, bool bEcho);
    void ClosePort();
    bool IsPortOpen() const;
    /// Whether COM (nIndex + 1) can be opened; leaves the port closed.
    bool TestPort(int nIndex);
    bool Echo() const;
    void SetEcho(bool bEcho);
    CSerial& Serial();

    /// The request frame for a command and its payload. A payload over 42 characters is a program error.
    static QByteArray BuildFrame(quint8 command, const QByteArray& payload);
    /// A frame around data: STX, the length byte (data + 2), the data, their checksum, ETX. A request's data
    /// are its command byte and payload, a reply's its data characters. At most 253 data bytes.
    static QByteArray FrameAround(QByteArrayView data);
    /// Sends a frame after discarding stale input; on an echoing line then waits for the echo and drops
    /// what of it has come. Returns the number of bytes written.
    int SendFrame(const QByteArray& frame);
    void ResetReceiver();
    /// Feeds one received byte to the receiver; false when the byte broke the frame (receiver reset).
    bool FeedByte(quint8 byte);
    bool IsFrameComplete() const;
    /// The frame received last, from STX to ETX; empty unless a frame is complete.
    QByteArray ReceivedFrame() const;
    /// Waits for one reply frame to the frame sent last. True and the whole frame in reply, or false after
    /// 20 silent ticks, or at the next tick after a cancel was requested. Frames that cannot be the reply
    /// are dropped and the wait goes on: on an echoing line the echo (a frame byte for byte the request),
    /// a frame whose form does not fit the request (SetReplyCheck), and a late reply to a request given
    /// up before, unless that request was the same as this one.
    bool ReceiveFrame(QByteArray& reply);
    /// From now on a frame that the check says cannot answer the request sent last is dropped as stale
    /// and the wait goes on (nullptr: every frame can). Returns the check it replaces.
    ReplyCheck SetReplyCheck(ReplyCheck check);
    /// A cancelled operation stops waiting for replies (set and cleared by the link).
    void SetCancelRequested(bool bCancel);
    bool IsCancelRequested() const;
    /// One tick of the link timer from outside (the factory's "Test RS232" runs the timer on its own):
    /// the receive inactivity counter (20 at the start of a receive and after every byte; the receive
    /// gives up at 0) goes down while it is above 0.
    void TickTimeout();

    /// The ring the frames are recorded in (CLinkTrace::Global() unless set; nullptr records nothing).
    void SetTrace(CLinkTrace* pTrace);
    CLinkTrace* Trace() const;
    /// Records an event without a frame (a repeated attempt) for the command sent last.
    void TraceEvent(CLinkTrace::Status status, int nAttempt = 0);

private:
    enum class State { WaitStx, Length, Body };
    /// A request whose wait ended without a reply: its reply may still come, late.
    struct GivenUp {
        QByteArray request;
        qint64 nSentMs;
        qint64 nExpectedMs; ///< when its reply should come, by the lateness seen before; -1 unknown
    };

    void StoreByte(quint8 byte);
    bool DropFrame(const char* reason, CLinkTrace::Status status);
    void Record(CLinkTrace::Direction direction, CLinkTrace::Status status, const QByteArray& bytes,
                int nAttempt = 0);
    /// Reads and drops waiting bytes (all for a negative count); returns how many.
    int DiscardWaiting(int maxCount);
    /// Whether the complete frame received is the reply to the request sent last (see ReceiveFrame).
    bool IsReplyToLastRequest(const QByteArray& frame);
    void DropWholeFrame(const QByteArray& frame, const char* reason, CLinkTrace::Status status);
    /// Whether the frame received is a late reply rather than the answer to the request sent last.
    bool LooksLate() const;
    void GiveUp(qint64 nSentMs);
    void ForgetGivenUp(qint64 nNowMs);

    IOperator& m_operator;
    IClock& m_clock;
    CSerial m_serial;
    CLinkTrace* m_pTrace = &CLinkTrace::Global();
    ReplyCheck m_replyCheck;
    quint8 m_lastCommand = 0;   ///< command byte of the request sent last, for the trace of its reply
    QByteArray m_lastRequest;   ///< the request frame sent last (its echo looks the same)
    qint64 m_nSentMs = 0;       ///< when the request sent last had left the port
    qint64 m_nFrameStartMs = 0; ///< when the STX of the frame being received was read
    int m_nWaitingAtSend = 0;   ///< bytes that had come before the request sent last had left the port
    int m_nBytesRead = 0;       ///< bytes read in the receive running
    bool m_bFrameBeforeRequest = false; ///< the frame being received began before the request had left
    bool m_bReplySeen = false;          ///< the device answered the request sent last (whole or broken)
    qint64 m_nLateMs = -1;              ///< how late the transmitter answered lately; -1 unknown
    std::deque<GivenUp> m_givenUp;
    std::array<quint8, 100> m_buffer{};
    State m_state = State::WaitStx;
    bool m_bComplete = false;
    bool m_bEcho = false;
    bool m_bCancelRequested = false;
    int m_nRemaining = 0;
    int m_nTimeoutTicks = 0;
    int m_nWriteIndex = 0;
    quint8 m_sum = 0;
};
