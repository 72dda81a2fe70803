// quillon-cli's history commands on a history file written by the store: the listing and its filters,
// one event saved as a document file that loads as the set recorded, and the CSV export.

#include "HistorySuite.h"
#include "ScriptedOperator.h"
#include "cli/CliTool.h"
#include "cli/TerminalOperator.h"
#include "document/DocumentFile.h"
#include "document/MemoryProfileStore.h"
#include "history/HistoryStore.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

namespace {

struct Run {
    int code = 0;
    QString out;
};

Run RunCli(const QStringList& args) {
    QString error;
    const std::optional<CCliOptions> options = CCliOptions::Parse(QStringList{"quillon-cli"} + args, error);
    if (!options) {
        return {CCliTool::kUsage, error};
    }
    FILE* out = std::tmpfile();
    FILE* err = std::tmpfile();
    CMemoryProfileStore profile;
    CTerminalOperator op({}, err);
    int code = 0;
    {
        CCliTool tool(*options, profile, op, out);
        code = tool.Run();
    }
    QByteArray bytes;
    std::rewind(out);
    char buffer[4096];
    for (size_t got = 0; (got = std::fread(buffer, 1, sizeof buffer, out)) > 0;) {
        bytes.append(buffer, static_cast<qsizetype>(got));
    }
    std::fclose(out);
    std::fclose(err);
    return {code, QString::fromLocal8Bit(bytes)};
}

} // namespace

class HistoryCliTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_db;
    qint64 m_sendId = 0;

private Q_SLOTS:
    void initTestCase() {
        m_db = m_dir.filePath(QStringLiteral("history.sqlite"));
        CScriptedOperator op;
        CHistoryStore store(
            op, {QStringLiteral("S1"), QStringLiteral("u"), QStringLiteral("cli"), QStringLiteral("1")});
        CHistoryLocation location;
        location.localPath = m_db;
        QVERIFY(store.Open(location));
        CHistoryEvent old = SampleEvent("111", "PT-1");
        old.timeUtc = QDateTime(QDate(2026, 1, 1), QTime(8, 0), Qt::UTC);
        QVERIFY(store.Record(old) > 0);
        CHistoryEvent send = SampleEvent("222", "Tank, \"Nord\"", CHistoryEvent::Operation::Send);
        send.timeUtc = QDateTime(QDate(2026, 3, 1), QTime(8, 0), Qt::UTC);
        m_sendId = store.Record(send);
        QVERIFY(store.Record(SampleEvent("222", "=cmd|x", CHistoryEvent::Operation::Receive)) > m_sendId);
    }

    void listsWithFilters() {
        const Run all = RunCli({"history", "--database", m_db});
        QCOMPARE(all.code, 0);
        QCOMPARE(all.out.count(QLatin1Char('\n')), 3);
        const Run json =
            RunCli({"history", "--database", m_db, "--serial", "222", "--since", "2026-02-01", "--json"});
        QCOMPARE(json.code, 0);
        const QJsonArray events = QJsonDocument::fromJson(json.out.toUtf8()).array();
        QCOMPARE(events.size(), 2);
        QCOMPARE(events.at(1).toObject().value(QStringLiteral("id")).toInteger(), m_sendId);
        QCOMPARE(events.at(1).toObject().value(QStringLiteral("operation")).toString(),
                 QStringLiteral("send"));
        QCOMPARE(events.at(1).toObject().value(QStringLiteral("station")).toString(), QStringLiteral("S1"));
    }

    void showWritesTheRecordedSetAsADocument() {
        const QString path = m_dir.filePath(QStringLiteral("sent.qlc"));
        QCOMPARE(RunCli({"history", "show", QString::number(m_sendId), "-o", path, "--database", m_db}).code,
                 0);
        QByteArray bytes;
        CScriptedOperator op;
        QVERIFY(CDocumentFile::ReadFile(path, bytes, op));
        CParameterSatz satz;
        QCOMPARE(CDocumentFile::Load(bytes, satz, op), CDocumentFile::Result::Loaded);
        QCOMPARE(satz.m_strBezeichnung, QByteArray("Tank, \"Nord\""));
        QVERIFY(RunCli({"history", "show", QString::number(m_sendId), "--database", m_db})
                    .out.contains("serial: 222"));
        QCOMPARE(RunCli({"history", "show", "999", "--database", m_db}).code, 1);
    }

    void exportsCsv() {
        const QString path = m_dir.filePath(QStringLiteral("history.csv"));
        QCOMPARE(RunCli({"history", "export", "--csv", path, "--database", m_db}).code, 0);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines =
            QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 4);
        QVERIFY(lines.at(0).startsWith(QStringLiteral("id,time,station")));
        QVERIFY(lines.at(1).contains(QStringLiteral(",'=cmd|x,"))); // no formula for a spreadsheet
        QVERIFY(lines.at(2).contains(QStringLiteral(",2026-03-01T08:00:00Z,")));
        QVERIFY(lines.at(2).contains(QStringLiteral(",\"Tank, \"\"Nord\"\"\",")));
    }
};

QTEST_GUILESS_MAIN(HistoryCliTest)
#include "HistoryCliTest.moc"
