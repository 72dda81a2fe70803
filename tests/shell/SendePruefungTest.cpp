// The read-back after a send against the in-process simulator: the values sent, a field the transmitter
// stored wrongly, a read-back that fails, and which set a transmitter holds after a send that failed at
// the end of its memory image.

#include "shell/SendePruefung.h"

#include "SessionRig.h"
#include "document/QuillonDoc.h"
#include "shell/TransmitterSession.h"
#include "sim/Simulator.h"
#include "transmitter/Commands.h"

#include <QTest>

namespace {

struct Rig : CSessionRig {
    using CSessionRig::CSessionRig;

    /// Receives the transmitter's set and edits damping and tag, as before a send.
    bool ReceiveAndEdit() {
        if (!session.Empfangen()) {
            return false;
        }
        vorher = doc.GetParameterSatz();
        doc.SetDaempfung(doc.GetDaempfung() + 2.0f);
        doc.SetBezeichnungText(QStringLiteral("PT-NEU"));
        return true;
    }

    CParameterTransfer::SendResult Send(bool bPruefen = false) {
        op.Answer(IOperator::Answer::Yes);
        return session.Senden(bPruefen);
    }

    void Fault(const std::function<void(CSimulator::Faults&)>& set) {
        CSimulator::Faults faults;
        set(faults);
        sim.SetFaults(faults);
    }

    CParameterSatz vorher;
};

} // namespace

class SendePruefungTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void sentValuesAreConfirmed_data() {
        QTest::addColumn<int>("typ");
        QTest::newRow("memory image, RX31") << 2;
        QTest::newRow("single writes, type 0") << 0;
        QTest::newRow("KA71") << 10;
    }

    void sentValuesAreConfirmed() {
        QFETCH(int, typ);
        Rig rig(typ);
        QVERIFY(rig.ReceiveAndEdit());
        rig.doc.SetDaempfung(rig.doc.GetDaempfung() + 0.04f); // kept as tenths: no difference
        QCOMPARE(rig.Send(), CParameterTransfer::SendResult::Sent);
        CSendePruefung pruefung(rig.session.Link(), rig.doc, QLocale::c());
        const CSendePruefung::Ergebnis ergebnis = pruefung.NachSenden();
        QVERIFY2(ergebnis.IstErfolg(), qPrintable(CSendePruefung::Meldung(ergebnis)));
        QCOMPARE(pruefung.Gelesen().GetBezeichnungText().trimmed(), QStringLiteral("PT-NEU"));
    }

    void wronglyStoredFieldIsNamed() {
        Rig rig(2);
        QVERIFY(rig.ReceiveAndEdit());
        rig.Fault([](CSimulator::Faults& f) { f.bStoreDaempfungWrong = true; });
        const QByteArray gesendet = rig.doc.SaveToBytes();
        QCOMPARE(rig.Send(), CParameterTransfer::SendResult::Sent);
        CSendePruefung pruefung(rig.session.Link(), rig.doc, QLocale::c());
        const CSendePruefung::Ergebnis ergebnis = pruefung.NachSenden();
        QCOMPARE(ergebnis.befund, CSendePruefung::Befund::Abweichend);
        QVERIFY(!ergebnis.IstErfolg());
        QCOMPARE(ergebnis.abweichungen.size(), 1);
        QCOMPARE(ergebnis.abweichungen.first().feld, QStringLiteral("m_fDaempfung"));
        QVERIFY(CSendePruefung::Meldung(ergebnis).contains(QStringLiteral("Dämpfung (m_fDaempfung)")));
        QCOMPARE(rig.doc.SaveToBytes(), gesendet); // the document that was sent stays as it was
    }

    void failedReadBackIsNotVerified() {
        Rig rig(2);
        QVERIFY(rig.ReceiveAndEdit());
        QCOMPARE(rig.Send(), CParameterTransfer::SendResult::Sent);
        rig.Fault([](CSimulator::Faults& f) { f.silentCommands = {Cmd::GetSpanne}; });
        CSendePruefung pruefung(rig.session.Link(), rig.doc, QLocale::c());
        const CSendePruefung::Ergebnis ergebnis = pruefung.NachSenden();
        QCOMPARE(ergebnis.befund, CSendePruefung::Befund::NichtGeprueft);
        QVERIFY(!ergebnis.IstErfolg());
        QVERIFY(CSendePruefung::Meldung(ergebnis).startsWith(QStringLiteral("Nicht geprüft")));
    }

    void failureAtTheImageEndTellsWhichSetArrived() {
        Rig rig(2);
        QVERIFY(rig.ReceiveAndEdit());
        rig.Fault([](CSimulator::Faults& f) { f.silentCommands = {Cmd::SpeicherEnde}; });
        QCOMPARE(rig.Send(), CParameterTransfer::SendResult::Failed);
        QVERIFY(rig.session.Transfer().MayHaveWritten());
        rig.sim.SetFaults({});
        CSendePruefung pruefung(rig.session.Link(), rig.doc, QLocale::c());
        QCOMPARE(pruefung.NachFehler(rig.vorher).befund, CSendePruefung::Befund::NeuerSatz);
    }

    void failureBeforeAnyWriteNeedsNoReadBack() {
        Rig rig(2);
        QVERIFY(rig.ReceiveAndEdit());
        rig.Fault([](CSimulator::Faults& f) { f.silentCommands = {Cmd::SpeicherBlock}; });
        QCOMPARE(rig.Send(), CParameterTransfer::SendResult::Failed);
        QVERIFY(!rig.session.Transfer().MayHaveWritten());
    }

    void oldSetAndMixAreToldApart() {
        Rig rig(2);
        QVERIFY(rig.ReceiveAndEdit());
        // Nothing of the new set arrived: with the set held before, that is the old set.
        CSendePruefung alt(rig.session.Link(), rig.doc, QLocale::c());
        QCOMPARE(alt.NachFehler(rig.vorher).befund, CSendePruefung::Befund::AlterSatz);
        // Without it, a set that is not the new one is named field by field.
        const CSendePruefung::Ergebnis ohne = alt.NachFehler(std::nullopt);
        QCOMPARE(ohne.befund, CSendePruefung::Befund::NichtNeu);
        QCOMPARE(ohne.abweichungen.size(), 2);

        // The damping arrived, the tag did not.
        CSimTransmitter& t = rig.sim.Transmitter();
        const int word = t.ParamLayout().daempfung;
        t.SetParamWord(word, static_cast<quint16>(t.ParamWord(word) + 20));
        CSendePruefung teils(rig.session.Link(), rig.doc, QLocale::c());
        const CSendePruefung::Ergebnis gemischt = teils.NachFehler(rig.vorher);
        QCOMPARE(gemischt.befund, CSendePruefung::Befund::Gemischt);
        QCOMPARE(gemischt.abweichungen.size(), 1);
        QCOMPARE(gemischt.abweichungen.first().feld, QStringLiteral("m_strBezeichnung"));
    }

    void windowSendChecksWhenSetAndKeepsAsFound() {
        Rig rig(2);
        QVERIFY(rig.session.Empfangen());
        QVERIFY(!rig.session.AsFoundFor(rig.doc)); // unchanged: nothing to set beside it
        rig.doc.SetDaempfung(rig.doc.GetDaempfung() + 2.0f);
        QVERIFY(rig.session.AsFoundFor(rig.doc));
        rig.Fault([](CSimulator::Faults& f) { f.bStoreDaempfungWrong = true; });

        // Without the check the send stays as it was, without a read-back.
        QCOMPARE(rig.Send(), CParameterTransfer::SendResult::Sent);
        QVERIFY(!rig.session.LetztePruefung());

        QCOMPARE(rig.Send(true), CParameterTransfer::SendResult::Sent);
        QVERIFY(rig.session.LetztePruefung());
        QCOMPARE(rig.session.LetztePruefung()->befund, CSendePruefung::Befund::Abweichend);
        QVERIFY(rig.op.MessageTexts().last().contains(QStringLiteral("(m_fDaempfung)")));
        // The read-back's own connection has ended: the session connects on demand again.
        QVERIFY(!rig.session.Link().Sio().IsPortOpen());
        QVERIFY(rig.session.Link().Transfer(Cmd::GetEinheit));

        // The as-found set belongs to its transmitter: another serial number, no "before" column.
        rig.doc.SetSeriennummer("anderes");
        QVERIFY(!rig.session.AsFoundFor(rig.doc));
    }
};

QTEST_GUILESS_MAIN(SendePruefungTest)
#include "SendePruefungTest.moc"
