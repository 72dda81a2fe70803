// The factory edition's calibration record commands through the window against the in-process
// simulator: reading enables showing and writing, and a write carries the document's record into the
// transmitter.

#include "ShellRig.h"
#include "document/QuillonDoc.h"
#include "sim/SimTransmitter.h"
#include "ui/main/MainFrame.h"
#include "ui/main/QuillonView.h"

#include <QAction>
#include <QTest>

namespace {

constexpr int kLesenRX31 = 32798;
constexpr int kScheibenRX31 = 32842;
constexpr int kLesenVN62 = 32908;
constexpr int kSchreibenVN62 = 32910;

} // namespace

class CalibrationMenuTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readEnablesWritingAndWriteReachesTheTransmitter() {
        CShellRig rig(CEdition::Kind::Werk, 2);
        QVERIFY(rig.Start());
        rig.Doc().SetTyp(2);
        rig.Frame().show();
        rig.Frame().UpdateCommands();
        QVERIFY(rig.Action(kLesenRX31)->isEnabled());
        QVERIFY(!rig.Action(kScheibenRX31)->isEnabled()); // no record read yet

        rig.Trigger(kLesenRX31);
        QVERIFY2(rig.messages.isEmpty(), qPrintable(rig.MessageTexts().join(QStringLiteral(" | "))));
        QVERIFY(rig.Doc().Abgleichdaten().m_bGueltig);
        QCOMPARE(rig.Doc().Abgleichdaten().m_nAdc[4], qint32(rig.sim.Transmitter().CalWords().at(4)));
        QVERIFY(rig.Action(kScheibenRX31)->isEnabled());
        QVERIFY(!rig.Action(kSchreibenVN62)->isEnabled());

        rig.Doc().Abgleichdaten().m_nGain = 5;
        rig.Trigger(kScheibenRX31);
        QVERIFY2(rig.messages.isEmpty(), qPrintable(rig.MessageTexts().join(QStringLiteral(" | "))));
        QCOMPARE(rig.sim.Transmitter().CalWords().at(17), quint16(5));
        QVERIFY(rig.View().IsBereit());
    }

    void theVN62MenuReadsAsAVN62() {
        CShellRig rig(CEdition::Kind::Werk, 7);
        QVERIFY(rig.Start());
        rig.Doc().SetTyp(7);
        rig.Frame().show();
        rig.Frame().UpdateCommands();
        QVERIFY(rig.Action(kLesenVN62)->isEnabled());
        rig.Trigger(kLesenVN62);
        QVERIFY2(rig.messages.isEmpty(), qPrintable(rig.MessageTexts().join(QStringLiteral(" | "))));
        QCOMPARE(rig.Doc().GetTyp(), 7);
        QCOMPARE(rig.Doc().Abgleichdaten().m_nDac2[0], qint32(rig.sim.Transmitter().CalWords().at(52)));
        QVERIFY(rig.Action(kSchreibenVN62)->isEnabled());
    }
};

QTEST_MAIN(CalibrationMenuTest)
#include "CalibrationMenuTest.moc"
