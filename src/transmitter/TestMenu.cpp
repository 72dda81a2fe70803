#include "transmitter/TestMenu.h"

#include "document/QuillonDoc.h"
#include "document/Windows1252.h"
#include "link/LinkOperation.h"
#include "link/TransmitterLink.h"
#include "transmitter/Commands.h"
#include "transmitter/Connection.h"

namespace {

using E = CTestMenu::Entry;
using P = CTestMenu::Payload;
using S = CTestMenu::Submenu;

constexpr int kLinTabBlocks = 10;

/// What the dialog shows when another transmitter operation is running: nothing was sent.
CSioTransferRecord Refused(const QString& caption) {
    return CSioTransferRecord::FromExchange(caption, QByteArray(), QByteArray(), false);
}

} // namespace

const QList<CTestMenu::Entry>& CTestMenu::Entries() {
    static const QList<Entry> entries = {
        {32773, S::Lesen, QT_TR_NOOP("Gerätekennung"), Cmd::GetDeviceInfo, "Get Device Info", P::Empty, ""},
        {32774, S::Lesen, QT_TR_NOOP("Messwert"), Cmd::GetAktMesswert, "Get Akt Messwert", P::Empty, ""},
        {32775, S::Lesen, QT_TR_NOOP("ADC-Wert"), Cmd::GetAktAdc, "Get Akt ADC", P::Empty, ""},
        {32780, S::Lesen, QT_TR_NOOP("Mediumstemperatur"), Cmd::GetTemperatur, "Get Temperatur", P::Empty,
         ""},
        {32781, S::Lesen, QT_TR_NOOP("Messbereichsanfang"), Cmd::GetMessAnfang, "Get Messbereichsanfang",
         P::Empty, ""},
        {32782, S::Lesen, QT_TR_NOOP("Messbereichsende"), Cmd::GetMessEnde, "Get Messbereichsende", P::Empty,
         ""},
        {32783, S::Lesen, QT_TR_NOOP("Offsetkorrektur"), Cmd::GetOffset, "Get Offsetkorrektur", P::Empty, ""},
        {32784, S::Lesen, QT_TR_NOOP("Spannekorrektur"), Cmd::GetSpanne, "Get Spannekorrektur", P::Empty, ""},
        {32785, S::Lesen, QT_TR_NOOP("Dämpfung"), Cmd::GetDaempfung, "Get Dämpfung", P::Empty, ""},
        {32786, S::Lesen, QT_TR_NOOP("Messstelle"), Cmd::GetBezeichnung, "Get Messstellen-Bezeichnung",
         P::Empty, ""},
        {32789, S::Lesen, QT_TR_NOOP("Grundmessbreich Anfang"), Cmd::GetGrundAnfang,
         "Get Grundmessbereich Anfang", P::Empty, ""},
        {32790, S::Lesen, QT_TR_NOOP("Grundmessbereich Ende"), Cmd::GetGrundEnde, "Get Grundmessbereichsende",
         P::Empty, ""},
        {32791, S::Lesen, QT_TR_NOOP("Seriennummer"), Cmd::GetSeriennummer, "Get Seriennummer", P::Empty, ""},
        {32792, S::Lesen, QT_TR_NOOP("Einheit"), Cmd::GetEinheit, "Get Einheit", P::Empty, ""},
        {32787, S::Aendern, QT_TR_NOOP("Messbereichsanfang"), Cmd::SetMessAnfang, "Set Messbereichsanfang",
         P::User, ""},
        {32788, S::Aendern, QT_TR_NOOP("Messbereichsende"), Cmd::SetMessEnde, "Set Messbereichsende", P::User,
         ""},
        {32793, S::Aendern, QT_TR_NOOP("Offsetkorrektur"), Cmd::SetOffset, "Set Offsetkorrektur", P::User,
         ""},
        {32794, S::Aendern, QT_TR_NOOP("Spannekorrektur"), Cmd::SetSpanne, "Set Spannekorrektur", P::User,
         ""},
        {32795, S::Aendern, QT_TR_NOOP("Dämpfung"), Cmd::SetDaempfung, "Set Dämpfung", P::User, ""},
        {32796, S::Aendern, QT_TR_NOOP("Messstellenbezeichung"), Cmd::SetBezeichnung,
         "Set Messstellenbezeichnung", P::User, ""},
        {33100, S::None, QT_TR_NOOP("Ausgang lesen"), Cmd::GetAktOutput, "Get Akt Output", P::Empty, ""},
        {33101, S::None, QT_TR_NOOP("Parametrierung sperren"), Cmd::SetFreigabe, "Parametrierung sperren",
         P::Fixed, "0"},
        {33102, S::None, QT_TR_NOOP("Parametrierung freigeben"), Cmd::SetFreigabe, "Parametrierung freigeben",
         P::Fixed, "1"},
        {33103, S::None, QT_TR_NOOP("Fehlersignal lesen"), Cmd::GetFehlerstrom, "Get Fehlersignal", P::Empty,
         ""},
        {33104, S::None, QT_TR_NOOP("Stromgrenze min lesen"), Cmd::GetStromgrenzeMin, "Get Stromgrenze Min",
         P::Empty, ""},
        {33105, S::None, QT_TR_NOOP("Stromgrenze max lesen"), Cmd::GetStromgrenzeMax, "Get Stromgrenze Max",
         P::Empty, ""},
        {33106, S::None, QT_TR_NOOP("Fehlersignal ändern"), Cmd::SetFehlerstrom, "Set Fehlersignal", P::User,
         ""},
        {33107, S::None, QT_TR_NOOP("Stromgrenze min änderen"), Cmd::SetStromgrenzeMin, "Set Stromgrenze Min",
         P::User, ""},
        {33108, S::None, QT_TR_NOOP("Stromgrenze max ändern"), Cmd::SetStromgrenzeMax, "Set Stromgenze Max",
         P::User, ""},
    };
    return entries;
}

const CTestMenu::Entry* CTestMenu::Find(int nId) {
    for (const Entry& entry : Entries()) {
        if (entry.nId == nId) {
            return &entry;
        }
    }
    return nullptr;
}

QString CTestMenu::DefaultPayload() {
    return QStringLiteral("+00000");
}

QString CTestMenu::DefaultTableCount() {
    return QStringLiteral("20");
}

CTestMenu::CTestMenu(CTransmitterLink& link, CConnection& connection, CQuillonDoc& doc)
    : m_link(link)
    , m_connection(connection)
    , m_doc(doc) {}

std::optional<QByteArray> CTestMenu::CheckUserPayload(const QString& text, QString& error) {
    const QByteArray wire = CWindows1252::FromUnicode(text);
    if (wire.size() > kMaxPayload) {
        error = tr("Die Eingabe ist zu lang: höchstens %1 Zeichen.").arg(kMaxPayload);
        return std::nullopt;
    }
    if (CWindows1252::ToUnicode(wire) != text) {
        error = tr("Die Eingabe enthält Zeichen, die der Transmitter nicht kennt.");
        return std::nullopt;
    }
    return wire;
}

CSioTransferRecord CTestMenu::Exchange(const QString& caption, quint8 command, const QByteArray& payload,
                                       QByteArray* replyOut) {
    QByteArray request = payload;
    QByteArray reply;
    const bool bOk = m_link.TransferCommand(command, request, reply);
    if (replyOut != nullptr) {
        *replyOut = bOk ? reply : QByteArray();
    }
    return CSioTransferRecord::FromExchange(caption, request, reply, bOk);
}

CSioTransferRecord CTestMenu::Run(const Entry& entry, const QByteArray& payload) {
    const CLinkOperation operation(m_link);
    if (operation.IsRefused()) {
        return Refused(QString::fromUtf8(entry.caption));
    }
    const QByteArray wire = entry.payload == Payload::Fixed  ? QByteArray(entry.fixed)
                            : entry.payload == Payload::User ? payload
                                                             : QByteArray();
    QByteArray reply;
    CSioTransferRecord record = Exchange(QString::fromUtf8(entry.caption), entry.command, wire, &reply);
    if (entry.command == Cmd::GetDeviceInfo && !reply.isEmpty()) {
        m_doc.SetErweitert(reply);
    }
    return record;
}

CSioTransferRecord CTestMenu::TestReadTable() {
    const CLinkOperation operation(m_link);
    if (operation.IsRefused()) {
        return Refused(QStringLiteral("Get LinTab"));
    }
    const QString caption = QStringLiteral("Get LinTab");
    CSioTransferRecord record = Exchange(caption, Cmd::GetLinTabAnzahl, QByteArray());
    if (record.receivedHex == QLatin1String("FAIL")) {
        return record;
    }
    // Only the last block's answer is shown; the earlier ones just have to be asked for in order.
    for (int block = 0; block < kLinTabBlocks - 1; ++block) {
        Exchange(caption, Cmd::GetLinTabBlock, QByteArray::number(block));
    }
    return Exchange(caption, Cmd::GetLinTabBlock, QByteArray::number(kLinTabBlocks - 1));
}

CSioTransferRecord CTestMenu::TestWriteTableCount(const QByteArray& payload) {
    const CLinkOperation operation(m_link);
    if (operation.IsRefused()) {
        return Refused(QStringLiteral("Set LinTabCount"));
    }
    return Exchange(QStringLiteral("Set LinTabCount"), Cmd::SetLinTabAnzahl, payload);
}

CSioTransferRecord CTestMenu::ShowInterfaceInfo() {
    const CLinkOperation operation(m_link);
    if (operation.IsRefused()) {
        return Refused(QStringLiteral("SioTransfer"));
    }
    QByteArray reply;
    const bool bOk = m_connection.GetInterfaceInfo(reply);
    const QByteArray request = CTransmitterSio::BuildFrame(Cmd::GetInterfaceInfo, QByteArray());
    CSioTransferRecord record =
        CSioTransferRecord::FromExchange(QStringLiteral("SioTransfer"), request, reply, bOk);
    m_doc.UpdateAllViews();
    return record;
}

CTestMenu::ConnectReport CTestMenu::ConnectRX93() {
    const CLinkOperation operation(m_link);
    if (operation.IsRefused()) {
        return ConnectReport();
    }
    QByteArray reply;
    ConnectReport report;
    report.bOk = m_connection.ConnectTransmitter(reply);
    QStringList bytes;
    for (const char c : reply) {
        bytes.append(QString::asprintf("0x%02X", static_cast<quint8>(c)));
    }
    report.bytes = bytes.join(QLatin1Char(' '));
    report.text = CWindows1252::ToUnicode(reply);
    return report;
}

bool CTestMenu::Normalbetrieb() {
    const CLinkOperation operation(m_link);
    if (operation.IsRefused()) {
        return false;
    }
    return m_connection.RestartTransmitter();
}
