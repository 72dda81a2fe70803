// Receive and send of the window and quillon-cli against the in-process simulator: a receive that fails
// part-way leaves the document as it was, and every receive and send leaves one history event, the
// compare's read too.

#include "shell/TransmitterSession.h"

#include "RecordingSink.h"
#include "SessionRig.h"
#include "document/HistoryRecorder.h"
#include "document/QuillonDoc.h"
#include "sim/Simulator.h"
#include "transmitter/Commands.h"

#include <QTest>

namespace {

struct Rig : CSessionRig {
    using CSessionRig::CSessionRig;

    /// A parameter set as if loaded from a file.
    void Load() {
        doc.SetGrundEnde(40.0f);
        doc.SetMessEnde(25.0f);
        doc.SetBezeichnungText(QStringLiteral("Vorher"));
        doc.SetGueltig(true);
        doc.SetMesswert(0, 12.5f);
        doc.SetTemperatur(21.0f);
    }
};

/// Keeps every event, installed for one test.
struct RecordingSink : CRecordingSink {
    RecordingSink() { CHistoryRecorder::Install(this); }
    ~RecordingSink() override { CHistoryRecorder::Install(nullptr); }
    RecordingSink(const RecordingSink&) = delete;
    RecordingSink& operator=(const RecordingSink&) = delete;
};

} // namespace

class TransmitterSessionTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void receiveAndSend() {
        Rig rig(2);
        QVERIFY(rig.session.Empfangen());
        QVERIFY(rig.doc.IsGueltig());
        QCOMPARE(rig.doc.GetKennung(), rig.sim.Transmitter().Kennung());
        rig.op.Answer(IOperator::Answer::Yes);
        QCOMPARE(rig.session.Senden(false), CParameterTransfer::SendResult::Sent);
    }

    void failedReceiveKeepsTheShownParameterSet_data() {
        QTest::addColumn<bool>("noPort");
        QTest::newRow("no answer part-way") << false;
        QTest::newRow("port cannot be opened") << true;
    }

    void failedReceiveKeepsTheShownParameterSet() {
        QFETCH(bool, noPort);
        Rig rig(2);
        rig.Load();
        const QByteArray before = rig.doc.SaveToBytes();
        if (noPort) {
            rig.device->SetOpenable(false);
        } else {
            CSimulator::Faults faults;
            faults.silentCommands = {Cmd::GetSpanne};
            rig.sim.SetFaults(faults);
        }
        const bool bErweitert = rig.doc.IsErweitert();
        QVERIFY(!rig.session.Empfangen());
        QCOMPARE(rig.doc.SaveToBytes(), before);
        QVERIFY(rig.doc.IsGueltig());
        QCOMPARE(rig.doc.IsErweitert(), bErweitert);
        QCOMPARE(rig.doc.GetMesswert(0), 12.5f); // the live values stay with the set they belong to
        QCOMPARE(rig.doc.GetTemperatur(), 21.0f);
        QVERIFY(rig.op.MessageTexts().contains(QStringLiteral("Empfangsfehler!")));
        QVERIFY(!rig.session.Link().Sio().IsPortOpen());
    }

    void receiveAndSendLeaveOneEventEach() {
        Rig rig(2);
        RecordingSink sink;
        QVERIFY(rig.session.Empfangen());
        QCOMPARE(sink.events.size(), 1);
        const CHistoryEvent received = sink.events.takeFirst();
        QCOMPARE(received.operation, CHistoryEvent::Operation::Receive);
        QCOMPARE(received.outcome, CHistoryEvent::Outcome::Done);
        QCOMPARE(received.seriennummer, rig.doc.GetSeriennummer());
        QVERIFY(!received.before);
        QVERIFY(received.after && received.after->m_fMessEnde == rig.doc.GetMessEnde());
        QVERIFY(received.traceTail.isEmpty());

        // The end of the memory image goes unanswered: the read-back that follows is part of the send.
        const CParameterSatz asFound = rig.doc.GetParameterSatz();
        rig.doc.SetDaempfung(rig.doc.GetDaempfung() + 2.0f);
        CSimulator::Faults faults;
        faults.silentCommands = {Cmd::SpeicherEnde};
        rig.sim.SetFaults(faults);
        rig.op.Answer(IOperator::Answer::Yes);
        QCOMPARE(rig.session.Senden(false), CParameterTransfer::SendResult::Failed);
        QCOMPARE(sink.events.size(), 1);
        const CHistoryEvent sent = sink.events.takeFirst();
        QCOMPARE(sent.operation, CHistoryEvent::Operation::Send);
        QCOMPARE(sent.outcome, CHistoryEvent::Outcome::Failed);
        QVERIFY(sent.message.startsWith(QStringLiteral("Sendefehler!\n")));
        QVERIFY(sent.message.contains(QStringLiteral("neuen Parametersatz"))); // the read-back's finding
        QVERIFY(sent.before && sent.before->m_fDaempfung == asFound.m_fDaempfung);
        QVERIFY(!sent.after);
        QVERIFY(!sent.traceTail.isEmpty() && sent.traceTail.size() <= 20);
        QVERIFY(sent.traceTail.last().contains(QStringLiteral("87"))); // the last request left unanswered

        // A send declined at the question reaches no transmitter: nothing to record.
        rig.op.Answer(IOperator::Answer::No);
        QCOMPARE(rig.session.Senden(true), CParameterTransfer::SendResult::Declined);
        QVERIFY(sink.events.isEmpty());
    }

    void readForCompareRecordsWhatItFoundAndLeavesTheDocument() {
        Rig rig(2);
        rig.Load();
        const QByteArray shown = rig.doc.SaveToBytes();
        RecordingSink sink;
        CSendePruefung lesen(rig.session.Link(), rig.doc, QLocale::c());
        QVERIFY(rig.session.ReadForCompare(lesen));
        QCOMPARE(rig.doc.SaveToBytes(), shown);
        QCOMPARE(sink.events.size(), 1);
        const CHistoryEvent found = sink.events.takeFirst();
        QCOMPARE(found.operation, CHistoryEvent::Operation::Receive);
        QCOMPARE(found.outcome, CHistoryEvent::Outcome::Done);
        QVERIFY(found.after && found.after->m_fMessEnde == lesen.Gelesen().GetMessEnde());

        CSimulator::Faults faults;
        faults.silentCommands = {Cmd::GetSpanne};
        rig.sim.SetFaults(faults);
        QVERIFY(!rig.session.ReadForCompare(lesen));
        QCOMPARE(sink.events.size(), 1);
        QCOMPARE(sink.events.first().outcome, CHistoryEvent::Outcome::Failed);
        QVERIFY(!sink.events.first().message.isEmpty() && !sink.events.first().traceTail.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TransmitterSessionTest)
#include "TransmitterSessionTest.moc"
