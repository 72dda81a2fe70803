// A check end to end against the in-process simulator: the sampler reads the transmitter's measured
// value through the measurement's commands, gives "no reading" without a message box when the
// transmitter stays silent, and the finished check lands in the device history and reads back.

#include "measurement/CheckSampler.h"

#include "RecordingSink.h"
#include "SequenceRig.h"
#include "document/CheckRecordJson.h"
#include "document/HistoryRecorder.h"
#include "measurement/CheckArithmetic.h"
#include "measurement/CheckHistory.h"
#include "transmitter/Commands.h"

#include <QTest>

class CheckSamplerTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void samplesInTheUnitOfTheRange_data() {
        QTest::addColumn<int>("typ");
        QTest::addColumn<double>("at4");
        QTest::addColumn<double>("at20");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<int>("decimals");
        QTest::newRow("RX84") << 9 << -1.0 << 1.5 << QStringLiteral("bar") << 3;
        // 0 to 2.5 bar shown in mbar: 2500 counts lie within 400 to 4000, so no decimals.
        QTest::newRow("KA71") << 10 << 0.0 << 2500.0 << QStringLiteral("mBar") << 0;
    }
    void samplesInTheUnitOfTheRange() {
        QFETCH(int, typ);
        CSequenceRig rig(typ);
        CCheckSampler sampler(rig.link, rig.transfer, rig.doc);
        QVERIFY(sampler.Begin());
        const CCheckRecord record = CCheckHistory::RangeOf(rig.doc);
        QTEST(record.rangeAt4mA, "at4");
        QTEST(record.rangeAt20mA, "at20");
        QTEST(record.unit, "unit");
        QTEST(record.decimals, "decimals");
        const std::optional<double> value = sampler.Sample();
        QVERIFY(value);
        QVERIFY(*value >= std::min(record.rangeAt4mA, record.rangeAt20mA) &&
                *value <= std::max(record.rangeAt4mA, record.rangeAt20mA));
        QCOMPARE(*value, CCheckArithmetic::Rounded(*value, record.decimals));
        QVERIFY(rig.op.messages.isEmpty());
    }

    void samplesAndRecordsACheck() {
        CSequenceRig rig(9);
        CCheckSampler sampler(rig.link, rig.transfer, rig.doc);
        QVERIFY(sampler.Begin());
        QVERIFY(rig.link.Sio().IsPortOpen());
        CCheckRecord record = CCheckHistory::RangeOf(rig.doc);
        const std::optional<double> value = sampler.Sample();
        QVERIFY(value);
        QCOMPARE(CSequenceRig::Only(rig.TakeFrames(), Cmd::GetAktMesswert).size(), 1);

        // A transmitter that stops answering: no reading, no message box, the reason kept.
        CSimulator::Faults faults;
        faults.silentCommands = {Cmd::GetAktMesswert};
        rig.sim.SetFaults(faults);
        QVERIFY(!sampler.Sample());
        QVERIFY(!sampler.Problem().isEmpty());
        QVERIFY(rig.op.messages.isEmpty());
        QCOMPARE(CSequenceRig::Only(rig.TakeFrames(), Cmd::GetAktMesswert).size(),
                 CTransmitterLink::kAttempts);
        sampler.End();
        QVERIFY(!rig.link.Sio().IsPortOpen());
        // With the port closed nothing is tried (a connect would tell every failure in a message box).
        QVERIFY(!sampler.Sample());
        QVERIFY(rig.TakeFrames().isEmpty());

        CCheckPoint point = CCheckArithmetic::PlanPoints(record, {50.0}, false).first();
        point.reference = point.nominal;
        point.reading = value;
        record.asFound.points = {point};
        record.verdict = CCheckArithmetic::Verdict(record);
        CRecordingSink sink;
        CHistoryRecorder::Install(&sink);
        const qint64 id = CCheckHistory::Record(record, rig.doc);
        CHistoryRecorder::Install(nullptr);
        QCOMPARE(id, 1);
        const CHistoryEvent& event = sink.events.first();
        QCOMPARE(event.operation, CHistoryEvent::Operation::Check);
        QCOMPARE(event.nTyp, 9);
        QCOMPARE(event.seriennummer, rig.doc.GetSeriennummer());
        QCOMPARE(event.message, CCheckHistory::VerdictText(record.verdict));
        QString error;
        const std::optional<CCheckRecord> back = CCheckHistory::FromEvent(event, error);
        QVERIFY2(back, qPrintable(error));
        QCOMPARE(*back, record);

        CHistoryEvent other = event;
        other.operation = CHistoryEvent::Operation::Receive;
        QVERIFY(!CCheckHistory::FromEvent(other, error));
    }

    void aFailedBeginKeepsItsReason() {
        CSequenceRig rig(2);
        CSimulator::Faults faults;
        faults.silentCommands = {Cmd::GetSeriennummer};
        rig.sim.SetFaults(faults);
        CCheckSampler sampler(rig.link, rig.transfer, rig.doc);
        QVERIFY(!sampler.Begin());
        QCOMPARE(sampler.Problem(), QStringLiteral("Empfangsfehler!"));
    }
};

QTEST_GUILESS_MAIN(CheckSamplerTest)
#include "CheckSamplerTest.moc"
