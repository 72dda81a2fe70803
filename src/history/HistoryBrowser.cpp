#include "history/HistoryBrowser.h"

#include "base/TypKatalog.h"
#include "core/Operator.h"
#include "document/Windows1252.h"
#include "history/HistoryStore.h"

CHistoryBrowser::CHistoryBrowser(const CHistoryStore& store)
    : m_store(store) {}

QStringList CHistoryBrowser::TransmitterHeaders() {
    return {tr("Seriennummer"), tr("Bezeichnung"), tr("Typ"), tr("Zuletzt gesehen"), tr("Ereignisse")};
}

QStringList CHistoryBrowser::TransmitterRow(const CHistoryTransmitter& transmitter, const QLocale& locale) {
    return {CWindows1252::ToUnicode(transmitter.seriennummer),
            CWindows1252::ToUnicode(transmitter.bezeichnung), CTypKatalog::GetTypText(transmitter.nTyp),
            locale.toString(transmitter.lastSeenUtc.toLocalTime(), QLocale::ShortFormat),
            locale.toString(transmitter.nEvents)};
}

QStringList CHistoryBrowser::EventHeaders() {
    return {tr("Nr."),     tr("Zeit"),     tr("Vorgang"), tr("Ergebnis"),
            tr("Station"), tr("Benutzer"), tr("Meldung")};
}

QStringList CHistoryBrowser::EventRow(const CHistoryRecord& record, const QLocale& locale) {
    const CHistoryEvent& event = record.event;
    // A message of several lines is shown on one.
    QString message = event.message;
    message.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return {QString::number(record.id),
            locale.toString(event.timeUtc.toLocalTime(), QLocale::ShortFormat),
            OperationText(event.operation),
            OutcomeText(event.outcome),
            event.station,
            event.user,
            message};
}

QString CHistoryBrowser::OperationText(CHistoryEvent::Operation operation) {
    using Op = CHistoryEvent::Operation;
    switch (operation) {
    case Op::Receive:
        return tr("Empfangen");
    case Op::Send:
        return tr("Senden");
    case Op::WriteValues:
        return tr("Werte geschrieben");
    case Op::CalibrationRead:
        return tr("Abgleichdaten gelesen");
    case Op::CalibrationWrite:
        return tr("Abgleichdaten geschrieben");
    case Op::AnalogCalibration:
        return tr("Analogabgleich");
    case Op::WizardCalibration:
        return tr("Abgleich-Wizzard");
    case Op::TempCalibration:
        return tr("Temperaturabgleich");
    case Op::Check:
        return tr("Prüfung");
    }
    return QString();
}

QString CHistoryBrowser::OutcomeText(CHistoryEvent::Outcome outcome) {
    switch (outcome) {
    case CHistoryEvent::Outcome::Done:
        return tr("Ausgeführt");
    case CHistoryEvent::Outcome::Failed:
        return tr("Fehlgeschlagen");
    case CHistoryEvent::Outcome::Cancelled:
        return tr("Abgebrochen");
    }
    return QString();
}

QList<CHistoryTransmitter> CHistoryBrowser::Transmitters(const QString& filter) const {
    return m_store.Transmitters(filter.trimmed());
}

QList<CHistoryRecord> CHistoryBrowser::Events(const QByteArray& seriennummer) const {
    CHistoryFilter filter;
    filter.seriennummer = seriennummer;
    return m_store.Events(filter);
}

QByteArray CHistoryBrowser::RecordedFile(qint64 id, IOperator& op, Side side) const {
    const std::optional<CHistoryRecord> record = m_store.Event(id);
    const QByteArray file = record ? RecordedSet(*record, side) : QByteArray();
    if (file.isEmpty()) {
        op.Message(tr("Dieses Ereignis enthält keinen Parametersatz."));
    }
    return file;
}

QList<CHistoryRecord> CHistoryBrowser::WithSets(const QList<qint64>& ids) const {
    QList<CHistoryRecord> records;
    for (const qint64 id : ids) {
        if (std::optional<CHistoryRecord> record = m_store.Event(id)) {
            records << std::move(*record);
        }
    }
    return records;
}

QByteArray CHistoryBrowser::RecordedSet(const CHistoryRecord& record, Side side) {
    if (side == Side::Before) {
        return record.beforeFile;
    }
    return !record.afterFile.isEmpty() ? record.afterFile : record.beforeFile;
}

bool CHistoryBrowser::HoldsBoth(const CHistoryRecord& record) {
    return !record.beforeFile.isEmpty() && !record.afterFile.isEmpty();
}

std::optional<std::pair<CHistoryRecord, CHistoryRecord>>
CHistoryBrowser::ComparedPair(const QList<CHistoryRecord>& chosen) {
    if (chosen.size() != 2 || RecordedSet(chosen.at(0)).isEmpty() || RecordedSet(chosen.at(1)).isEmpty()) {
        return std::nullopt;
    }
    // Events of one second share a time; the store's id then tells their order.
    const auto older = [](const CHistoryRecord& a, const CHistoryRecord& b) {
        return std::pair(a.event.timeUtc, a.id) < std::pair(b.event.timeUtc, b.id);
    };
    return older(chosen.at(0), chosen.at(1)) ? std::pair(chosen.at(0), chosen.at(1))
                                             : std::pair(chosen.at(1), chosen.at(0));
}

bool CHistoryBrowser::CanSendAgain(const QList<CHistoryRecord>& chosen) {
    return chosen.size() == 1 && !RecordedSet(chosen.at(0)).isEmpty();
}
