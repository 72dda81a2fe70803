// The history store on SQLite: the shared checks on an in-memory database, the schema's migration from
// the first release, damaged and foreign files, the outbox while a plant's server cannot be reached, and
// a writer killed at random instants.

#include "history/HistoryStore.h"

#include "HistorySuite.h"
#include "ScriptedOperator.h"
#include "history/HistorySchema.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {

CHistoryStation Station() {
    return {QStringLiteral("Station 1"), QStringLiteral("tester"), QStringLiteral("cli"),
            QStringLiteral("9.9")};
}

CHistoryLocation Local(const QString& path) {
    CHistoryLocation location;
    location.localPath = path;
    return location;
}

/// Runs statements on an SQLite file outside the store, as another program (or an older one) would.
bool WithRawDatabase(const QString& path, const std::function<bool(QSqlDatabase&)>& work) {
    bool bDone = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"));
        db.setDatabaseName(path);
        bDone = db.open() && work(db);
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("raw"));
    return bDone;
}

bool Exec(QSqlDatabase& db, const QString& sql) {
    QSqlQuery query(db);
    return query.exec(sql);
}

QStringList FilesIn(const QString& dir) {
    return QDir(dir).entryList(QDir::Files, QDir::Name);
}

} // namespace

class HistoryStoreTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void writesListsAndReadsBack() {
        CScriptedOperator op;
        CHistoryStore store(op, Station());
        QVERIFY2(store.Open(Local(QStringLiteral(":memory:"))),
                 qPrintable(op.MessageTexts().join(QLatin1Char('\n'))));
        CheckWriteListAndRead(store);
        QCOMPARE(store.Event(1)->event.station, QStringLiteral("Station 1"));
        QCOMPARE(store.PendingCount(), 0);
        QVERIFY(op.messages.isEmpty());
    }

    void migratesAFirstReleaseDatabase() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("history.sqlite"));
        // A database as the first release left it, with one event.
        QVERIFY(WithRawDatabase(path, [](QSqlDatabase& db) {
            QString error;
            const bool bMigrated =
                Exec(
                    db,
                    QStringLiteral("PRAGMA application_id = %1").arg(CHistorySchema::kSqliteApplicationId)) &&
                CHistorySchema::Migrate(db, CHistorySchema::Dialect::SQLite, 1, error);
            return bMigrated &&
                   Exec(db,
                        QStringLiteral(
                            "INSERT INTO events (uuid, time_utc, station, os_user, edition, program_version, "
                            "operation, outcome, message, trace_tail, typ, kennung, serial, tag, words, "
                            "detail) "
                            "VALUES ('u1', '2026-01-02T03:04:05.000Z', 'old', 'u', 'cli', '1.0', 'receive', "
                            "'done', '', '', 2, 'K', '123', 'PT', '', '')"));
        }));
        CScriptedOperator op;
        {
            CHistoryStore store(op, Station());
            QVERIFY(store.Open(Local(path)));
            QCOMPARE(store.Transmitters().size(), 1);
            QCOMPARE(store.Events(CHistoryFilter()).at(0).event.station, QStringLiteral("old"));
            QVERIFY(store.Record(SampleEvent("123", "PT")) > 1);
        }
        QVERIFY(WithRawDatabase(path, [](QSqlDatabase& db) { return CHistorySchema::Version(db) == 2; }));
        QVERIFY(op.messages.isEmpty());
    }

    void damagedOrForeignFileIsMovedAside_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("foreignTable");
        QTest::newRow("not a database") << QByteArray("QLC\x04 not a database at all", 26) << QString();
        QTest::newRow("truncated database") << QByteArray("SQLite format 3\0\x10\0\x01\x01", 21) << QString();
        QTest::newRow("another program's")
            << QByteArray() << QStringLiteral("CREATE TABLE addresses (name TEXT)");
    }
    void damagedOrForeignFileIsMovedAside() {
        QFETCH(QByteArray, content);
        QFETCH(QString, foreignTable);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("history.sqlite"));
        if (foreignTable.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
        } else {
            QVERIFY(WithRawDatabase(path, [&](QSqlDatabase& db) { return Exec(db, foreignTable); }));
        }
        QFile original(path);
        QVERIFY(original.open(QIODevice::ReadOnly));
        const QByteArray before = original.readAll();
        original.close();

        CScriptedOperator op;
        CHistoryStore store(op, Station());
        QVERIFY(store.Open(Local(path))); // a new history begins
        QCOMPARE(op.messages.size(), 1);
        QVERIFY2(op.messages.at(0).text.contains(QStringLiteral("umbenannt")),
                 qPrintable(op.messages.at(0).text));
        QVERIFY(store.Record(SampleEvent("1", "A")) > 0);
        // The old file is kept whole under a new name.
        const QStringList aside = FilesIn(dir.path()).filter(QStringLiteral(".damaged-"));
        QCOMPARE(aside.size(), 1);
        QFile moved(dir.filePath(aside.at(0)));
        QVERIFY(moved.open(QIODevice::ReadOnly));
        QCOMPARE(moved.readAll(), before);
    }

    void newerProgramsDatabaseIsLeftAlone() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("history.sqlite"));
        {
            CScriptedOperator op;
            CHistoryStore store(op, Station());
            QVERIFY(store.Open(Local(path)));
        }
        QVERIFY(WithRawDatabase(path, [](QSqlDatabase& db) {
            return Exec(db, QStringLiteral("UPDATE schema_version SET version = 99"));
        }));
        CScriptedOperator op;
        CHistoryStore store(op, Station());
        QVERIFY(!store.Open(Local(path)));
        QCOMPARE(op.messages.size(), 1);
        QCOMPARE(store.Record(SampleEvent("1", "A")), 0); // no history, no further message, no crash
        QCOMPARE(op.messages.size(), 1);
        QCOMPARE(FilesIn(dir.path()).filter(QStringLiteral(".damaged-")).size(), 0);
    }

    void eventsWaitLocallyWhileTheServerCannotBeReached() {
        QTemporaryDir dir;
        CHistoryLocation location = Local(dir.filePath(QStringLiteral("outbox.sqlite")));
        location.server = QStringLiteral("host=%1 port=1 dbname=none connect_timeout=2").arg(dir.path());
        CScriptedOperator op;
        CHistoryStore store(op, Station());
        QVERIFY(store.Open(location));
        QVERIFY(!store.IsServerConnected());
        for (int i = 0; i < 3; ++i) {
            QVERIFY(store.Record(SampleEvent("7", "B")) > 0);
        }
        QCOMPARE(store.PendingCount(), 3);
        QCOMPARE(store.HandOver(), 0);
        QCOMPARE(store.PendingCount(), 3);
        QCOMPARE(op.messages.size(), 1); // told once, not per event
        QVERIFY(op.messages.at(0).text.contains(QStringLiteral("nicht erreichbar")));
        QCOMPARE(store.Events(CHistoryFilter()).size(), 3); // still shown from this PC
    }

    void writerKilledAtRandomInstantsLeavesAConsistentDatabase() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("history.sqlite"));
        qsizetype nLast = 0;
        for (int round = 0; round < 6; ++round) {
            QProcess writer;
            writer.start(QStringLiteral(QUILLON_HISTORY_WRITER), {path});
            QVERIFY(writer.waitForReadyRead(10000)); // it has written its first event
            QTest::qWait(QRandomGenerator::global()->bounded(5, 120));
            writer.kill(); // SIGKILL: no chance to finish the event in progress
            QVERIFY(writer.waitForFinished(5000));

            CScriptedOperator op;
            CHistoryStore store(op, Station());
            QVERIFY(store.Open(Local(path)));
            QVERIFY2(op.messages.isEmpty(), qPrintable(op.MessageTexts().join(QLatin1Char('\n'))));
            const qsizetype nNow = store.Events(CHistoryFilter()).size();
            QVERIFY(nNow > nLast); // every committed event is still there
            nLast = nNow;
        }
        QVERIFY(WithRawDatabase(path, [](QSqlDatabase& db) {
            QSqlQuery query(db);
            return query.exec(QStringLiteral("PRAGMA integrity_check")) && query.next() &&
                   query.value(0).toString() == QLatin1String("ok");
        }));
    }
};

QTEST_GUILESS_MAIN(HistoryStoreTest)
#include "HistoryStoreTest.moc"
