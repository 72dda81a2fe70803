// The editing commands of the window against the in-process simulator: a range preset edited in its
// dialog, sent and read back; the type choice from the menu; a send of values outside the dialog limits
// asks first.

#include "DialogDriver.h"
#include "ShellRig.h"
#include "document/QuillonDoc.h"
#include "edit/EditDataWerte.h"
#include "shell/CommandTable.h"
#include "ui/edit/DlgTransmitterHalvard.h"
#include "ui/edit/EditData.h"
#include "ui/main/MainFrame.h"
#include "ui/main/QuillonView.h"

#include <QAbstractButton>
#include <QAction>
#include <QTest>

namespace {

constexpr int kTransmitterTyp = 32849;
constexpr int kPreset0bis40bar = 32815;

} // namespace

class EditWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void presetEditedSentAndReadBack() {
        using F = CEditDataWerte;
        CShellRig rig(CEdition::Kind::Kunde, 8);
        QVERIFY(rig.Start());
        rig.Frame().show();
        rig.Trigger(CCommandTable::kEmpfangen);
        QCOMPARE(rig.Doc().GetTyp(), 8);
        QVERIFY(rig.Action(kPreset0bis40bar)->isEnabled());

        CDialogDriver::Later([] {
            auto* dialog = CDialogDriver::Active<CEditData>();
            QVERIFY(dialog);
            CDialogDriver::Type(dialog, F::kMessAnfang, QStringLiteral("5"));
            CDialogDriver::Type(dialog, F::kMessEnde, QStringLiteral("35"));
            CDialogDriver::Click(dialog, QStringLiteral("OK"));
        });
        rig.Trigger(kPreset0bis40bar);
        QVERIFY(rig.Doc().IsGueltig());
        QCOMPARE(rig.Doc().GetGrundEnde(), 40.0f);
        QVERIFY(rig.Action(CCommandTable::kSenden)->isEnabled());

        rig.Answer(IOperator::Answer::Yes); // "Parameter senden"
        rig.Trigger(CCommandTable::kSenden);
        QVERIFY2(rig.messages.size() == 1, qPrintable(rig.MessageTexts().join(QStringLiteral(" | "))));
        rig.Doc().SetMessAnfang(0.0f);
        rig.Trigger(CCommandTable::kEmpfangen);
        QCOMPARE(rig.Doc().GetMessAnfang(), 5.0f);
        QCOMPARE(rig.Doc().GetMessEnde(), 35.0f);
    }

    void presetLeavesAnUntitledDocument() {
        CShellRig rig(CEdition::Kind::Kunde, 8);
        QVERIFY(rig.Start());
        rig.Trigger(CCommandTable::kEmpfangen);
        const QString path = rig.dir.filePath(QStringLiteral("tank.qlc"));
        rig.chooser.paths.enqueue(path);
        rig.Trigger(CCommandTable::kSaveAs);
        QVERIFY(!rig.Frame().Session().PathName().isEmpty());
        CDialogDriver::Later(
            [] { CDialogDriver::Click(CDialogDriver::Active<CEditData>(), QStringLiteral("Abbrechen")); });
        rig.Trigger(kPreset0bis40bar);
        // Cancelled: a cleared parameter set that may not be sent, and no file it could be saved over.
        QVERIFY(rig.Frame().Session().PathName().isEmpty());
        QVERIFY(!rig.Doc().IsGueltig());
        QVERIFY(!rig.Action(CCommandTable::kSenden)->isEnabled());
    }

    void valuesOutsideTheDialogLimitsAskBeforeTheSend() {
        CShellRig rig(CEdition::Kind::Kunde, 8);
        QVERIFY(rig.Start());
        rig.Trigger(CCommandTable::kEmpfangen);
        const QByteArray tag = rig.sim.Transmitter().Tag();
        rig.Doc().SetDaempfung(250.0f);
        rig.Doc().SetBezeichnungText(QStringLiteral("Nicht gesendet"));
        rig.Answer(IOperator::Answer::No);
        rig.Trigger(CCommandTable::kSenden);
        QCOMPARE(rig.messages.size(), 1);
        QVERIFY(rig.MessageTexts().first().contains(QStringLiteral("Dämpfung")));
        QCOMPARE(rig.sim.Transmitter().Tag(), tag);
    }

    void typeChoiceFromTheMenu() {
        CShellRig rig;
        QVERIFY(rig.Start());
        CDialogDriver::Later([] {
            auto* dialog = CDialogDriver::Active<CDlgTransmitterHalvard>();
            QVERIFY(dialog);
            CDialogDriver::Button(dialog, QStringLiteral("RX89 bis V. 2.2"))->click();
            CDialogDriver::Click(dialog, QStringLiteral("OK"));
        });
        rig.Trigger(kTransmitterTyp);
        QCOMPARE(rig.Doc().GetTyp(), 0);
    }
};

QTEST_MAIN(EditWindowTest)
#include "EditWindowTest.moc"
