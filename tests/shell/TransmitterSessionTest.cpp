// The window's receive and send against the in-process simulator: a receive that fails part-way gives
// back the parameter set the form showed before.

#include "shell/TransmitterSession.h"

#include "SessionRig.h"
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
    }
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
        QCOMPARE(rig.session.Senden(), CParameterTransfer::SendResult::Sent);
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
        int updates = 0;
        QObject::connect(&rig.doc, &CQuillonDoc::documentUpdated, [&updates] { ++updates; });
        if (noPort) {
            rig.device->SetOpenable(false);
        } else {
            CSimulator::Faults faults;
            faults.silentCommands = {Cmd::GetSpanne};
            rig.sim.SetFaults(faults);
        }
        QVERIFY(!rig.session.Empfangen());
        QCOMPARE(rig.doc.SaveToBytes(), before);
        QVERIFY(rig.doc.IsGueltig());
        QVERIFY(rig.op.MessageTexts().contains(QStringLiteral("Empfangsfehler!")));
        QVERIFY(updates >= 1); // the form is told to show the set again
        QVERIFY(!rig.session.Link().Sio().IsPortOpen());
    }
};

QTEST_GUILESS_MAIN(TransmitterSessionTest)
#include "TransmitterSessionTest.moc"
