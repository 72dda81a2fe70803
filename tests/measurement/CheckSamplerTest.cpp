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
    void samplesAndRecordsACheck() {
        CSequenceRig rig(9); // RX84: -1 to 1.5 bar
        CCheckSampler sampler(rig.link, rig.transfer, rig.doc);
        QVERIFY(sampler.Begin());
        QVERIFY(rig.link.Sio().IsPortOpen());
        CCheckRecord record = CCheckHistory::RangeOf(rig.doc);
        QCOMPARE(record.rangeAt4mA, -1.0);
        QCOMPARE(record.rangeAt20mA, 1.5);
        QCOMPARE(record.unit, QStringLiteral("bar"));

        const std::optional<double> value = sampler.Sample();
        QVERIFY(value);
        QVERIFY(*value >= -1.0 && *value <= 1.5);
        QCOMPARE(*value, CCheckArithmetic::Rounded(*value, record.decimals));
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
