// The hardware setup, the port and interface choice and the connection notice in the window, driven
// like a user against the simulator.

#include "../ModalDriver.h"
#include "SequenceRig.h"
#include "ui/setup/Comport.h"
#include "ui/setup/HardwareSetup.h"
#include "ui/setup/HinweisText.h"
#include "ui/setup/PCInterface.h"
#include "ui/setup/SetupCommands.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

/// The window's setup commands on a line whose machine has the given serial devices.
struct SetupRig {
    CSequenceRig seq;
    QWidget window;
    CSetupCommands commands{seq.doc, seq.link, seq.connection, &window};

    explicit SetupRig(int nTyp, const QStringList& devices = {QStringLiteral("/dev/ttyUSB0")})
        : seq(nTyp) {
        seq.link.Sio().Serial().PortMap() = CPortMap();
        seq.link.Sio().Serial().PortMap().SetAvailableDevices(devices);
    }
};

} // namespace

class SetupDialogsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { CModalDriver::Reset(); }

    void type7PreselectsTheRX26AndOkTakesIt() {
        SetupRig rig(7);
        CModalDriver::WhenShown<CHardwareSetup>([](CHardwareSetup* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Hardware Setup"));
            QCOMPARE(dialog->TransmitterBox()->currentText(), QStringLiteral("RX26 2-Leiter"));
            QCOMPARE(dialog->TransmitterBox()->count(), 7);
            dialog->ShowAtStartBox()->setChecked(false);
            QCOMPARE(dialog->VerifyAfterSendBox()->text(), QStringLiteral("Nach dem Senden prüfen"));
            QVERIFY(!dialog->VerifyAfterSendBox()->isChecked());
            dialog->VerifyAfterSendBox()->setChecked(true);
            dialog->OkButton()->click();
        });
        QVERIFY(rig.commands.SetupHardware());
        QCOMPARE(rig.seq.doc.GetTyp(), 3);
        QCOMPARE(rig.seq.doc.GetShowHardwareSetup(), 0);
        QCOMPARE(rig.seq.doc.GetVerifyAfterSend(), 1);
    }

    void searchButtonOnlyForThePL45() {
        SetupRig rig(3);
        rig.seq.doc.SetInterfaceVersion(0);
        CHardwareSetupRules rules(rig.seq.doc, rig.seq.link, rig.seq.connection);
        CHardwareSetupRules::Values values = rules.Load();
        CHardwareSetup dialog(rules, values);
        QCOMPARE(dialog.InterfaceBox()->currentText(), QStringLiteral("PL40"));
        QVERIFY(!dialog.SearchButton()->isEnabled());
        dialog.InterfaceBox()->setCurrentIndex(0);
        QVERIFY(dialog.SearchButton()->isEnabled());
        dialog.InterfaceBox()->setCurrentIndex(1);
        QVERIFY(!dialog.SearchButton()->isEnabled());
    }

    void portThatCannotBeOpenedIsStillShownAndKept() {
        SetupRig rig(3, {QStringLiteral("/dev/ttyS0"), QStringLiteral("/dev/ttyUSB0")});
        rig.seq.doc.SetComPort(11);
        CModalDriver::WhenShown<CHardwareSetup>([](CHardwareSetup* dialog) {
            QCOMPARE(dialog->PortBox()->count(), 3);
            QCOMPARE(dialog->PortBox()->itemText(1), QStringLiteral("COM2 (/dev/ttyUSB0)"));
            QCOMPARE(dialog->PortBox()->currentText(), QStringLiteral("COM12 (nicht verfügbar)"));
            dialog->OkButton()->click();
        });
        QVERIFY(rig.commands.SetupHardware());
        QCOMPARE(rig.seq.doc.GetComPort(), 11);
    }

    void checkConnectsAsTheChosenTypeAndRestoresTheDocument() {
        SetupRig rig(10);
        rig.seq.doc.SetTyp(3);
        rig.seq.doc.SetComPort(4);
        CModalDriver::WhenShown<CHardwareSetup>([](CHardwareSetup* dialog) {
            dialog->TransmitterBox()->setCurrentIndex(6); // KA71 2-Leiter
            dialog->PortBox()->setCurrentIndex(0);        // COM1, where the simulator sits
            CModalDriver::WhenShown<CHardwareSetup>([](CHardwareSetup* again) {
                // Shown again with the dialog's choices, not the document's.
                QCOMPARE(again->TransmitterBox()->currentText(), QStringLiteral("KA71 2-Leiter"));
                again->CancelButton()->click();
            });
            dialog->CheckButton()->click();
        });
        QVERIFY(!rig.commands.SetupHardware());
        QVERIFY(rig.seq.op.MessageTexts().first().startsWith(QStringLiteral("Transmitter an COM1 gefunden")));
        QCOMPARE(rig.seq.doc.GetTyp(), 3);
        QCOMPARE(rig.seq.doc.GetComPort(), 4);
    }

    void searchFindsThePL45OfTheSimulatorAndItsVersion() {
        SetupRig rig(3);
        rig.seq.sim.Interface().GetInfo().firmware = 0x65;
        rig.seq.doc.SetComPort(5);
        CModalDriver::WhenShown<CHardwareSetup>([](CHardwareSetup* dialog) {
            CModalDriver::WhenShown<CHardwareSetup>([](CHardwareSetup* again) {
                QCOMPARE(again->PortBox()->currentText(), QStringLiteral("COM1 (/dev/ttyUSB0)"));
                again->OkButton()->click();
            });
            dialog->SearchButton()->click();
        });
        QVERIFY(rig.commands.SetupHardware());
        QCOMPARE(rig.seq.op.MessageTexts(),
                 QStringList{QStringLiteral("PL45 (ab 2006) gefunden an COM1\nVersion: 1.01")});
        QCOMPARE(rig.seq.doc.GetComPort(), 0);
    }

    void portChoiceEnablesTheOpenablePortsAndStoresTheChoice() {
        SetupRig rig(3, {QStringLiteral("/dev/ttyS0"), QStringLiteral("/dev/ttyUSB0")});
        rig.seq.doc.SetComPort(0);
        CModalDriver::WhenShown<CComport>([](CComport* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Schnittstelle"));
            QVERIFY(dialog->PortButton(0)->isChecked());
            QVERIFY(dialog->PortButton(1)->isEnabled());
            QVERIFY(!dialog->PortButton(2)->isEnabled());
            QCOMPARE(dialog->PortButton(1)->text(), QStringLiteral("COM2 (/dev/ttyUSB0)"));
            QVERIFY(dialog->SearchButton()->isEnabled());
            dialog->PortButton(1)->click();
            QVERIFY(!dialog->PortButton(0)->isChecked());
            QVERIFY(CModalDriver::Click(dialog, QStringLiteral("OK")));
        });
        QVERIFY(rig.commands.ChoosePort());
        QCOMPARE(rig.seq.doc.GetComPort(), 1);
    }

    void portChoiceSearchIsOffForThePL40() {
        SetupRig rig(10);
        rig.seq.doc.SetInterfaceVersion(0);
        CComportRules rules(rig.seq.doc, rig.seq.link, rig.seq.connection);
        CComportRules::Values values = rules.Load();
        CComport dialog(rules, values);
        QVERIFY(!dialog.SearchButton()->isEnabled());
    }

    void interfaceChoice() {
        SetupRig rig(3);
        CModalDriver::WhenShown<CPCInterface>([](CPCInterface* dialog) {
            QVERIFY(dialog->Choice(1)->isChecked());
            QCOMPARE(dialog->Choice(0)->text(), QStringLiteral("PL40 (bis 2005)"));
            dialog->Choice(0)->click();
            QVERIFY(CModalDriver::Click(dialog, QStringLiteral("OK")));
        });
        QVERIFY(rig.commands.ChooseInterface());
        QCOMPARE(rig.seq.doc.GetInterfaceVersion(), 0);
    }

    void noticeStoresTheCheckBoxOnOkOnly() {
        SetupRig rig(3);
        CModalDriver::WhenShown<CHinweisText>([](CHinweisText* dialog) {
            QVERIFY(dialog->ShowAtStartBox()->isChecked());
            dialog->ShowAtStartBox()->setChecked(false);
            dialog->reject();
        });
        rig.commands.ShowConnectionNotice();
        QCOMPARE(rig.seq.doc.GetStartupHinweis(), 1);

        CModalDriver::WhenShown<CHinweisText>([](CHinweisText* dialog) {
            dialog->ShowAtStartBox()->setChecked(false);
            QVERIFY(CModalDriver::Click(dialog, QStringLiteral("OK")));
        });
        rig.commands.ShowConnectionNotice();
        QCOMPARE(rig.seq.doc.GetStartupHinweis(), 0);
    }
};

QTEST_MAIN(SetupDialogsTest)
#include "SetupDialogsTest.moc"
