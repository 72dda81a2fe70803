#include "cli/CheckCommands.h"

#include "base/TypKatalog.h"
#include "cli/CliTool.h"
#include "cli/HistoryCommands.h"
#include "cli/TerminalText.h"
#include "core/Operator.h"
#include "document/CheckRecordJson.h"
#include "document/Windows1252.h"
#include "history/CheckDue.h"
#include "history/HistoryStore.h"
#include "sheet/CheckCertificate.h"
#include "sheet/SheetPdfWriter.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

CCheckCommands::CCheckCommands(const CCliOptions& options, CHistoryStore& store, IOperator& op,
                               std::function<void(const QString&)> print)
    : m_options(options)
    , m_store(store)
    , m_operator(op)
    , m_print(std::move(print)) {}

int CCheckCommands::Fail(const QString& message) {
    m_operator.Message(message, QString(), IOperator::Icon::Error);
    return CCliTool::kFailed;
}

int CCheckCommands::Certificate() {
    const qint64 id = m_options.arguments.first().toLongLong();
    const std::optional<CHistoryRecord> found = m_store.Event(id);
    if (!found) {
        return Fail(CHistoryCommands::NoSuchEvent(id));
    }
    if (found->event.operation != CHistoryEvent::Operation::Check) {
        return Fail(tr("Der Vorgang %1 ist keine Prüfung (%2).")
                        .arg(id)
                        .arg(HistoryOperationKey(found->event.operation)));
    }
    CCheckRecord record;
    QString error;
    if (!CCheckRecordJson::Read(found->event.detailJson, record, error)) {
        return Fail(tr("Vorgang %1: %2").arg(id).arg(error));
    }
    const QLocale locale = QLocale::system();
    const CCheckCertificate certificate(found->event, id, record, locale);
    if (!CSheetPdfWriter::Write(m_options.output, certificate, CSheetPdfWriter::PaperFor(locale), error)) {
        return Fail(error);
    }
    return CCliTool::kSuccess;
}

int CCheckCommands::Due() {
    const CCheckDue::Result result =
        CCheckDue::List(m_store.Events(CCheckDue::Filter()), QDate::currentDate(), m_options.days);
    for (const QString& problem : result.problems) {
        m_operator.Message(problem, QString(), IOperator::Icon::Error);
    }
    QJsonArray array;
    for (const CCheckDue::Entry& entry : result.due) {
        QString typ = CTypKatalog::GetTypText(entry.nTyp);
        if (typ.isEmpty()) {
            typ = QString::number(entry.nTyp);
        }
        const QList<std::pair<QString, QString>> fields = {
            {QStringLiteral("serial"), CWindows1252::ToUnicode(entry.seriennummer)},
            {QStringLiteral("tag"), CWindows1252::ToUnicode(entry.bezeichnung)},
            {QStringLiteral("typeName"), typ},
            {QStringLiteral("checked"), entry.checked.toString(Qt::ISODate)},
            {QStringLiteral("verdict"), CCheckRecordJson::VerdictKey(entry.verdict)},
            {QStringLiteral("nextDue"), entry.nextDue.toString(Qt::ISODate)},
            {QStringLiteral("daysLeft"), QString::number(entry.daysLeft)},
        };
        if (!m_options.json) {
            QStringList columns;
            for (const auto& field : fields) {
                columns.append(CTerminalText::Escaped(field.second)); // a tab in a tag keeps its column
            }
            m_print(columns.join(QLatin1Char('\t')));
            continue;
        }
        QJsonObject object;
        for (const auto& [name, value] : fields) {
            object.insert(name, value);
        }
        object.insert(QStringLiteral("type"), entry.nTyp);
        object.insert(QStringLiteral("daysLeft"), entry.daysLeft);
        object.insert(QStringLiteral("event"), entry.eventId);
        array.append(object);
    }
    if (m_options.json) {
        m_print(QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Indented)).trimmed());
    }
    return result.problems.isEmpty() ? CCliTool::kSuccess : CCliTool::kFailed;
}
