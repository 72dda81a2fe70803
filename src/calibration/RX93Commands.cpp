#include "calibration/RX93Commands.h"

#include "base/NumberField.h"
#include "core/Clock.h"
#include "link/LinkOperation.h"
#include "link/TransmitterLink.h"
#include "transmitter/Commands.h"
#include "transmitter/Connection.h"
#include "transmitter/HistoryScope.h"

CRX93Commands::CRX93Commands(CTransmitterLink& link, CConnection& connection)
    : m_link(link)
    , m_connection(connection) {}

CRX93Commands::Exchange CRX93Commands::Send(quint8 command, const QByteArray& payload) {
    Exchange exchange;
    exchange.request = payload;
    exchange.bOk = m_link.TransferCommand(command, exchange.request, exchange.reply);
    return exchange;
}

void CRX93Commands::ClosePort() {
    m_link.Sio().ClosePort();
}

QString CRX93Commands::ConnectionTest() {
    const CLinkOperation operation(m_link);
    if (operation.IsRefused()) {
        return QString();
    }
    QByteArray reply;
    const bool bOk = m_connection.ConnectTransmitter(reply);
    ClosePort();
    return tr("Connecting Hardware...") + (bOk ? tr("OK") : tr("Fail"));
}

CRX93Commands::Exchange CRX93Commands::ReleaseCalibration() {
    QByteArray reply;
    if (!m_connection.ConnectTransmitter(reply)) {
        return {};
    }
    return Send(Cmd::EnableAbgleich, {});
}

CRX93Commands::Exchange CRX93Commands::BeginWordWrites() {
    QByteArray reply;
    if (!m_connection.ConnectTransmitter(reply)) {
        return {};
    }
    m_link.Clock().SleepMs(kWaitBeforeReleaseMs);
    return Send(Cmd::EnableAbgleich, {});
}

CRX93Commands::Exchange CRX93Commands::WriteWord(const WordEntry& entry) {
    const QByteArray payload = QByteArray(1, static_cast<char>(entry.nIndex + '0')) + entry.value;
    CHistoryScope history(m_link, m_connection.Document(), CHistoryEvent::Operation::CalibrationWrite);
    history.NoteWrite(Cmd::SetAbglData, payload);
    history.Event().words = {static_cast<quint16>(entry.value.toUInt())};
    Exchange written = Send(Cmd::SetAbglData, payload);
    if (!written.bOk) {
        return written;
    }
    // Only "c" makes the change last; without it the transmitter forgets it at the next restart.
    Exchange stored = Send(Cmd::StoreAbglData, {});
    history.Ended(stored.bOk);
    return stored;
}

std::optional<CRX93Commands::WordEntry> CRX93Commands::ParseEntry(const QString& index, const QString& value,
                                                                  QString& error) {
    bool bIndexOk = false;
    const int nIndex = index.trimmed().toInt(&bIndexOk);
    if (!bIndexOk || nIndex < 0 || nIndex > kMaxIndex) {
        error = tr("Index: %1").arg(CNumberField::MsgGanzeZahlZwischen(0, kMaxIndex, QLocale()));
        return std::nullopt;
    }
    bool bValueOk = false;
    const uint nValue = value.trimmed().toUInt(&bValueOk);
    if (!bValueOk || nValue > 0xFFFF) {
        error = tr("Wert: %1").arg(CNumberField::MsgGanzeZahlZwischen(0, 0xFFFF, QLocale()));
        return std::nullopt;
    }
    return WordEntry{nIndex, value.trimmed().toLatin1()};
}

void CRX93Commands::RunRelease(IView& view) {
    const CLinkOperation operation(m_link);
    if (operation.IsRefused()) {
        return;
    }
    while (view.ShowExchange(tr("Enable Abgleich"), ReleaseCalibration())) {
    }
    ClosePort();
}

void CRX93Commands::RunWordWrites(IView& view) {
    const CLinkOperation operation(m_link);
    if (operation.IsRefused()) {
        return;
    }
    BeginWordWrites();
    const QString index = QStringLiteral("00");
    const QString value = QStringLiteral("12345");
    for (;;) {
        const std::optional<std::pair<QString, QString>> entered = view.EnterWord(index, value);
        if (!entered) {
            break;
        }
        QString error;
        const std::optional<WordEntry> entry = ParseEntry(entered->first, entered->second, error);
        if (!entry) {
            view.ShowError(error);
            continue;
        }
        if (!view.ShowExchange(tr("Set AbglData"), WriteWord(*entry))) {
            break;
        }
    }
    ClosePort();
}
