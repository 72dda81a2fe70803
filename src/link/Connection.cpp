#include "link/Connection.h"

#include "core/Clock.h"
#include "core/Logging.h"
#include "core/Operator.h"
#include "core/WaitCursor.h"
#include "document/QuillonDoc.h"
#include "edit/Utils.h"
#include "link/LinkOperation.h"
#include "link/TransmitterLink.h"
#include "transmitter/Commands.h"

namespace {

constexpr int kTypKA71 = 10;
constexpr int kMaxTyp = 10;
constexpr int kIdentificationLength = 10;

/// The fixed English text of a failed connect.
const QString kFailToConnect = QStringLiteral("Fail to Connect Transmitter");

} // namespace

CConnection::CConnection(CTransmitterLink& link, CQuillonDoc& doc)
    : m_link(link)
    , m_doc(doc) {
    m_link.SetConnectHook([this] {
        QByteArray reply;
        return ConnectTransmitter(reply);
    });
}

CConnection::~CConnection() {
    m_link.SetConnectHook(nullptr);
}

std::optional<int> CConnection::ModeCode(int nTyp) {
    switch (nTyp) {
    case 0:
    case 1:
    case kTypKA71:
        return 0;
    case 2:
    case 3:
    case 5:
    case 6:
    case 7:
    case 8:
    case 9:
        return 5;
    default: // type 4 has no mode: a PL45 cannot serve the 3-wire RX26
        return std::nullopt;
    }
}

bool CConnection::UsesReset(int nTyp) {
    return nTyp == 0 || nTyp == 1 || nTyp == 4 || nTyp == 6 || nTyp == kTypKA71;
}

bool CConnection::EchoFor(int nTyp) {
    return nTyp == 4 || nTyp == 6;
}

bool CConnection::ConnectTransmitter(QByteArray& reply) {
    CWaitCursor wait(m_link.Operator());
    const int nTyp = m_doc.GetTyp();
    bool bConnected = false;
    if (nTyp >= 0 && nTyp <= kMaxTyp) {
        bConnected = UsesReset(nTyp) ? ConnectWithReset(reply) : ConnectDirect(reply);
    }
    if (!bConnected) {
        m_link.Operator().Message(kFailToConnect);
    }
    return bConnected;
}

bool CConnection::OpenStep() {
    CTransmitterSio& sio = m_link.Sio();
    if (!sio.IsPortOpen()) {
        sio.OpenPort(m_doc.GetComPort(), EchoFor(m_doc.GetTyp()));
    }
    return sio.IsPortOpen();
}

bool CConnection::ConnectDirect(QByteArray& reply) {
    CWaitCursor wait(m_link.Operator());
    if (m_doc.GetInterfaceVersion() == 0 || !OpenStep()) {
        return false;
    }
    m_link.Sio().Serial().SetRtsOff();
    return Identify(reply);
}

bool CConnection::ConnectWithReset(QByteArray& reply) {
    CWaitCursor wait(m_link.Operator());
    if (!OpenStep()) {
        return false;
    }
    if (m_doc.GetInterfaceVersion() != 0) {
        if (!SetInterfaceMode(m_doc.GetTyp())) {
            return false;
        }
        ResetPulse(500, 200, 1000);
    } else {
        ResetPulse(0, 1000, 1000);
    }
    return Identify(reply);
}

void CConnection::ResetPulse(int nBeforeMs, int nHighMs, int nAfterMs) {
    // Plain sleeps: the transmitter restarts while RTS is held, and needs the time after it to boot.
    IClock& clock = m_link.Clock();
    CSerial& serial = m_link.Sio().Serial();
    clock.SleepMs(nBeforeMs);
    serial.SetRtsOn();
    clock.SleepMs(nHighMs);
    serial.SetRtsOff();
    clock.SleepMs(nAfterMs);
}

bool CConnection::Identify(QByteArray& reply) {
    QByteArray payload;
    if (!m_link.TransferCommand(Cmd::GetDeviceInfo, payload, reply)) {
        return false;
    }
    m_doc.SetErweitert(reply);
    // Only an identification of exactly 8 characters is a transmitter of this family.
    return reply.size() == kKennungFrameLength && static_cast<quint8>(reply.at(1)) == kIdentificationLength;
}

bool CConnection::SetInterfaceMode(int nTyp) {
    const std::optional<int> code = ModeCode(nTyp);
    if (!code || nTyp > kMaxTyp) {
        return false;
    }
    CWaitCursor wait(m_link.Operator());
    if (!OpenStep()) {
        return false;
    }
    m_link.Sio().Serial().SetRtsOff();
    QByteArray payload = QByteArray::number(*code).rightJustified(2, '0') + "00";
    QByteArray reply;
    if (!m_link.TransferCommand(Cmd::SetInterfaceMode, payload, reply)) {
        return false;
    }
    return reply.size() > 2 && static_cast<quint8>(reply.at(2)) == 0x80;
}

bool CConnection::GetInterfaceInfo(QByteArray& reply) {
    CWaitCursor wait(m_link.Operator());
    if (!OpenStep()) {
        return false;
    }
    // The interface answers by itself: nothing of this exchange is echoed.
    CTransmitterSio& sio = m_link.Sio();
    const bool bEcho = sio.Echo();
    sio.SetEcho(false);
    QByteArray payload;
    const bool bAnswered = m_link.TransferCommand(Cmd::GetInterfaceInfo, payload, reply);
    sio.SetEcho(bEcho);
    if (bAnswered && reply.size() >= 30) {
        CInterfaceInfo& info = m_doc.InterfaceInfo();
        info.m_nByte1 = CUtils::HexToByte(reply.mid(2, 2));
        info.m_nByte2 = CUtils::HexToByte(reply.mid(4, 2));
        info.m_nFirmwareVersion = CUtils::HexToByte(reply.mid(6, 2));
        for (int i = 0; i < 5; ++i) {
            info.m_nWort[static_cast<size_t>(i)] = CUtils::HexToWord(reply.mid(8 + 4 * i, 4));
        }
        info.m_nZiffer = static_cast<quint8>(reply.at(28)) - '0';
    }
    return bAnswered;
}

bool CConnection::CheckTransmitter() {
    const CLinkOperation operation(m_link);
    if (operation.IsRefused()) {
        return false;
    }
    IOperator& op = m_link.Operator();
    const QString check = QStringLiteral("Check");
    QByteArray reply;
    if (!ConnectTransmitter(reply)) {
        op.Message(tr("Kann Transmitter nicht anprechen!\n\nPrüfen Sie Schnittstelle, Transmitter- und "
                      "Interfacetyp.\nZiehen Sie das USB-Kabel ab und verbinden Sie es erneut."),
                   check);
        return false;
    }
    const QByteArray kennung = reply.mid(2, 8);
    op.Message(tr("Transmitter an COM%1 gefunden\nKennung:%2")
                   .arg(m_doc.GetComPort() + 1)
                   .arg(QString::fromLatin1(kennung)),
               check);
    const QByteArray modell = kennung.left(4);
    if (modell == "RX30" && m_doc.GetTyp() == 2) {
        op.Message(
            tr("Bitte prüfen den Transmittertyp:\nEingestellt: KXP03 ab 2006 \nAngeschlossen: KXP02 ab 2006"),
            check);
    } else if (modell == "RX31" && m_doc.GetTyp() == 3) {
        op.Message(
            tr("Bitte prüfen den Transmittertyp:\nEingestellt: KXP02 ab 2006\nAngeschlossen: KXP03 ab 2006"),
            check);
    }
    return true;
}

QList<bool> CConnection::ProbePorts() {
    const CLinkOperation operation(m_link);
    if (operation.IsRefused()) {
        return QList<bool>(kPortCount, false);
    }
    QList<bool> available;
    for (int i = 0; i < kPortCount; ++i) {
        available.append(m_link.Sio().TestPort(i));
    }
    return available;
}

std::optional<CConnection::FoundInterface> CConnection::SearchInterface(const QList<bool>& portAvailable) {
    const CLinkOperation operation(m_link);
    if (operation.IsRefused()) {
        return std::nullopt;
    }
    IOperator& op = m_link.Operator();
    std::optional<FoundInterface> found;
    op.BeginProgress(QString(), tr("Suche Interface..."), 0, kPortCount - 1);
    for (int i = 0; i < kPortCount && !found; ++i) {
        op.SetProgressPos(i);
        op.SetProgressText(tr("Connect COM%1...").arg(i + 1));
        if (i >= portAvailable.size() || !portAvailable.at(i)) {
            continue;
        }
        m_link.Sio().ClosePort();
        m_doc.SetComPort(i);
        QByteArray reply;
        if (GetInterfaceInfo(reply) && reply.size() == kInterfaceInfoFrameLength) {
            found = FoundInterface{i, CUtils::HexToByte(reply.mid(6, 2))};
        }
    }
    m_link.Sio().ClosePort();
    op.EndProgress();
    const QString caption = tr("Suche Interface");
    if (found) {
        op.Message(tr("PL45 (ab 2006) gefunden an ") +
                       QStringLiteral("COM%1\nVersion: %2.%3")
                           .arg(found->nPortIndex + 1)
                           .arg(found->nVersion / 100)
                           .arg(found->nVersion % 100, 2, 10, QLatin1Char('0')),
                   caption);
    } else {
        op.Message(tr("Kein Interface gefunden!"), caption);
    }
    return found;
}

bool CConnection::RestartTransmitter() {
    const CLinkOperation operation(m_link);
    if (operation.IsRefused()) {
        return false;
    }
    CWaitCursor wait(m_link.Operator());
    if (!OpenStep()) {
        return false;
    }
    ResetPulse(0, 1000, 1500);
    return true;
}
