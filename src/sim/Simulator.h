#pragma once

#include "sim/SimInterface.h"
#include "sim/SimTransmitter.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

/// The device side of the programming link, independent of how bytes travel: fed the bytes the program
/// sends (with the time) and the changes of the RTS line, it returns the bytes a programming interface
/// with its transmitter sends back, each with the time it appears on the line.
///
/// Timing: with a baud rate set, every byte takes 10 bit times in both directions (a request is complete
/// when its last byte would have arrived) and the answer starts kLatencyMs after that; without pacing the
/// answer comes kQuickLatencyMs after the request and all its bytes at once. On a 3-wire line (types 4
/// and 6) every byte the program sends comes back as echo at the time it reaches the line; frames the
/// interface answers itself never reach the line and are not echoed.
///
/// Reset: RTS on holds the transmitter in reset (it does not answer), RTS off restarts it and it answers
/// kBootMs later. The types that the program connects with a reset pulse (0, 1, 4, 6, 10) only answer
/// after one, unless the reset is not required (on a pseudo-terminal there is no RTS line).
///
/// Faults are selected by name (Faults) so that tests and trainers can provoke each failure the program
/// has to handle.
class CSimulator {
public:
    static constexpr int kLatencyMs = 20;
    static constexpr int kQuickLatencyMs = 5;
    static constexpr int kBootMs = 300;
    static constexpr int kMaxRequestLength = 45;
    static constexpr int kMaxReplyData = 48;

    struct Faults {
        QList<quint8> silentCommands; ///< never answered
        /// Carried out by the transmitter, but the reply never reaches the program (the end of a block
        /// write taken while its confirmation is lost on the line, every attempt alike).
        QList<quint8> lostReplyCommands;
        bool bAnswerOnlyRetry = false; ///< each request is answered only when the program repeats it
        int nCorruptEvery = 0;         ///< every n-th reply carries a wrong checksum (0 = none)
        QByteArray garbage;            ///< line noise sent before every reply
        int nSlowGapMs = 0;            ///< extra pause between the bytes of a reply
        int nVanishAfter = 0;          ///< the port disappears after this many request frames (0 = never)
        bool bRejectMode = false;      ///< the interface refuses every mode (0xF1)
        /// The transmitter stores every damping written 1.0 s too high (a write that reaches the device
        /// but lands wrong, as only a read-back shows).
        bool bStoreDaempfungWrong = false;
        /// The transmitter's replies start this long after the request instead of at once (0 = on time);
        /// beyond the program's 2 s time-out the reply to a request comes while it waits for the next.
        int nLateReplyMs = 0;
        /// The echo of a 3-wire line comes this much later than the bytes reach the line (0 = at once),
        /// as on a busy machine; the reply follows it.
        int nLateEchoMs = 0;
    };

    /// One byte from the device side and the time (ms, the caller's clock) it can be read.
    struct Output {
        quint8 byte;
        qint64 atMs;
    };

    using TraceSink = std::function<void(const QString&)>;

    CSimulator(const CSimTransmitter& transmitter, CSimInterface::Kind kind);

    CSimTransmitter& Transmitter();
    const CSimTransmitter& Transmitter() const;
    CSimInterface& Interface();
    const CSimInterface& Interface() const;

    /// 0: no pacing; otherwise the line's baud rate (1200 like the real link).
    void SetBaud(int baud);
    int Baud() const;
    void SetFaults(const Faults& faults);
    const Faults& GetFaults() const;
    /// Whether the reset-connected types wait for an RTS pulse before they answer (default on).
    void SetResetRequired(bool bRequired);
    void SetTrace(TraceSink sink);

    QList<Output> OnHostByte(quint8 byte, qint64 nowMs);
    void OnRts(bool on, qint64 nowMs);
    /// The program opened or closed its side of the line; a partly received request is dropped.
    void OnOpen(qint64 nowMs);
    void OnClose(qint64 nowMs);

    /// True once the port has disappeared (fault nVanishAfter): from then on nothing is answered.
    bool HasVanished(qint64 nowMs) const;
    /// Request frames received (complete, with a valid checksum).
    int FrameCount() const;
    bool IsRtsOn() const;
    /// Whether the transmitter would answer a request completed at that time.
    bool IsListening(qint64 nowMs) const;

private:
    enum class RxState { Hunt, Length, Body };
    struct Held {
        quint8 byte;
        qint64 atUs;
    };

    qint64 ByteUs() const;
    void ResetReceiver();
    void Echo(quint8 byte, qint64 atUs, QList<Output>& out);
    void ReleaseHeld(bool bEcho, QList<Output>& out);
    void OnFrame(qint64 doneUs, QList<Output>& out);
    /// The fault bStoreDaempfungWrong, after the transmitter took a write.
    void StoreDaempfungWrong(quint8 command, const QByteArray& payload);
    bool HeardByDevice(quint8 command, const QByteArray& payload);
    void Send(const QByteArray& data, qint64 startUs, QList<Output>& out);
    QByteArray ReplyFrame(const QByteArray& data) const;
    void Trace(const QString& text) const;
    static qint64 ToMs(qint64 us);

    CSimTransmitter m_transmitter;
    CSimInterface m_interface;
    Faults m_faults;
    TraceSink m_trace;
    int m_nBaud = 0;
    bool m_bResetRequired = true;

    RxState m_rxState = RxState::Hunt;
    QByteArray m_request;
    QList<Held> m_held;
    bool m_bEchoFrame = false;
    qint64 m_lastInUs = 0;
    qint64 m_lastOutUs = 0;

    bool m_bRtsOn = false;
    bool m_bProgramming = false;
    qint64 m_readyAtUs = 0;

    int m_nFrames = 0;
    int m_nReplies = 0;
    QByteArray m_lastRequest;
    bool m_bLastAnswered = true;
    qint64 m_vanishAtUs = -1;
};
