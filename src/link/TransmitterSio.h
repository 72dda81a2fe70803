#pragma once

#include "link/LinkTrace.h"
#include "link/Serial.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QCoreApplication>
#include <array>
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
    static constexpr int kEchoWaitMs = 300;    ///< wait before the echo of a 3-wire line is swallowed
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
    /// Sends a frame after discarding stale input; on an echoing line swallows the echo. Returns the
    /// number of bytes written.
    int SendFrame(const QByteArray& frame);
    void ResetReceiver();
    /// Feeds one received byte to the receiver; false when the byte broke the frame (receiver reset).
    bool FeedByte(quint8 byte);
    bool IsFrameComplete() const;
    /// The frame received last, from STX to ETX; empty unless a frame is complete.
    QByteArray ReceivedFrame() const;
    /// Waits for one reply frame. True and the whole frame in reply, or false after 20 silent ticks, or at
    /// the next tick after a cancel was requested.
    bool ReceiveFrame(QByteArray& reply);
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

    void StoreByte(quint8 byte);
    bool DropFrame(const char* reason, CLinkTrace::Status status);
    void Record(CLinkTrace::Direction direction, CLinkTrace::Status status, const QByteArray& bytes,
                int nAttempt = 0);
    void DiscardWaiting(int maxCount);

    IOperator& m_operator;
    IClock& m_clock;
    CSerial m_serial;
    CLinkTrace* m_pTrace = &CLinkTrace::Global();
    quint8 m_lastCommand = 0; ///< command byte of the request sent last, for the trace of its reply
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
