// The history events of the operations that write single values or calibration data, against the
// in-process simulator: one event per operation, with its kind, outcome, the transmitter's identity and
// what was written; a failure with the user's message and the frames that led to it.

#include "transmitter/HistoryScope.h"

#include "RecordingSink.h"
#include "SequenceRig.h"
#include "access/RemoteParametrization.h"
#include "calibration/AbglWizardTransfer.h"
#include "calibration/AbgleichLayout.h"
#include "calibration/CalibrationTransfer.h"
#include "calibration/TempAbgleichTransfer.h"
#include "document/HistoryRecorder.h"
#include "measurement/KorrekturTransfer.h"
#include "transmitter/Commands.h"
#include "transmitter/TestMenu.h"
#include "transmitter/TraceFormat.h"

#include <QTest>
#include <algorithm>
#include <functional>

namespace {

using Op = CHistoryEvent::Operation;
using Outcome = CHistoryEvent::Outcome;

struct Case {
    const char* name;
    int nTyp;
    std::function<bool(CSequenceRig&)> run;
    Op operation;
    Outcome outcome;
    /// Part of the event's detail or of its message that shows what it was about.
    const char* shows;
    /// The words written or read, where the operation has them; empty: none expected.
    std::function<QList<quint16>(CSequenceRig&)> words;
};

QList<quint16> RecordWords(CSequenceRig& rig) {
    return CAbgleichLayout::ToWords(rig.doc.Abgleichdaten(), rig.doc.GetTyp(), rig.doc.IsErweitert());
}

bool ReadRecord(CSequenceRig& rig) {
    CCalibrationTransfer transfer(rig.link, rig.connection, rig.doc);
    return transfer.ReadCalibrationData();
}

const QList<Case>& Cases() {
    static const QList<Case> cases = {
        {"correction write", 2,
         [](CSequenceRig& rig) {
             rig.doc.SetTastatursperre(4711);
             CKorrekturTransfer korrektur(rig.link, rig.connection, rig.transfer, rig.doc);
             return korrektur.WriteSequence();
         },
         Op::WriteValues, Outcome::Done, R"({"command":"0x79","payload":"***"})", nullptr},
        {"release", 2,
         [](CSequenceRig& rig) {
             CRemoteParametrization(rig.link, rig.connection).SetRemoteParametrization(true);
             return true;
         },
         Op::WriteValues, Outcome::Done, R"({"command":"0x40","payload":"1"})", nullptr},
        {"test menu write", 2,
         [](CSequenceRig& rig) {
             CTestMenu menu(rig.link, rig.connection, rig.doc);
             menu.Run(CTestMenu::EntryFor(Cmd::SetDaempfung, CTestMenu::Payload::User), "+00020");
             // A read of the same menu changes nothing and is no event.
             menu.Run(CTestMenu::EntryFor(Cmd::GetDaempfung, CTestMenu::Payload::Empty));
             return true;
         },
         Op::WriteValues, Outcome::Done, R"({"command":"0x49","payload":"+00020"})", nullptr},
        {"record read", 2, ReadRecord, Op::CalibrationRead, Outcome::Done, "",
         [](CSequenceRig& rig) { return rig.sim.Transmitter().CalWords().mid(0, 96); }},
        {"record write", 2,
         [](CSequenceRig& rig) {
             // The read is an event of its own; the write is the last one.
             CCalibrationTransfer transfer(rig.link, rig.connection, rig.doc);
             return transfer.ReadCalibrationData() && transfer.WriteCalibrationData();
         },
         Op::CalibrationWrite, Outcome::Done, "", RecordWords},
        {"VN62 DAC points", 7,
         [](CSequenceRig& rig) {
             CCalibrationTransfer transfer(rig.link, rig.connection, rig.doc);
             rig.doc.Abgleichdaten().m_nDac = {101, 202, 303, 0, 0};
             rig.doc.Abgleichdaten().m_nDac2 = {404, 505, 606, 0, 0};
             return transfer.WriteGainWords();
         },
         Op::AnalogCalibration, Outcome::Done, "",
         [](CSequenceRig&) { return QList<quint16>{101, 202, 303, 404, 505, 606}; }},
        {"temperature with a wrong checksum", 1,
         [](CSequenceRig& rig) {
             CTempAbgleich::Values werte;
             werte.checksum = 99;
             return !CTempAbgleichTransfer(rig.link, rig.connection).WriteTemperatureData(werte);
         },
         Op::TempCalibration, Outcome::Failed, "Falsche Checksumme!", nullptr},
        {"wizard cancelled after a write", 3,
         [](CSequenceRig& rig) {
             CAbglWizardTransfer wizard(rig.link, rig.connection, rig.doc);
             wizard.RecordEnd(false); // nothing written yet: no event
             const bool bOk = wizard.WriteOffsetSpan();
             wizard.RecordEnd(false);
             return bOk;
         },
         Op::WizardCalibration, Outcome::Cancelled, "", nullptr},
    };
    return cases;
}

} // namespace

class HistoryScopeTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { CHistoryRecorder::Install(&m_sink); }
    void cleanup() {
        CHistoryRecorder::Install(nullptr);
        m_sink.events.clear();
    }

    void eachOperationRecordsOneEvent() {
        for (const Case& c : Cases()) {
            m_sink.events.clear();
            CSequenceRig rig(c.nTyp, CSimInterface::Kind::PL45, c.nTyp == 2 ? "RX31-309" : QByteArray());
            // As at a station: the set received first names the transmitter.
            QVERIFY2(rig.transfer.ReceiveParameterSet(), c.name);
            QVERIFY(!rig.doc.GetSeriennummer().isEmpty());
            QVERIFY2(c.run(rig), c.name);
            const auto ofKind = [&c](const CHistoryEvent& e) { return e.operation == c.operation; };
            QVERIFY2(std::count_if(m_sink.events.cbegin(), m_sink.events.cend(), ofKind) == 1, c.name);
            const CHistoryEvent& event = m_sink.events.last();
            QVERIFY2(event.operation == c.operation, c.name);
            QVERIFY2(event.outcome == c.outcome, c.name);
            QCOMPARE(event.nTyp, rig.doc.GetTyp());
            QCOMPARE(event.seriennummer, rig.doc.GetSeriennummer());
            QCOMPARE(event.bezeichnung, rig.doc.GetParameterSatz().m_strBezeichnung);
            QVERIFY2((event.detailJson + event.message).contains(QLatin1String(c.shows)), c.name);
            if (c.words) {
                QCOMPARE(event.words, c.words(rig));
            }
            if (c.outcome == Outcome::Done) {
                QVERIFY2(event.message.isEmpty() && event.traceTail.isEmpty(), c.name);
            } else {
                QVERIFY2(event.traceTail.size() <= CHistoryScope::kTraceFrames, c.name);
            }
        }
    }

    void aFailureKeepsTheMessageAndTheLastFramesOfTheLine() {
        CSequenceRig rig(2);
        CCalibrationTransfer transfer(rig.link, rig.connection, rig.doc);
        QVERIFY(transfer.ReadCalibrationData());
        CSimulator::Faults faults;
        faults.silentCommands = {Cmd::SpeicherEnde};
        rig.sim.SetFaults(faults);
        QVERIFY(!transfer.WriteCalibrationData());
        const CHistoryEvent& event = m_sink.events.last();
        QCOMPARE(event.operation, Op::CalibrationWrite);
        QCOMPARE(event.outcome, Outcome::Failed);
        QCOMPARE(event.words, RecordWords(rig));
        // The message as the user saw it, the read-back's verdict included.
        QCOMPARE(event.message, rig.op.MessageTexts().last());
        QVERIFY(event.message.startsWith(QLatin1String("Sendefehler!")));
        // A write and its read-back are hundreds of frames; the newest ones are kept, oldest first.
        QCOMPARE(event.traceTail.size(), CHistoryScope::kTraceFrames);
        QCOMPARE(event.traceTail.last(),
                 CTraceFormat::Row(rig.link.Sio().Trace()->Entries().last()).join(QLatin1Char('\t')));
    }

private:
    CRecordingSink m_sink;
};

QTEST_GUILESS_MAIN(HistoryScopeTest)
#include "HistoryScopeTest.moc"
