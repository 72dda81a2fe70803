// The history store against a real PostgreSQL server the test starts itself: the shared checks, two
// stations writing at once, the server stopped in the middle of a series of events and started again,
// an event handed on twice, and a station whose role may only read.

#include "HistorySuite.h"
#include "PgServer.h"
#include "ScriptedOperator.h"
#include "history/HistoryDatabase.h"
#include "history/HistoryStore.h"

#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <thread>

namespace {

CHistoryStation Station(const QString& name) {
    return {name, QStringLiteral("tester"), QStringLiteral("cli"), QStringLiteral("9.9")};
}

} // namespace

class HistoryServerTest : public QObject {
    Q_OBJECT

    CPgServer m_server;
    QTemporaryDir m_dir;

    /// A fresh database on the server, and a location that uses it with its own local outbox.
    CHistoryLocation Fresh(const QString& name, const QString& role = QStringLiteral("quillon")) {
        if (!m_server.Exec(QStringLiteral("postgres"), {QStringLiteral("CREATE DATABASE ") + name})) {
            qWarning("%s", qPrintable(m_server.Problem()));
        }
        CHistoryLocation location;
        location.localPath = m_dir.filePath(name + QStringLiteral("-") + role + QStringLiteral(".sqlite"));
        location.server = m_server.Connection(name, role);
        return location;
    }

    /// The events on the server, as a station that is connected sees them.
    static QList<CHistoryRecord> OnServer(const CHistoryLocation& location) {
        CHistoryLocation serverOnly = location;
        serverOnly.localPath = QStringLiteral(":memory:");
        CScriptedOperator op;
        CHistoryStore reader(op, Station(QStringLiteral("reader")));
        if (!reader.Open(serverOnly) || !reader.IsServerConnected()) {
            return {};
        }
        return reader.Events(CHistoryFilter());
    }

    static QSet<QString> Uuids(const QList<CHistoryRecord>& records) {
        QSet<QString> uuids;
        for (const CHistoryRecord& record : records) {
            uuids.insert(record.uuid);
        }
        return uuids;
    }

private Q_SLOTS:
    void initTestCase() {
        if (!m_server.Create()) {
            if (m_server.Skippable()) {
                QSKIP(qPrintable(m_server.Problem()));
            }
            QFAIL(qPrintable(m_server.Problem()));
        }
    }

    void writesListsAndReadsBack() {
        CScriptedOperator op;
        CHistoryStore store(op, Station(QStringLiteral("S1")));
        QVERIFY(store.Open(Fresh(QStringLiteral("suite"))));
        QVERIFY2(store.IsServerConnected(), qPrintable(op.MessageTexts().join(QLatin1Char('\n'))));
        CheckWriteListAndRead(store);
        QCOMPARE(store.PendingCount(), 0);
        QVERIFY(op.messages.isEmpty());
    }

    void twoStationsWriteAtOnce() {
        const CHistoryLocation location = Fresh(QStringLiteral("stations"));
        constexpr int kEach = 40;
        auto station = [&location](const QString& name, const QByteArray& serial) {
            CHistoryLocation own = location;
            own.localPath = QStringLiteral(":memory:");
            CScriptedOperator op;
            CHistoryStore store(op, Station(name));
            // Both set up the new database's tables at the same moment.
            if (!store.Open(own)) {
                return;
            }
            for (int i = 0; i < kEach; ++i) {
                store.Record(SampleEvent(serial, "T"));
            }
        };
        std::thread first(station, QStringLiteral("A"), QByteArray("1"));
        std::thread second(station, QStringLiteral("B"), QByteArray("2"));
        first.join();
        second.join();
        const QList<CHistoryRecord> events = OnServer(location);
        QCOMPARE(events.size(), 2 * kEach);
        QCOMPARE(Uuids(events).size(), 2 * kEach);
    }

    void serverStoppedMidSeriesLosesAndDuplicatesNothing() {
        const CHistoryLocation location = Fresh(QStringLiteral("outage"));
        CScriptedOperator op;
        CHistoryStore store(op, Station(QStringLiteral("S1")));
        QVERIFY(store.Open(location));
        for (int i = 0; i < 12; ++i) {
            if (i == 4) {
                QVERIFY2(m_server.Stop(), qPrintable(m_server.Problem()));
            }
            if (i == 9) {
                QVERIFY2(m_server.Start(), qPrintable(m_server.Problem()));
            }
            QVERIFY(store.Record(SampleEvent("9", "T")) > 0);
        }
        QCOMPARE(store.PendingCount(), 8); // the server's come-back is noticed at the next try
        QCOMPARE(op.messages.size(), 1);
        QCOMPARE(store.HandOver(), 8);
        QCOMPARE(store.PendingCount(), 0);
        QCOMPARE(store.HandOver(), 0);
        const QList<CHistoryRecord> events = OnServer(location);
        QCOMPARE(events.size(), 12);
        QCOMPARE(Uuids(events).size(), 12);
    }

    void eventHandedOnTwiceIsStoredOnce() {
        const CHistoryLocation location = Fresh(QStringLiteral("twice"));
        CHistoryDatabase db(CHistoryDatabase::Dialect::PostgreSQL);
        QString error;
        QCOMPARE(db.Open(location.server, error), CHistoryDatabase::Opened::Ready);
        CHistoryRecord record;
        record.uuid = QStringLiteral("0f3c7a4e-0000-4000-8000-000000000001");
        record.event = SampleEvent("5", "T");
        record.event.timeUtc = QDateTime::currentDateTimeUtc();
        CHistoryDatabase::Written written = CHistoryDatabase::Written::Failed;
        const qint64 id = db.Insert(record, false, written, error);
        QVERIFY2(id > 0, qPrintable(error));
        // The first reply was lost: the station hands the same event on again.
        QCOMPARE(db.Insert(record, false, written, error), id);
        QCOMPARE(written, CHistoryDatabase::Written::Stored);
        QCOMPARE(db.Events(CHistoryFilter()).size(), 1);
    }

    void readOnlyRoleKeepsEventsHereAndSaysSoOnce() {
        const CHistoryLocation owner = Fresh(QStringLiteral("readonly"));
        {
            CScriptedOperator op;
            CHistoryStore store(op, Station(QStringLiteral("S1")));
            QVERIFY(store.Open(owner)); // sets the tables up
            QVERIFY(store.Record(SampleEvent("3", "T")) > 0);
        }
        QVERIFY2(m_server.Exec(QStringLiteral("readonly"),
                               {QStringLiteral("CREATE ROLE viewer LOGIN"),
                                QStringLiteral("GRANT SELECT ON ALL TABLES IN SCHEMA public TO viewer")}),
                 qPrintable(m_server.Problem()));
        CHistoryLocation viewer = owner;
        viewer.server = m_server.Connection(QStringLiteral("readonly"), QStringLiteral("viewer"));
        viewer.localPath = m_dir.filePath(QStringLiteral("viewer.sqlite"));
        CScriptedOperator op;
        CHistoryStore store(op, Station(QStringLiteral("S2")));
        QVERIFY(store.Open(viewer));
        QVERIFY(store.Record(SampleEvent("3", "T")) > 0);
        QVERIFY(store.Record(SampleEvent("3", "T")) > 0);
        QCOMPARE(op.messages.size(), 1);
        QVERIFY(op.messages.at(0).text.contains(QStringLiteral("nicht schreiben")));
        QCOMPARE(store.PendingCount(), 2);
        QCOMPARE(OnServer(owner).size(), 1);
    }
};

QTEST_GUILESS_MAIN(HistoryServerTest)
#include "HistoryServerTest.moc"
