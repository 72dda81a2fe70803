// The check before every send: a parameter set that holds what its encoding cannot carry is refused
// before a byte goes out, naming the field; values only outside the dialog limits (CSendeGrenzen) are sent
// after a "yes".

#include "transmitter/ParameterPruefung.h"

#include "SequenceRig.h"
#include "edit/SendeGrenzen.h"

#include <QTest>
#include <functional>
#include <limits>

namespace {

using Edit = std::function<void(CQuillonDoc&)>;

/// A document of the type with values every dialog accepts.
void Sauber(CQuillonDoc& doc) {
    doc.SetGrundAnfang(0.0f);
    doc.SetGrundEnde(10.0f);
    doc.SetMessAnfang(0.0f);
    doc.SetMessEnde(10.0f);
    doc.SetDezimalstellen(2);
    doc.SetEinheit(1);
    doc.SetAnzeigeEinheit(1);
}

} // namespace

Q_DECLARE_METATYPE(Edit)

class ParameterPruefungTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void findings_data() {
        QTest::addColumn<int>("typ");
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<QString>("fehler");
        QTest::addColumn<QString>("warnung");
        const float nan = std::numeric_limits<float>::quiet_NaN();
        const float inf = std::numeric_limits<float>::infinity();
        const QString none;
        QTest::newRow("clean type 2") << 2 << Edit([](CQuillonDoc&) {}) << none << none;
        QTest::newRow("clean type 0") << 0 << Edit([](CQuillonDoc&) {}) << none << none;
        QTest::newRow("unknown type")
            << 11 << Edit([](CQuillonDoc&) {}) << "Transmitter-Typ: 11 ist kein bekannter Typ" << none;
        QTest::newRow("NaN damping") << 2 << Edit([nan](CQuillonDoc& d) { d.SetDaempfung(nan); })
                                     << "Dämpfung: kein gültiger Zahlenwert" << none;
        QTest::newRow("infinite table point") << 10 << Edit([inf](CQuillonDoc& d) { d.SetLinTabY(4, inf); })
                                              << "Linearisierung Punkt 5: kein gültiger Zahlenwert" << none;
        QTest::newRow("range beyond 16 bits")
            << 8 << Edit([](CQuillonDoc& d) { d.SetMessEnde(400.0f); })
            << "20mA Signal bei: der Wert ist für die Übertragung zu groß" << none;
        QTest::newRow("single write beyond six characters")
            << 1 << Edit([](CQuillonDoc& d) { d.SetMessEnde(1000.0f); })
            << "20mA Signal bei: der Wert ist für die Übertragung zu groß" << none;
        QTest::newRow("type 0 table word")
            << 0 << Edit([](CQuillonDoc& d) { d.SetLinTabY(0, 700.0f); })
            << "Linearisierung Punkt 1: der Wert ist für die Übertragung zu groß" << none;
        QTest::newRow("zero output span") << 2 << Edit([](CQuillonDoc& d) { d.SetMessEnde(0.0f); })
                                          << "20mA Signal bei: 4mA- und 20mA-Wert sind gleich" << none;
        QTest::newRow("KA71 base without span")
            << 10 << Edit([](CQuillonDoc& d) { d.SetGrundEnde(0.0f); })
            << "Grundmessbereich Anfang: Anfang und Ende sind gleich" << none;
        QTest::newRow("decimals") << 2 << Edit([](CQuillonDoc& d) { d.SetDezimalstellen(9); })
                                  << "Dezimalstellen: 9 kann nicht übertragen werden" << none;
        QTest::newRow("long tag") << 2 << Edit([](CQuillonDoc& d) { d.SetBezeichnung(QByteArray(24, 'x')); })
                                  << "Bezeichnung: der Transmitter hält höchstens 20 Zeichen" << none;
        QTest::newRow("tag with a tab")
            << 2 << Edit([](CQuillonDoc& d) { d.SetBezeichnung("PT\t101"); })
            << "Bezeichnung: ein Steuerzeichen kann der Transmitter nicht speichern" << none;
        QTest::newRow("damping only outside the dialog")
            << 2 << Edit([](CQuillonDoc& d) { d.SetDaempfung(250.0f); }) << none
            << "Dämpfung: Geben Sie eine Zahl zwischen 0 und 200 ein.";
        QTest::newRow("spread only outside the dialog")
            << 8 << Edit([](CQuillonDoc& d) { d.SetMessEnde(1.0f); }) << none
            << "4mA Signal bei: Maximale Spreizung   5 : 1 !";
        QTest::newRow("offset only outside the dialog")
            << 2 << Edit([](CQuillonDoc& d) { d.SetOffset(2.0f); }) << none
            << "Offsetkorrektur: Geben Sie eine Zahl zwischen -1 und 1 ein.";
    }

    void findings() {
        QFETCH(int, typ);
        QFETCH(Edit, edit);
        QFETCH(QString, fehler);
        QFETCH(QString, warnung);
        CScriptedOperator op;
        CQuillonDoc doc(op, QString());
        doc.SetTyp(typ);
        Sauber(doc);
        edit(doc);
        QCOMPARE(CParameterPruefung::Pruefe(doc).value(0), fehler);
        if (fehler.isEmpty()) { // a refused send asks nothing
            QCOMPARE(CSendeGrenzen::Warnungen(doc, QLocale::c()).value(0), warnung);
        }
    }

    void refusedSendWritesNothing() {
        CSequenceRig rig(2);
        QVERIFY(rig.transfer.ReceiveParameterSet());
        rig.TakeFrames();
        rig.doc.SetStromgrenzeMax(22.0f);
        rig.doc.SetDaempfung(std::numeric_limits<float>::quiet_NaN());
        rig.op.Answer(IOperator::Answer::Yes);
        QCOMPARE(rig.transfer.SendParameterSet(), CParameterTransfer::SendResult::Unsendable);
        QVERIFY(rig.TakeFrames().isEmpty());
        QCOMPARE(rig.op.messages.size(), 1);
        QVERIFY(rig.op.messages.first().text.contains(QStringLiteral("Dämpfung")));
        QCOMPARE(rig.op.messages.first().icon, IOperator::Icon::Error);
    }

    void valuesOutsideTheDialogAskFirst() {
        CSequenceRig rig(2);
        QVERIFY(rig.transfer.ReceiveParameterSet());
        rig.doc.SetDaempfung(250.0f);
        // Without the edit layer's limits the send asks only its own question.
        QCOMPARE(rig.transfer.SendParameterSet(), CParameterTransfer::SendResult::Declined);
        QCOMPARE(rig.op.messages.size(), 1);
        rig.op.messages.clear();
        CSendeGrenzen::Install(rig.transfer);
        rig.TakeFrames();
        QCOMPARE(rig.transfer.SendParameterSet(), CParameterTransfer::SendResult::Declined);
        QVERIFY(rig.TakeFrames().isEmpty());
        QVERIFY(rig.op.messages.first().text.contains(QStringLiteral("Trotzdem senden?")));

        rig.op.Answer(IOperator::Answer::Yes);
        rig.op.Answer(IOperator::Answer::Yes);
        QCOMPARE(rig.transfer.SendParameterSet(), CParameterTransfer::SendResult::Sent);
        QVERIFY(rig.transfer.ReceiveParameterSet());
        QCOMPARE(rig.doc.GetDaempfung(), 250.0f);
    }
};

QTEST_GUILESS_MAIN(ParameterPruefungTest)
#include "ParameterPruefungTest.moc"
