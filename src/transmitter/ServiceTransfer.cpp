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
constexpr int kGainSteps = 6;
/// More digits than this could not be held in 32 bits; no converter sends them.
constexpr int kMaxDigits = 9;

/// The channel code and the calibration word of each gain step 1 to 6.
struct GainWord {
    int nChannel;
    bool bZweiterAusgang;
    int nIndex;
};

constexpr GainWord kGainWords[kGainSteps] = {
    {0x05, false, 0}, {0x06, false, 1}, {0x07, false, 2}, {0x34, true, 0}, {0x35, true, 1}, {0x36, true, 2},
};

} // namespace

CServiceTransfer::CServiceTransfer(CTransmitterLink& link, CConnection& connection, CQuillonDoc& doc)
    : m_link(link)
    , m_connection(connection)
    , m_doc(doc)
    , m_operator(link.Operator()) {}

bool CServiceTransfer::ServiceSetDac() {
    const CLinkOperation operation(m_link);
    if (operation.IsRefused()) {
        return false;
    }
    if (m_link.Transfer(Cmd::SetDac, QString::asprintf("%06d", m_doc.GetServiceWert()).toLatin1())) {
        return true;
    }
    m_operator.Message(tr("Kann DAC nicht setzen!"), QStringLiteral("SetDAC"));
    return false;
}

bool CServiceTransfer::ServiceSetGain() {
    const CLinkOperation operation(m_link);
    if (operation.IsRefused()) {
        return false;
    }
    const QByteArray payload =
        "011" + QString::asprintf("%04X", static_cast<quint32>(m_doc.GetServiceWert())).toLatin1();
    CHistoryScope history(m_link, m_doc, CHistoryEvent::Operation::WriteValues);
    history.NoteWrite(Cmd::SetVerstaerkung, payload);
    if (history.Ended(m_link.Transfer(Cmd::SetVerstaerkung, payload))) {
        return true;
    }
    m_operator.Message(tr("Kann Verstärkung nicht setzen!"), QStringLiteral("SetVerstärkung"));
    return false;
}

bool CServiceTransfer::ServiceGetAdc() {
    return GetAdcInto(Cmd::GetAktAdc);
}

bool CServiceTransfer::ServiceGetTempAdc() {
    return GetAdcInto(Cmd::GetTempAdc);
}

bool CServiceTransfer::GetAdcInto(quint8 command) {
    const CLinkOperation operation(m_link);
    if (operation.IsRefused()) {
        return false;
    }
    QByteArray reply;
    if (m_link.Transfer(command, "0", reply)) {
        m_doc.SetServiceWert(LeadingNumber(reply, kAdcDigits));
        return true;
    }
    m_operator.Message(tr("Kann ADC-Wert nicht auslesen!"), QStringLiteral("GetADC"));
    m_doc.SetServiceWert(0);
    return false;
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

bool CServiceTransfer::WriteGainWords() {
    const CLinkOperation operation(m_link);
    if (operation.IsRefused()) {
        return false;
    }
    m_operator.BeginProgress(tr("Datentransfer"), tr("Verbinde Transmitter ..."), 0, kGainSteps + 1);
    CHistoryScope history(m_link, m_doc, CHistoryEvent::Operation::AnalogCalibration);
    const CAbgleichdaten& record = m_doc.Abgleichdaten();
    bool bOk = true;
    for (int step = 1; bOk && step <= kGainSteps; ++step) {
        m_operator.SetProgressPos(step);
        const GainWord& gain = kGainWords[step - 1];
        const qint32 word =
            gain.bZweiterAusgang ? record.m_nDac2.at(gain.nIndex) : record.m_nDac.at(gain.nIndex);
        const QByteArray payload =
            QString::asprintf("0%02X%04X", gain.nChannel, static_cast<quint32>(word) & 0xFFFFu).toLatin1();
        history.Event().words.append(static_cast<quint16>(word));
        bOk = m_link.Transfer(Cmd::SetVerstaerkung, payload);
    }
    if (!bOk) {
        m_operator.Message(tr("Empfangsfehler!"));
    }
    m_operator.EndProgress();
    return history.Ended(bOk);
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
    QString text = QStringLiteral("ADC-Werte:\n");
    for (int i = 0; i < kAdcKanaele; ++i) {
        const uint v = werte.kanal.at(i);
        text += QString::asprintf("ADC[%d]: %06u (0x%04x)  *1/8 = %06u\n", i, v, v, v >> 3);
    }
    const uint t = werte.temperatur;
    text += QString::asprintf("\nADC-Temperatur: %06u (0x%04x)  *1/8 = %06u\n", t, t, t >> 3);
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
