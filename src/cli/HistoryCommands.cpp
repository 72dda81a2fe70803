#include "cli/HistoryCommands.h"

#include "cli/CliTool.h"
#include "cli/TerminalText.h"
#include "core/FileProblem.h"
#include "core/Operator.h"
#include "document/DocumentFile.h"
#include "document/Windows1252.h"
#include "history/HistoryBrowser.h"
#include "history/HistoryStore.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace {

/// The columns of a listing, in the order of the text, JSON and CSV outputs.
QList<std::pair<QString, QString>> Fields(const CHistoryRecord& record, bool bUtc) {
    const CHistoryEvent& event = record.event;
    const QDateTime time = bUtc ? event.timeUtc : event.timeUtc.toLocalTime();
    return {{QStringLiteral("id"), QString::number(record.id)},
            {QStringLiteral("time"), time.toString(Qt::ISODate)},
            {QStringLiteral("station"), event.station},
            {QStringLiteral("user"), event.user},
            {QStringLiteral("operation"), HistoryOperationKey(event.operation)},
            {QStringLiteral("outcome"), HistoryOutcomeKey(event.outcome)},
            {QStringLiteral("type"), QString::number(event.nTyp)},
            {QStringLiteral("serial"), CWindows1252::ToUnicode(event.seriennummer)},
            {QStringLiteral("tag"), CWindows1252::ToUnicode(event.bezeichnung)},
            {QStringLiteral("kennung"), CWindows1252::ToUnicode(event.kennung)},
            {QStringLiteral("edition"), event.edition},
            {QStringLiteral("version"), event.version},
            {QStringLiteral("message"), event.message},
            {QStringLiteral("uuid"), record.uuid}};
}

/// A CSV field: quoted when it holds the separator, a quote or a line break; a leading =, +, - or @
/// is kept from being read as a formula by a spreadsheet.
QString CsvField(QString text) {
    if (!text.isEmpty() && QStringLiteral("=+-@").contains(text.front()) && text != QLatin1String("-")) {
        bool bNumber = false;
        text.toDouble(&bNumber);
        if (!bNumber) {
            text.prepend(QLatin1Char('\''));
        }
    }
    if (text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"')) ||
        text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'))) {
        text.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        return QLatin1Char('"') + text + QLatin1Char('"');
    }
    return text;
}

} // namespace

CHistoryCommands::CHistoryCommands(const CCliOptions& options, CHistoryStore& store, IOperator& op,
                                   std::function<void(const QString&)> print)
    : m_options(options)
    , m_store(store)
    , m_operator(op)
    , m_print(std::move(print)) {}

CHistoryFilter CHistoryCommands::Filter() const {
    CHistoryFilter filter;
    if (!m_options.serial.isEmpty()) {
        filter.seriennummer = CWindows1252::FromUnicode(m_options.serial);
    }
    filter.sinceUtc = m_options.since;
    return filter;
}

int CHistoryCommands::List() {
    const QList<CHistoryRecord> records = m_store.Events(Filter());
    if (m_options.json) {
        QJsonArray array;
        for (const CHistoryRecord& record : records) {
            QJsonObject object;
            for (const auto& [name, value] : Fields(record, false)) {
                object.insert(name, value);
            }
            object.insert(QStringLiteral("id"), record.id);
            object.insert(QStringLiteral("type"), record.event.nTyp);
            array.append(object);
        }
        m_print(QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Indented)).trimmed());
        return CCliTool::kSuccess;
    }
    for (const CHistoryRecord& record : records) {
        QStringList columns;
        // A tab or line break in a tag would shift the columns: each field shows its control characters.
        for (const auto& [name, value] : Fields(record, false).mid(0, 9)) {
            columns.append(CTerminalText::Escaped(value));
        }
        m_print(columns.join(QLatin1Char('\t')));
    }
    return CCliTool::kSuccess;
}

QString CHistoryCommands::NoSuchEvent(qint64 id) {
    return tr("Kein Vorgang mit der Nummer %1 im Verlauf.").arg(id);
}

int CHistoryCommands::Show() {
    const qint64 id = m_options.arguments.first().toLongLong();
    const std::optional<CHistoryRecord> record = m_store.Event(id);
    if (!record) {
        m_operator.Message(NoSuchEvent(id), QString(), IOperator::Icon::Error);
        return CCliTool::kFailed;
    }
    if (!m_options.output.isEmpty()) {
        const QByteArray file = CHistoryBrowser::RecordedSet(*record);
        if (file.isEmpty()) {
            m_operator.Message(tr("Der Vorgang %1 enthält keinen Parametersatz.").arg(id), QString(),
                               IOperator::Icon::Error);
            return CCliTool::kFailed;
        }
        return CDocumentFile::WriteFile(m_options.output, file, m_operator) ? CCliTool::kSuccess
                                                                            : CCliTool::kFailed;
    }
    for (const auto& [name, value] : Fields(*record, false)) {
        m_print(name + QStringLiteral(": ") + value);
    }
    const CHistoryEvent& event = record->event;
    if (!event.words.isEmpty()) {
        QStringList words;
        for (const quint16 word : event.words) {
            words.append(QString::number(word));
        }
        m_print(QStringLiteral("words: ") + words.join(QLatin1Char(' ')));
    }
    for (const QString& line : event.traceTail) {
        m_print(QStringLiteral("trace: ") + line);
    }
    m_print(QStringLiteral("before: ") + (record->beforeFile.isEmpty() ? tr("nein") : tr("ja")));
    m_print(QStringLiteral("after: ") + (record->afterFile.isEmpty() ? tr("nein") : tr("ja")));
    return CCliTool::kSuccess;
}

int CHistoryCommands::Export() {
    QStringList header;
    for (const auto& field : Fields(CHistoryRecord(), true)) {
        header.append(field.first);
    }
    QStringList lines = {header.join(QLatin1Char(','))};
    for (const CHistoryRecord& record : m_store.Events(Filter())) {
        QStringList values;
        for (const auto& field : Fields(record, true)) {
            values.append(CsvField(field.second));
        }
        lines.append(values.join(QLatin1Char(',')));
    }
    QSaveFile file(m_options.csvFile);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write((lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8()) < 0 ||
        !file.commit()) {
        m_operator.Message(
            tr("%1 kann nicht geschrieben werden: %2")
                .arg(m_options.csvFile,
                     CFileProblem::Reason(file, m_options.csvFile, CFileProblem::Zugriff::Schreiben)),
            QString(), IOperator::Icon::Error);
        return CCliTool::kFailed;
    }
    return CCliTool::kSuccess;
}
