#include "transmitter/ServiceTransfer.h"

#include "core/Operator.h"
#include "core/WaitCursor.h"
#include "document/QuillonDoc.h"
#include "link/LinkOperation.h"
#include "link/TransmitterLink.h"
#include "transmitter/Commands.h"
#include "transmitter/Connection.h"
#include "transmitter/HistoryScope.h"

namespace {

constexpr int kFirstData = 2;
constexpr int kAdcDigits = 6;
constexpr int kSerialLength = 13;
/// More digits than this could not be held in 32 bits; no converter sends them.
constexpr int kMaxDigits = 9;

} // namespace

CServiceTransfer::CServiceTransfer(CTransmitterLink& link, CConnection& connection, CQuillonDoc& doc)
    : m_link(link)
    , m_connection(connection)
    , m_doc(doc)
    , m_operator(link.Operator()) {}

bool CServiceTransfer::ServiceSetDac(qint32 value) {
    const CLinkOperation operation(m_link);
    if (operation.IsRefused()) {
        return false;
    }
    if (m_link.Transfer(Cmd::SetDac, QString::asprintf("%06d", value).toLatin1())) {
        return true;
    }
    m_operator.Message(tr("Kann DAC nicht setzen!"), QStringLiteral("SetDAC"));
    return false;
}

bool CServiceTransfer::ServiceSetGain(qint32 value) {
    const CLinkOperation operation(m_link);
    if (operation.IsRefused()) {
        return false;
    }
    const QByteArray payload = "011" + QString::asprintf("%04X", static_cast<quint32>(value)).toLatin1();
    CHistoryScope history(m_link, m_doc, CHistoryEvent::Operation::WriteValues);
    history.NoteWrite(Cmd::SetVerstaerkung, payload);
    if (history.Ended(m_link.Transfer(Cmd::SetVerstaerkung, payload))) {
        return true;
    }
    m_operator.Message(tr("Kann Verstärkung nicht setzen!"), QStringLiteral("SetVerstärkung"));
    return false;
}

std::optional<qint32> CServiceTransfer::ServiceGetAdc() {
    return GetAdc(Cmd::GetAktAdc);
}

std::optional<qint32> CServiceTransfer::ServiceGetTempAdc() {
    return GetAdc(Cmd::GetTempAdc);
}

std::optional<qint32> CServiceTransfer::GetAdc(quint8 command) {
    const CLinkOperation operation(m_link);
    if (operation.IsRefused()) {
        return std::nullopt;
    }
    QByteArray reply;
    if (m_link.Transfer(command, "0", reply)) {
        return LeadingNumber(reply, kAdcDigits);
    }
    m_operator.Message(tr("Kann ADC-Wert nicht auslesen!"), QStringLiteral("GetADC"));
    return std::nullopt;
}

qint32 CServiceTransfer::DecimalPrefix(QByteArrayView text) {
    qint32 value = 0;
    for (qsizetype i = 0; i < text.size() && i < kMaxDigits; ++i) {
        const char c = text.at(i);
        if (c < '0' || c > '9') {
            break;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

qint32 CServiceTransfer::LeadingNumber(const QByteArray& reply, int maxDigits) {
    if (reply.size() <= kFirstData) {
        return 0;
    }
    const QByteArrayView data = QByteArrayView(reply).sliced(kFirstData);
    return DecimalPrefix(data.first(qMin<qsizetype>(qMax(0, maxDigits), data.size())));
}

std::array<quint16, CServiceTransfer::kAdcKanaele> CServiceTransfer::AdcGroups(const QByteArray& reply) {
    std::array<quint16, kAdcKanaele> kanal{};
    const int groups = qMin<int>(static_cast<int>(reply.size()) / kAdcDigits, kAdcKanaele);
    for (int i = 0; i < groups; ++i) {
        // A group is read as a decimal number and kept as the converter's 16 bits.
        const QByteArray group = reply.mid(kFirstData + i * kAdcDigits, kAdcDigits);
        kanal.at(i) = static_cast<quint16>(DecimalPrefix(group));
    }
    return kanal;
}

QString CServiceTransfer::AdcText(const AdcValues& werte) {
    // The headings speak the program's language; the figures keep the converter's fixed form.
    QString text = tr("ADC-Werte:") + QLatin1Char('\n');
    for (int i = 0; i < kAdcKanaele; ++i) {
        const uint v = werte.kanal.at(i);
        text += QString::asprintf("ADC[%d]: %06u (0x%04x)  *1/8 = %06u\n", i, v, v, v >> 3);
    }
    const uint t = werte.temperatur;
    text += QLatin1Char('\n') + tr("ADC-Temperatur:") +
            QString::asprintf(" %06u (0x%04x)  *1/8 = %06u\n", t, t, t >> 3);
    return text;
}

bool CServiceTransfer::ReadAdcValues(AdcValues& werte) {
    CWaitCursor wait(m_operator);
    QByteArray reply;
    if (!m_link.Transfer(Cmd::GetAktAdc, "0", reply)) {
        return false;
    }
    werte.kanal = AdcGroups(reply);
    if (!m_link.Transfer(Cmd::GetTempAdc, "0", reply)) {
        return false;
    }
    werte.temperatur = static_cast<quint16>(LeadingNumber(reply, kMaxDigits));
    return true;
}

bool CServiceTransfer::ShowAdcValues() {
    const CLinkOperation operation(m_link);
    if (operation.IsRefused()) {
        return false;
    }
    AdcValues werte;
    if (!ReadAdcValues(werte)) {
        m_operator.Message(tr("Fehler beim Abfragen\nder ADC-Werte!"), QString(), IOperator::Icon::Error);
        return false;
    }
    m_operator.Message(AdcText(werte), tr("Aktuelle ADC-Werte"));
    return true;
}

std::array<QByteArray, 3> CServiceTransfer::SplitSerialNumber(const QByteArray& serial) {
    return {serial.mid(0, 6), serial.mid(7, 2), serial.mid(10, 3)};
}

bool CServiceTransfer::ChangeSerialNumber(const QByteArray& part1, const QByteArray& part2,
                                          const QByteArray& part3) {
    const CLinkOperation operation(m_link);
    if (operation.IsRefused()) {
        return false;
    }
    CHistoryScope history(m_link, m_doc, CHistoryEvent::Operation::WriteValues);
    QByteArray reply;
    bool bOk = m_connection.ConnectTransmitter(reply) && m_link.Transfer(Cmd::EnableAbgleich, QByteArray());
    if (bOk) {
        const QByteArray joined = part1 + '.' + part2 + '.' + part3 + "   ";
        m_doc.SetSeriennummer(joined.left(kSerialLength));
        history.NoteWrite(Cmd::SetSeriennummer, m_doc.GetSeriennummer());
        bOk = m_link.Transfer(Cmd::SetSeriennummer, m_doc.GetSeriennummer());
    }
    if (!bOk) {
        m_operator.Message(tr("Fehler beim Übertragen\nder Seriennummer!"), QString(),
                           IOperator::Icon::Error);
    }
    return history.Ended(bOk);
}
