// quillon-cli's history commands on a history file written by the store: the listing and its filters,
// one event saved as a document file that loads as the set recorded, the CSV export; a recorded check's
// certificate and the transmitters whose next check falls due.

#include "HistorySuite.h"
#include "ScriptedOperator.h"
#include "cli/CliTool.h"
#include "cli/TerminalOperator.h"
#include "document/CheckRecordJson.h"
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

/// A history file as station S1's program writes it.
struct StoreFile {
    CScriptedOperator op;
    CHistoryStore store{
        op, {QStringLiteral("S1"), QStringLiteral("u"), QStringLiteral("cli"), QStringLiteral("1")}};

    bool Open(const QString& path) {
        CHistoryLocation location;
        location.localPath = path;
        return store.Open(location);
    }
};

/// A finished check of a transmitter at `checked` (UTC), next due on `nextDue`.
CHistoryEvent CheckEvent(const QByteArray& seriennummer, const QDateTime& checked, const QDate& nextDue) {
    CHistoryEvent event = SampleEvent(seriennummer, "PT-" + seriennummer, CHistoryEvent::Operation::Check);
    event.timeUtc = checked;
    CCheckRecord record;
    record.rangeAt4mA = 0.0;
    record.rangeAt20mA = 10.0;
    record.unit = QStringLiteral("bar");
    CCheckPoint point;
    point.percent = 50;
    point.nominal = 5.0;
    point.reference = 5.0;
    point.reading = 5.01;
    record.asFound.points = {point};
    record.verdict = CCheckRecord::Verdict::Passed;
    record.nextDue = nextDue;
    event.detailJson = CCheckRecordJson::Write(record);
    return event;
}

} // namespace

class HistoryCliTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_db;
    qint64 m_sendId = 0;
    QString m_checksDb;
    qint64 m_checkId = 0;
    qint64 m_receiveId = 0;
    qint64 m_damagedId = 0;

    /// A second history with checks of four transmitters, dated from today: A-1 overdue, B-2 due in five
    /// days, C-3 in a hundred; D-4 was overdue until a later check moved its date on; F-6 failed its check
    /// three days ago, so it is due since then whatever date the check set.
    void RecordChecks() {
        m_checksDb = m_dir.filePath(QStringLiteral("checks.sqlite"));
        StoreFile file;
        QVERIFY(file.Open(m_checksDb));
        CHistoryStore& store = file.store;
        const QDateTime now = QDateTime::currentDateTimeUtc();
        const QDate today = QDate::currentDate();
        m_checkId = store.Record(CheckEvent("A-1", now.addDays(-400), today.addDays(-35)));
        QVERIFY(store.Record(CheckEvent("B-2", now.addDays(-360), today.addDays(5))) > 0);
        QVERIFY(store.Record(CheckEvent("C-3", now.addDays(-265), today.addDays(100))) > 0);
        QVERIFY(store.Record(CheckEvent("D-4", now.addDays(-375), today.addDays(-10))) > 0);
        QVERIFY(store.Record(CheckEvent("D-4", now.addDays(-2), today.addDays(363))) > 0);
        CHistoryEvent failed = CheckEvent("F-6", now.addDays(-3), today.addDays(362));
        CCheckRecord record;
        QString error;
        QVERIFY(CCheckRecordJson::Read(failed.detailJson, record, error));
        record.verdict = CCheckRecord::Verdict::Failed;
        failed.detailJson = CCheckRecordJson::Write(record);
        QVERIFY(store.Record(failed) > 0);
        m_receiveId = store.Record(SampleEvent("D-4", "PT-D-4"));
        CHistoryEvent damaged = CheckEvent("E-5", now.addDays(-800), today.addDays(-400));
        damaged.detailJson = QStringLiteral("{\"rangeAt4mA\": \"zero\"}");
        m_damagedId = store.Record(damaged);
        QVERIFY(m_checkId > 0 && m_receiveId > 0 && m_damagedId > 0);
    }

private Q_SLOTS:
    void initTestCase() {
        m_db = m_dir.filePath(QStringLiteral("history.sqlite"));
        StoreFile file;
        QVERIFY(file.Open(m_db));
        CHistoryStore& store = file.store;
        // A tag that would clear the terminal if printed as it stands, and shift the columns by its tab.
        CHistoryEvent old = SampleEvent("111", "PT-\x1b[2J\t1");
        old.timeUtc = QDateTime(QDate(2026, 1, 1), QTime(8, 0), Qt::UTC);
        QVERIFY(store.Record(old) > 0);
        CHistoryEvent send = SampleEvent("222", "Tank, \"Nord\"", CHistoryEvent::Operation::Send);
        send.timeUtc = QDateTime(QDate(2026, 3, 1), QTime(8, 0), Qt::UTC);
        m_sendId = store.Record(send);
        QVERIFY(store.Record(SampleEvent("222", "=cmd|x", CHistoryEvent::Operation::Receive)) > m_sendId);
        RecordChecks();
    }

    void listsWithFilters() {
        const Run all = RunCli({"history", "--database", m_db});
        QCOMPARE(all.code, 0);
        QCOMPARE(all.out.count(QLatin1Char('\n')), 3);
        QVERIFY2(all.out.contains(QStringLiteral("PT-\\x1B[2J\\x091")), qPrintable(all.out));
        QVERIFY(!all.out.contains(QChar(0x1b)));
        for (const QString& line : all.out.trimmed().split(QLatin1Char('\n'))) {
            QCOMPARE(line.count(QLatin1Char('\t')), 8); // nine columns
        }
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

    void certificateOfACheckOnly_data() {
        QTest::addColumn<QString>("id");
        QTest::addColumn<int>("code");
        QTest::newRow("check") << QString::number(m_checkId) << 0;
        QTest::newRow("unknown") << QStringLiteral("999") << 1;
        QTest::newRow("no check") << QString::number(m_receiveId) << 1;
        QTest::newRow("damaged") << QString::number(m_damagedId) << 1;
    }
    void certificateOfACheckOnly() {
        QFETCH(QString, id);
        QFETCH(int, code);
        const QString path = m_dir.filePath(QStringLiteral("certificate-%1.pdf").arg(id));
        QCOMPARE(RunCli({"certificate", id, "-o", path, "--database", m_checksDb}).code, code);
        QFile file(path);
        QCOMPARE(file.open(QIODevice::ReadOnly), code == 0);
        if (code == 0) {
            QCOMPARE(file.read(5), QByteArray("%PDF-"));
        }
    }

    void dueListsEachTransmittersLatestCheck() {
        // The damaged check is reported (exit status 1); its transmitter has no other check to go by.
        const Run overdue = RunCli({"due", "--database", m_checksDb});
        QCOMPARE(overdue.code, 1);
        const QStringList lines = overdue.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        QVERIFY2(lines[0].startsWith(QStringLiteral("A-1\tPT-A-1\t")) && lines[0].contains("\tpassed\t") &&
                     lines[0].endsWith(QStringLiteral("\t-35")),
                 qPrintable(overdue.out));
        QVERIFY2(lines[1].startsWith(QStringLiteral("F-6\t")) && lines[1].contains("\tfailed\t") &&
                     lines[1].endsWith(QStringLiteral("\t-3")),
                 qPrintable(overdue.out));
        const Run week = RunCli({"due", "--days", "7", "--json", "--database", m_checksDb});
        const QJsonArray due = QJsonDocument::fromJson(week.out.toUtf8()).array();
        QCOMPARE(due.size(), 3);
        QCOMPARE(due.at(0).toObject().value(QStringLiteral("serial")).toString(), QStringLiteral("A-1"));
        QCOMPARE(due.at(0).toObject().value(QStringLiteral("event")).toInteger(), m_checkId);
        QCOMPARE(due.at(2).toObject().value(QStringLiteral("serial")).toString(), QStringLiteral("B-2"));
        QCOMPARE(due.at(2).toObject().value(QStringLiteral("daysLeft")).toInt(), 5);
    }
};

QTEST_MAIN(HistoryCliTest)
#include "HistoryCliTest.moc"
