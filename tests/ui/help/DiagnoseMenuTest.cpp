// The service aids of the Hilfe menu in the whole program: after "Empfangen..." the trace window lists
// the receive's frames, and "Fehlerbericht speichern..." writes a zip with the trace, the version, the
// settings the program uses (as just changed in its dialogs, without the password) and the received
// document.

#include "../ModalDriver.h"
#include "ShellRig.h"
#include "Unzip.h"
#include "document/DocumentFile.h"
#include "document/Einstellungen.h"
#include "document/QuillonDoc.h"
#include "link/LinkTrace.h"
#include "shell/CommandTable.h"
#include "shell/ProblemReport.h"
#include "transmitter/TraceFormat.h"
#include "ui/help/DlgVerbindungsprotokoll.h"
#include "ui/main/MainFrame.h"
#include "ui/main/QuillonView.h"
#include "ui/setup/Comport.h"
#include "ui/setup/HardwareSetup.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

class DiagnoseMenuTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_settingsDir;

private Q_SLOTS:
    // Nothing comes from or goes to the user's own settings file.
    void initTestCase() {
        QVERIFY(m_settingsDir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
    }

    void cleanup() { CModalDriver::Reset(); }

    void bothEditionsOfferThemAlways() {
        for (const CEdition::Kind kind : {CEdition::Kind::Kunde, CEdition::Kind::Werk}) {
            CShellRig rig(kind);
            QVERIFY(rig.Start());
            QVERIFY(rig.Action(CCommandTable::kVerbindungsprotokoll)->isEnabled());
            QVERIFY(rig.Action(CCommandTable::kFehlerbericht)->isEnabled());
        }
    }

    void afterAReceiveTheTraceAndTheReportHoldIt() {
        CLinkTrace::Global().Clear();
        CShellRig rig(CEdition::Kind::Werk, 2);
        rig.profile.SetText(QStringLiteral("Psw"), CEinstellungen::ScrambleText(QStringLiteral("GEHEIM7")));
        QVERIFY(rig.Start());
        rig.Frame().show();
        rig.View().Session().Link().PortMap().SetAvailableDevices({"/dev/ttyS0", "/dev/ttyS1"});
        rig.Trigger(CCommandTable::kEmpfangen);
        QCOMPARE(rig.Doc().GetKennung(), rig.sim.Transmitter().Kennung());

        rig.Trigger(CCommandTable::kVerbindungsprotokoll);
        auto* dialog = rig.Frame().findChild<CDlgVerbindungsprotokoll*>();
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->Table()->rowCount(), CLinkTrace::Global().Size());
        QVERIFY(!dialog->Table()->findItems(QStringLiteral("Get Device Info"), Qt::MatchExactly).isEmpty());
        QVERIFY(
            !dialog->Table()->findItems(QStringLiteral("Get Messbereichsende"), Qt::MatchExactly).isEmpty());
        rig.Trigger(CCommandTable::kVerbindungsprotokoll); // the same window again, not a second one
        QCOMPARE(rig.Frame().findChildren<CDlgVerbindungsprotokoll*>().size(), 1);

        const QString path = rig.dir.filePath(QStringLiteral("Fehlerbericht.zip"));
        rig.chooser.paths.enqueue(path);
        rig.Trigger(CCommandTable::kFehlerbericht);

        const QMap<QString, QByteArray> files = Unzip(path);
        QStringList expected = CProblemReport::FileNames();
        expected.sort();
        QCOMPARE(QStringList(files.keys()), expected);
        QVERIFY(
            files.value(QStringLiteral("Verbindungsprotokoll.txt")).contains("\tTX\t31\tGet Device Info\t"));
        QVERIFY(files.value(QStringLiteral("Version.txt")).contains("Transmitter-Typ 2"));
        for (const QByteArray& bytes : files) {
            QVERIFY(!bytes.contains("GEHEIM7"));
            QVERIFY(!bytes.contains(CEinstellungen::ScrambleText(QByteArray("GEHEIM7"))));
        }
        CParameterSatz satz;
        QCOMPARE(CDocumentFile::Load(files.value(QStringLiteral("Dokument.qlc")), satz, rig.Doc().Operator()),
                 CDocumentFile::Result::Loaded);
        QCOMPARE(satz.m_strKennung, rig.Doc().GetKennung());
        QVERIFY(rig.MessageTexts().isEmpty());
    }

    // A new user changes the port, the log interval and "Nach dem Senden prüfen" in the dialogs and
    // saves a report at once: it holds the values of this run, long before the program writes them.
    void theReportHoldsTheSettingsChangedInThisRun() {
        CShellRig rig;
        QVERIFY(rig.Start());
        rig.View().Session().Link().PortMap().SetAvailableDevices({"/dev/ttyS0", "/dev/ttyS1"});
        CModalDriver::WhenShown<CComport>([](CComport* dialog) {
            dialog->PortButton(1)->click();
            QVERIFY(CModalDriver::Click(dialog, QStringLiteral("OK")));
        });
        rig.Trigger(CCommandTable::kSchnittstelle);
        CModalDriver::WhenShown<CHardwareSetup>([](CHardwareSetup* dialog) {
            dialog->VerifyAfterSendBox()->setChecked(true);
            dialog->OkButton()->click();
        });
        rig.Trigger(CCommandTable::kSetupHardware);
        CModalDriver::WhenShown(QStringLiteral("loggen"), [](QWidget* dialog) {
            dialog->findChild<QLineEdit*>(QStringLiteral("ctl1027"))->setText(QStringLiteral("17"));
            dialog->findChild<QPushButton*>(QStringLiteral("ok"))->click();
        });
        rig.Trigger(CCommandTable::kMessung);
        QVERIFY(CModalDriver::Done());

        const QString path = rig.dir.filePath(QStringLiteral("Fehlerbericht.zip"));
        rig.chooser.paths.enqueue(path);
        rig.Trigger(CCommandTable::kFehlerbericht);
        const QStringList lines = QString::fromUtf8(Unzip(path).value(QStringLiteral("Einstellungen.txt")))
                                      .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        for (const char* line : {"Settings/COM=1", "Settings/LogIntervall=17", "Settings/VerifyAfterSend=1",
                                 "Settings/TransmitterVersion=2"}) {
            QVERIFY2(lines.contains(QLatin1String(line)), line);
        }
        QVERIFY2(rig.messages.isEmpty(), qPrintable(rig.MessageTexts().join(QStringLiteral(" | "))));
    }
};

QTEST_MAIN(DiagnoseMenuTest)
#include "DiagnoseMenuTest.moc"
