#include "sim/Simulator.h"

#include "core/Logging.h"
#include "link/TransmitterSio.h"

namespace {

constexpr quint8 kStx = 0x02;
constexpr quint8 kEtx = 0x03;
constexpr int kBitsPerByte = 10; // start bit, 8 data bits, stop bit

QString Hex(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toHex(' '));
}

} // namespace

CSimulator::CSimulator(const CSimTransmitter& transmitter, CSimInterface::Kind kind)
    : m_transmitter(transmitter)
    , m_interface(kind) {}

CSimTransmitter& CSimulator::Transmitter() {
    return m_transmitter;
}

const CSimTransmitter& CSimulator::Transmitter() const {
    return m_transmitter;
}

CSimInterface& CSimulator::Interface() {
    return m_interface;
}

const CSimInterface& CSimulator::Interface() const {
    return m_interface;
}

void CSimulator::SetBaud(int baud) {
    m_nBaud = qMax(0, baud);
}

int CSimulator::Baud() const {
    return m_nBaud;
}

void CSimulator::SetFaults(const Faults& faults) {
    m_faults = faults;
    m_nReplies = 0; // "every n-th reply" counts from the moment the fault is chosen
    m_interface.SetRejectMode(faults.bRejectMode);
}

const CSimulator::Faults& CSimulator::GetFaults() const {
    return m_faults;
}

void CSimulator::SetResetRequired(bool bRequired) {
    m_bResetRequired = bRequired;
}

void CSimulator::SetTrace(TraceSink sink) {
    m_trace = std::move(sink);
}

qint64 CSimulator::ByteUs() const {
    return m_nBaud > 0 ? kBitsPerByte * 1'000'000LL / m_nBaud : 0;
}

qint64 CSimulator::ToMs(qint64 us) {
    return (us + 999) / 1000;
}

bool CSimulator::HasVanished(qint64 nowMs) const {
    return m_vanishAtUs >= 0 && nowMs * 1000 >= m_vanishAtUs;
}

int CSimulator::FrameCount() const {
    return m_nFrames;
}

bool CSimulator::IsRtsOn() const {
    return m_bRtsOn;
}

bool CSimulator::IsListening(qint64 nowMs) const {
    const bool bAwake =
        m_bProgramming || !m_bResetRequired || !CSimCatalogue::NeedsReset(m_transmitter.Typ());
    return !m_bRtsOn && nowMs * 1000 >= m_readyAtUs && bAwake;
}

void CSimulator::Trace(const QString& text) const {
    qCDebug(lcSim).noquote() << text;
    if (m_trace) {
        m_trace(text);
    }
}

void CSimulator::OnOpen(qint64 nowMs) {
    Q_UNUSED(nowMs);
    ResetReceiver();
}

void CSimulator::OnClose(qint64 nowMs) {
    Q_UNUSED(nowMs);
    ResetReceiver();
}

void CSimulator::ResetReceiver() {
    m_rxState = RxState::Hunt;
    m_request.clear();
    m_held.clear();
}

void CSimulator::OnRts(bool on, qint64 nowMs) {
    if (on == m_bRtsOn) {
        return;
    }
    m_bRtsOn = on;
    Trace(on ? QStringLiteral("RTS on: transmitter held in reset")
             : QStringLiteral("RTS off: transmitter restarts"));
    if (on) {
        m_transmitter.Restart();
        m_bProgramming = false;
        return;
    }
    m_readyAtUs = nowMs * 1000 + kBootMs * 1000LL;
    m_bProgramming = true;
}

QList<CSimulator::Output> CSimulator::OnHostByte(quint8 byte, qint64 nowMs) {
    QList<Output> out;
    if (HasVanished(nowMs)) {
        return out;
    }
    const qint64 atUs = qMax(nowMs * 1000, m_lastInUs) + ByteUs();
    m_lastInUs = atUs;
    switch (m_rxState) {
    case RxState::Hunt:
        if (byte == kStx) {
            m_request = QByteArray(1, static_cast<char>(byte));
            m_held.append({byte, atUs});
            m_rxState = RxState::Length;
        } else {
            Echo(byte, atUs, out);
        }
        break;
    case RxState::Length:
        m_held.append({byte, atUs});
        if (byte < 3 || byte > kMaxRequestLength) {
            ReleaseHeld(true, out);
            ResetReceiver();
            break;
        }
        m_request.append(static_cast<char>(byte));
        m_rxState = RxState::Body;
        break;
    case RxState::Body:
        m_request.append(static_cast<char>(byte));
        if (m_request.size() == 3) {
            // Only now is it known whether the frame is the interface's own (and never reaches the line).
            m_bEchoFrame = CSimCatalogue::IsDreiLeiter(m_transmitter.Typ()) && !m_interface.OwnsCommand(byte);
            ReleaseHeld(m_bEchoFrame, out);
        }
        if (m_bEchoFrame) {
            Echo(byte, atUs, out);
        }
        if (m_request.size() == static_cast<quint8>(m_request.at(1)) + 2) {
            OnFrame(atUs, out);
            ResetReceiver();
        }
        break;
    }
    return out;
}

void CSimulator::Echo(quint8 byte, qint64 atUs, QList<Output>& out) {
    if (!CSimCatalogue::IsDreiLeiter(m_transmitter.Typ())) {
        return;
    }
    const qint64 echoUs = atUs + m_faults.nLateEchoMs * 1000LL;
    out.append({byte, ToMs(echoUs)});
    m_lastOutUs = qMax(m_lastOutUs, echoUs);
}

void CSimulator::ReleaseHeld(bool bEcho, QList<Output>& out) {
    if (bEcho) {
        for (const Held& held : m_held) {
            Echo(held.byte, held.atUs, out);
        }
    }
    m_held.clear();
}

void CSimulator::StoreDaempfungWrong(quint8 command, const QByteArray& payload) {
    constexpr quint8 kSetDaempfung = 0x49;
    constexpr quint8 kEndWrite = 0x87;
    constexpr int kEineSekunde = 10; // the damping word counts tenths of a second
    if (command == kSetDaempfung || (command == kEndWrite && payload == "1")) {
        const int word = m_transmitter.ParamLayout().daempfung;
        m_transmitter.SetParamWord(word, static_cast<quint16>(m_transmitter.ParamWord(word) + kEineSekunde));
        Trace(QStringLiteral("    (fault: damping stored 1.0 s too high)"));
    }
}

void CSimulator::OnFrame(qint64 doneUs, QList<Output>& out) {
    const int length = static_cast<quint8>(m_request.at(1));
    quint8 sum = 0;
    for (int i = 1; i < length; ++i) {
        sum = static_cast<quint8>(sum + static_cast<quint8>(m_request.at(i)));
    }
    if (sum != static_cast<quint8>(m_request.at(length)) ||
        static_cast<quint8>(m_request.at(length + 1)) != kEtx) {
        Trace(QStringLiteral("REQ %1 (broken, ignored)").arg(Hex(m_request)));
        return;
    }
    ++m_nFrames;
    const auto command = static_cast<quint8>(m_request.at(2));
    const QByteArray payload = m_request.mid(3, length - 3);
    Trace(QStringLiteral("REQ %1").arg(Hex(m_request)));

    std::optional<QByteArray> data;
    qint64 delayMs = m_nBaud > 0 ? kLatencyMs : kQuickLatencyMs;
    if (!HeardByDevice(command, payload)) {
        Trace(QStringLiteral("    (no answer: fault)"));
    } else if (m_interface.OwnsCommand(command)) {
        data = m_interface.Answer(command, payload);
        delayMs += m_interface.AnswerDelayMs(command);
    } else if (IsListening(doneUs / 1000)) {
        data = m_transmitter.Answer(command, payload, doneUs / 1000);
        if (m_faults.nLateReplyMs > 0) {
            delayMs = m_faults.nLateReplyMs;
        }
        if (data && m_faults.bStoreDaempfungWrong) {
            StoreDaempfungWrong(command, payload);
        }
    } else {
        Trace(QStringLiteral("    (no answer: transmitter in reset or not restarted)"));
    }
    if (data && m_faults.lostReplyCommands.contains(command)) {
        Trace(QStringLiteral("    (reply lost: fault)"));
        data.reset();
    }
    m_bLastAnswered = data.has_value();
    if (data) {
        Send(*data, doneUs + delayMs * 1000, out);
    }
    if (m_faults.nVanishAfter > 0 && m_nFrames >= m_faults.nVanishAfter && m_vanishAtUs < 0) {
        m_vanishAtUs = qMax(doneUs, m_lastOutUs) + 1;
        Trace(QStringLiteral("port disappears"));
    }
}

bool CSimulator::HeardByDevice(quint8 command, const QByteArray& payload) {
    if (m_faults.silentCommands.contains(command)) {
        return false;
    }
    if (!m_faults.bAnswerOnlyRetry) {
        return true;
    }
    // A request repeated after it went unanswered is a retry: that one is heard.
    const QByteArray request = QByteArray(1, static_cast<char>(command)) + payload;
    const bool bRetry = !m_bLastAnswered && request == m_lastRequest;
    m_lastRequest = request;
    return bRetry;
}

QByteArray CSimulator::ReplyFrame(const QByteArray& data) const {
    return CTransmitterSio::FrameAround(data.left(kMaxReplyData));
}

void CSimulator::Send(const QByteArray& data, qint64 startUs, QList<Output>& out) {
    QByteArray frame = ReplyFrame(data);
    ++m_nReplies;
    if (m_faults.nCorruptEvery > 0 && m_nReplies % m_faults.nCorruptEvery == 0) {
        frame[frame.size() - 2] = static_cast<char>(frame.at(frame.size() - 2) ^ 0x5A);
        Trace(QStringLiteral("    (checksum corrupted: fault)"));
    }
    const QByteArray bytes = m_faults.garbage + frame;
    Trace(QStringLiteral("ANS %1").arg(Hex(bytes)));
    qint64 t = qMax(startUs, m_lastOutUs);
    for (const char byte : bytes) {
        t += ByteUs();
        out.append({static_cast<quint8>(byte), ToMs(t)});
        t += m_faults.nSlowGapMs * 1000LL;
    }
    m_lastOutUs = t;
}
