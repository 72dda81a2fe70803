#include "transmitter/TestMenu.h"

#include "core/ProgramError.h"
#include "document/QuillonDoc.h"
#include "document/Windows1252.h"
#include "link/LinkOperation.h"
#include "link/TransmitterLink.h"
#include "transmitter/CommandSet.h"
#include "transmitter/Commands.h"
#include "transmitter/Connection.h"
#include "transmitter/HistoryScope.h"
#include "transmitter/SioTransferRecord.h"

#include <string>

namespace {

constexpr int kLinTabBlocks = 10;

/// What the dialog shows when another transmitter operation is running: nothing was sent.
CSioTransferRecord Refused(const QString& caption) {
    return CSioTransferRecord::FromExchange(caption, QByteArray(), QByteArray(), false);
}

} // namespace

CTestMenu::Entry CTestMenu::EntryFor(quint8 command, Payload payload, const char* fixed,
                                     const char* caption) {
    if (caption == nullptr) {
        const CCommandSet::Command* known = CCommandSet::Find(command);
        if (known == nullptr) {
            throw CProgramError("test entry of an unknown command " + std::to_string(command));
        }
        caption = known->title;
    }
    return {command, caption, payload, fixed};
}

bool CTestMenu::ChangesTransmitter(quint8 command) {
    // The set commands and the memory and calibration writes; the interface's mode and the enabling of
    // the calibration words change nothing the transmitter keeps.
    return (command >= Cmd::SetFreigabe && command <= Cmd::SetLinTabBlock) ||
           (command >= Cmd::SetAbglData && command <= Cmd::SetVerstaerkung && command != Cmd::SetDac) ||
           (command >= Cmd::SetTastatursperre && command <= Cmd::SpeicherEnde);
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
    std::optional<CHistoryScope> history;
    if (ChangesTransmitter(entry.command)) {
        history.emplace(m_link, m_doc, CHistoryEvent::Operation::WriteValues);
        history->NoteWrite(entry.command, wire);
    }
    CSioTransferRecord record = Exchange(QString::fromUtf8(entry.caption), entry.command, wire, &reply);
    if (history) {
        history->Ended(record.receivedHex != QLatin1String("FAIL"));
    }
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
    CHistoryScope history(m_link, m_doc, CHistoryEvent::Operation::WriteValues);
    history.NoteWrite(Cmd::SetLinTabAnzahl, payload);
    CSioTransferRecord record = Exchange(QStringLiteral("Set LinTabCount"), Cmd::SetLinTabAnzahl, payload);
    history.Ended(record.receivedHex != QLatin1String("FAIL"));
    return record;
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
    // The whole frame as a technician reads it: STX, the length byte and ETX by name, not as boxes.
    report.text = CSioTransferRecord::Readable(reply, false);
    return report;
}

bool CTestMenu::Normalbetrieb() {
    const CLinkOperation operation(m_link);
    if (operation.IsRefused()) {
        return false;
    }
    return m_connection.RestartTransmitter();
}
