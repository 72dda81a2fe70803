#include "transmitter/Connection.h"

#include "base/Utils.h"
#include "core/Clock.h"
#include "core/Logging.h"
#include "core/Operator.h"
#include "core/WaitCursor.h"
#include "document/QuillonDoc.h"
#include "link/LinkOperation.h"
#include "link/TransmitterLink.h"
#include "transmitter/CommandSet.h"
#include "transmitter/Commands.h"

namespace {

constexpr int kIdentificationLength = 10;

/// The fixed English text of a failed connect.
const QString kFailToConnect = QStringLiteral("Fail to Connect Transmitter");

} // namespace

CConnection::CConnection(CTransmitterLink& link, CQuillonDoc& doc)
    : m_link(link)
    , m_doc(doc) {
    m_replacedHook = m_link.SetConnectHook([this] {
        QByteArray reply;
        return ConnectTransmitter(reply);
    });
    m_replacedCheck = m_link.Sio().SetReplyCheck(&CCommandSet::ReplyFits);
}

CConnection::~CConnection() {
    // A read-back's connection ends before the session's: the session connects on demand again.
    m_link.SetConnectHook(std::move(m_replacedHook));
    m_link.Sio().SetReplyCheck(std::move(m_replacedCheck));
}

bool CConnection::ConnectTransmitter(QByteArray& reply) {
    CWaitCursor wait(m_link.Operator());
    const CTypKatalog::Typ* typ = CTypKatalog::Find(m_doc.GetTyp());
    bool bConnected = false;
    if (typ != nullptr) {
        bConnected = typ->verbindung == CTypKatalog::Verbindung::MitReset ? ConnectWithReset(reply)
                                                                          : ConnectDirect(reply);
    }
    if (!bConnected) {
        m_link.Operator().Message(kFailToConnect);
    }
    return bConnected;
}

bool CConnection::OpenStep() {
    CTransmitterSio& sio = m_link.Sio();
    if (!sio.IsPortOpen()) {
        sio.OpenPort(m_doc.GetComPort(), CTypKatalog::IsDreiLeiter(m_doc.GetTyp()));
    }
    return sio.IsPortOpen();
}

bool CConnection::ConnectDirect(QByteArray& reply) {
    CWaitCursor wait(m_link.Operator());
    if (m_doc.GetInterfaceVersion() == 0 || !OpenStep()) {
        return false;
    }
    m_link.Serial().SetRtsOff();
    return Identify(reply);
}

bool CConnection::ConnectWithReset(QByteArray& reply) {
    CWaitCursor wait(m_link.Operator());
    if (!OpenStep()) {
        return false;
    }
    const CTypKatalog::Typ* typ = CTypKatalog::Find(m_doc.GetTyp());
    if (typ == nullptr) {
        return false;
    }
    if (m_doc.GetInterfaceVersion() != 0) {
        if (!SetInterfaceMode(m_doc.GetTyp())) {
            return false;
        }
        ResetPulse(typ->pulsPL45);
    } else {
        ResetPulse(typ->pulsPL40);
    }
    return Identify(reply);
}

void CConnection::ResetPulse(const CTypKatalog::ResetPuls& puls) {
    // The transmitter restarts while RTS is held, and needs the time after it to boot.
    IClock& clock = m_link.Clock();
    CSerial& serial = m_link.Serial();
    clock.SleepMs(puls.nVorMs);
    serial.SetRtsOn();
    clock.SleepMs(puls.nAnMs);
    serial.SetRtsOff();
    clock.SleepMs(puls.nNachMs);
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
    const CTypKatalog::Typ* typ = CTypKatalog::Find(nTyp);
    if (typ == nullptr || typ->nModus == CTypKatalog::kKeinModus) {
        return false;
    }
    CWaitCursor wait(m_link.Operator());
    if (!OpenStep()) {
        return false;
    }
    m_link.Serial().SetRtsOff();
    QByteArray payload = QByteArray::number(typ->nModus).rightJustified(2, '0') + "00";
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
    const CTypKatalog::Typ* typ = CTypKatalog::Find(m_doc.GetTyp());
    if (typ == nullptr || typ->verwechselbar == nullptr || modell != typ->verwechselbar) {
        return true;
    }
    if (modell == "RX30") {
        op.Message(
            tr("Bitte prüfen den Transmittertyp:\nEingestellt: KXP03 ab 2006 \nAngeschlossen: KXP02 ab 2006"),
            check);
    } else {
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
    const QString caption = tr("Suche Interface"); // the progress window's title and the result's
    op.BeginProgress(caption, tr("Suche Interface..."), 0, kPortCount - 1);
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
    ResetPulse(kPulsNormalbetrieb);
    return true;
}
