// The main window without a transfer: first start, the form per type, the enabling rules of both
// editions, files through the menu and the command line, and the first paint's checks.

#include "ui/main/MainFrame.h"

#include "../ModalDriver.h"
#include "ShellRig.h"
#include "document/MemoryProfileStore.h"
#include "document/QuillonDoc.h"
#include "shell/CommandTable.h"
#include "shell/StartupChecks.h"
#include "ui/edit/Seriennummer.h"
#include "ui/main/QuillonView.h"
#include "ui/setup/Comport.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

namespace {

QString Text(const CQuillonView& view, int nId) {
    QWidget* control = view.Control(nId);
    if (auto* field = qobject_cast<QLineEdit*>(control)) {
        return field->text();
    }
    return qobject_cast<QLabel*>(control)->text();
}

bool Shown(const CQuillonView& view, int nId) {
    return !view.Control(nId)->isHidden();
}

bool RuleAllows(const CShellRig& rig, int nId) {
    return rig.Action(nId)->property(CMainFrame::kRuleProperty).toBool();
}

} // namespace

class MainFrameTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void firstStartWithAnEmptyProfile() {
        CShellRig rig;
        QVERIFY(rig.Start());
        const CQuillonDoc& doc = rig.Doc();
        QCOMPARE(doc.GetTyp(), 2);
        QCOMPARE(doc.GetInterfaceVersion(), 1);
        QCOMPARE(doc.GetComPort(), 0);
        QCOMPARE(doc.GetSprache(), 0);
        QCOMPARE(doc.GetLogIntervall(), 2);
        QCOMPARE(doc.GetLogStatus(), 0);
        QCOMPARE(doc.GetLinTabOption(), 1);
        QCOMPARE(doc.GetShowHardwareSetup(), 1);
        QCOMPARE(doc.GetStartupHinweis(), 1);
        QVERIFY(doc.GetPasswort().isEmpty());
        QVERIFY(!rig.app->IsEnglisch());
        QCOMPARE(rig.Frame().windowTitle(), QStringLiteral("Unbenannt - Varnex"));
        QCOMPARE(rig.Frame().statusBar()->currentMessage(), QStringLiteral("Bereit"));
        const QList<QAction*> buttons =
            rig.Frame().findChild<QToolBar*>(QStringLiteral("toolbar"))->actions();
        QCOMPARE(buttons.size(), 12);
        QCOMPARE(buttons.at(7)->toolTip(), QStringLiteral("Empfangen"));
        QCOMPARE(rig.Action(CCommandTable::kNew)->shortcut(), QKeySequence(QKeySequence::New));
        QVERIFY(rig.messages.isEmpty());

        rig.Stop();
        QCOMPARE(rig.profile.GetInt(QStringLiteral("TransmitterVersion"), -1), 2);
        QCOMPARE(rig.profile.GetInt(QStringLiteral("StartupHinweis"), -1), 1);
        QCOMPARE(rig.profile.GetInt(QStringLiteral("Language"), -1), 0);
    }

    void nonsenseProfileStartsWithDefaults() {
        CShellRig rig;
        rig.profile.SetInt(QStringLiteral("LogIntervall"), 300);
        rig.profile.SetInt(QStringLiteral("Language"), 2);
        rig.profile.SetText(QStringLiteral("COM"), QStringLiteral("drei"));
        QVERIFY(rig.Start());
        QVERIFY(!rig.app->IsEnglisch());
        QCOMPARE(rig.Doc().GetLogIntervall(), 2);
        QCOMPARE(rig.Doc().GetComPort(), 0);
        rig.Stop();
        QCOMPARE(rig.profile.GetInt(QStringLiteral("LogIntervall"), -1), 2);
        QCOMPARE(rig.profile.GetInt(QStringLiteral("Language"), -1), 0);
        QCOMPARE(rig.profile.GetInt(QStringLiteral("COM"), -1), 0);
    }

    void firstInitialUpdate() {
        CShellRig rig;
        QVERIFY(rig.Start());
        const CQuillonView& view = rig.View();
        QCOMPARE(qobject_cast<QGroupBox*>(view.Control(1302))->title(), QStringLiteral("Begrenzung Ausgang"));
        QCOMPARE(Text(view, 1303), QStringLiteral("Fehlersignal:"));
        for (const int nId : {1304, 1305, 1306}) {
            QVERIFY(Text(view, nId).isEmpty());
        }
        QVERIFY(!Shown(view, 1355));
        QVERIFY(!qobject_cast<QLabel*>(view.Control(1030))->pixmap().isNull());
    }

    void formPerType_data() {
        QTest::addColumn<int>("typ");
        QTest::addColumn<bool>("messbereich");
        QTest::addColumn<bool>("kennlinie");
        QTest::addColumn<bool>("tempDaempfung");
        QTest::addColumn<bool>("linTab");
        QTest::newRow("RX89") << 0 << true << false << false << true;
        QTest::newRow("RX31") << 2 << true << false << true << true;
        QTest::newRow("RX26 3-Leiter") << 4 << false << true << false << false;
        QTest::newRow("KA71") << 10 << true << false << false << true;
    }

    void formPerType() {
        QFETCH(int, typ);
        CShellRig rig;
        QVERIFY(rig.Start());
        CQuillonDoc& doc = rig.Doc();
        doc.SetTyp(typ);
        doc.SetEinheit(1);
        doc.SetAnzeigeEinheit(1);
        doc.SetDezimalstellen(1);
        doc.SetGrundEnde(16.0f);
        doc.SetMessAnfang(12.0f);
        doc.SetMessEnde(2.0f);
        doc.SetDaempfung(0.5f);
        doc.SetStromgrenzeMin(3.6f);
        doc.SetLinTabAnzahl(5);
        doc.SetBezeichnungText(QStringLiteral("Pumpe 7"));
        doc.UpdateAllViews();
        const CQuillonView& view = rig.View();
        for (const int nId : {1009, 1010, 1019, 1020, 1217, 1218}) {
            QTEST(Shown(view, nId), "messbereich");
        }
        QTEST(Shown(view, 1215), "kennlinie");
        QTEST(Shown(view, 1216), "kennlinie");
        for (const int nId : {1219, 1012, 1221}) {
            QTEST(Shown(view, nId), "tempDaempfung");
        }
        QTEST(Shown(view, 1131), "linTab");
        QVERIFY(qobject_cast<QCheckBox*>(view.Control(1131))->isChecked());
        QCOMPARE(Text(view, 1016), QStringLiteral("+16.0"));
        QCOMPARE(Text(view, 1216), QStringLiteral("fallend"));
        QCOMPARE(Text(view, 1011), QStringLiteral("+0.5"));
        QCOMPARE(Text(view, 1041), QStringLiteral("+3.60"));
        QCOMPARE(Text(view, 1023), CQuillonDoc::GetTypText(typ));
        QCOMPARE(Text(view, 1021).trimmed(), QStringLiteral("Pumpe 7"));
        QVERIFY(!Text(view, 1017).trimmed().isEmpty());
        QVERIFY(Shown(view, 1015) && Shown(view, 1011) && Shown(view, 1043));
    }

    void enablingRules() {
        CShellRig rig(CEdition::Kind::Werk);
        QVERIFY(rig.Start());
        rig.Trigger(CCommandTable::kNew);
        for (const int nId :
             {CCommandTable::kSenden, CCommandTable::kKonfiguration, CCommandTable::kAktuelleDaten}) {
            QVERIFY(!rig.Action(nId)->isEnabled());
            QVERIFY(!RuleAllows(rig, nId));
        }
        QVERIFY(rig.Action(CCommandTable::kEmpfangen)->isEnabled());
        rig.Doc().SetGueltig(true);
        rig.Doc().UpdateAllViews();
        QVERIFY(rig.Action(CCommandTable::kSenden)->isEnabled());
        QVERIFY(RuleAllows(rig, CCommandTable::kKonfiguration));
        QVERIFY(rig.Action(CCommandTable::kKonfiguration)->isEnabled());

        rig.Doc().SetTyp(7);
        rig.Doc().UpdateAllViews();
        for (const int nId : {32908, 32914, 32915, 32916, 32911}) {
            QVERIFY2(RuleAllows(rig, nId), qPrintable(QString::number(nId)));
        }
        for (const int nId : {32909, 32910, 32798, 32844, 32846, 32885, 32797, 32918}) {
            QVERIFY2(!RuleAllows(rig, nId), qPrintable(QString::number(nId)));
        }
        rig.Doc().Abgleichdaten().m_bGueltig = true;
        rig.Doc().Abgleichdaten().m_nReadForTyp = 7;
        rig.Doc().UpdateAllViews();
        QVERIFY(RuleAllows(rig, 32909));
        QVERIFY(RuleAllows(rig, 32906)); // the wizard has no rule
        // A VN62 record does not enable the KA71's show and write after "Transmitter-Typ...".
        rig.Doc().SetTyp(10);
        rig.Doc().UpdateAllViews();
        QVERIFY(!RuleAllows(rig, 32919) && !RuleAllows(rig, 32920));
        rig.Doc().SetTyp(7);
        rig.Doc().UpdateAllViews();
        // Every command of the table has the area that carries it out connected.
        for (const CommandEntry& entry : CCommandTable::Commands()) {
            QVERIFY2(rig.Frame().IsConnected(entry.nId), qPrintable(QString::number(entry.nId)));
        }

        // The customer edition has neither "Test" nor "Abgleich".
        CShellRig kunde;
        QVERIFY(kunde.Start());
        QCOMPARE(kunde.Action(32908), nullptr);
        QCOMPARE(kunde.Frame().menuBar()->actions().size() + 2, rig.Frame().menuBar()->actions().size());
    }

    /// An area connects its commands by id; the rule still decides, and an unconnected id does nothing.
    void connectedHandlersRunByTheirRule() {
        CShellRig rig;
        QVERIFY(rig.Start());
        rig.Trigger(CCommandTable::kNew);
        int nRuns = 0;
        rig.Frame().ConnectCommand(CCommandTable::kKonfiguration, [&nRuns] { ++nRuns; });
        rig.Frame().UpdateCommands();
        QVERIFY(!rig.Action(CCommandTable::kKonfiguration)->isEnabled()); // RV: no valid document yet
        rig.Doc().SetGueltig(true);
        rig.Doc().UpdateAllViews();
        QVERIFY(rig.Action(CCommandTable::kKonfiguration)->isEnabled());
        rig.Action(CCommandTable::kKonfiguration)->trigger();
        QCOMPARE(nRuns, 1);
        QVERIFY(!rig.Frame().Run(4711)); // not a command of the table
    }

    void openAndSaveThroughTheMenu() {
        CShellRig rig;
        QVERIFY(rig.Start());
        rig.Doc().SetTyp(2);
        rig.Doc().SetBezeichnungText(QStringLiteral("Linie 4"));
        rig.Doc().SetModifiedFlag(true);
        const QString path = rig.dir.filePath(QStringLiteral("linie4.qlc"));
        rig.chooser.paths.enqueue(path);
        rig.Trigger(CCommandTable::kSaveAs);
        QVERIFY(QFile::exists(path));
        QCOMPARE(rig.Frame().windowTitle(), QStringLiteral("linie4.qlc - Varnex"));
        QCOMPARE(rig.Frame().RecentFileActions().size(), 1);

        rig.Trigger(CCommandTable::kNew);
        QCOMPARE(rig.Frame().windowTitle(), QStringLiteral("Unbenannt - Varnex"));
        QVERIFY(rig.Doc().GetBezeichnungText().trimmed().isEmpty());

        rig.chooser.paths.enqueue(path);
        rig.Trigger(CCommandTable::kOpen);
        QCOMPARE(rig.Doc().GetBezeichnungText().trimmed(), QStringLiteral("Linie 4"));
        QVERIFY(rig.Action(CCommandTable::kSenden)->isEnabled());
        QCOMPARE(rig.Frame().windowTitle(), QStringLiteral("linie4.qlc - Varnex"));

        // A modified document asks before it is replaced; "Abbrechen" keeps it.
        rig.Doc().SetBezeichnungText(QStringLiteral("Linie 5"));
        rig.Doc().SetModifiedFlag(true);
        rig.Answer(IOperator::Answer::Cancel);
        rig.Trigger(CCommandTable::kNew);
        QCOMPARE(rig.MessageTexts().last(), QStringLiteral("Änderungen an linie4.qlc speichern?"));
        QCOMPARE(rig.Doc().GetBezeichnungText().trimmed(), QStringLiteral("Linie 5"));

        // A folder that cannot be written: the message, and the document stays modified.
        rig.chooser.paths.enqueue(rig.dir.filePath(QStringLiteral("fehlt/linie5.qlc")));
        const qsizetype shown = rig.messages.size();
        rig.Trigger(CCommandTable::kSaveAs);
        QCOMPARE(rig.messages.size(), shown + 1);
        QVERIFY(rig.Doc().IsModified());
        QCOMPARE(rig.Frame().windowTitle(), QStringLiteral("linie4.qlc - Varnex"));

        // The recent-file entry opens the file again (after "Nein" to saving the changes).
        rig.Answer(IOperator::Answer::No);
        rig.Frame().RecentFileActions().first()->trigger();
        QCOMPARE(rig.Doc().GetBezeichnungText().trimmed(), QStringLiteral("Linie 4"));
        rig.Stop();
        QCOMPARE(rig.profile.Value(QStringLiteral("Recent File List"), QStringLiteral("File1")).toString(),
                 path);
    }

    void refusedFileOnTheCommandLine() {
        CShellRig rig;
        const QString path = rig.dir.filePath(QStringLiteral("kaputt.qlc"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("kein Dokument");
        file.close();
        QVERIFY(rig.Start({path}));
        QCOMPARE(rig.messages.size(), 1);
        QCOMPARE(rig.Frame().windowTitle(), QStringLiteral("Unbenannt - Varnex"));
        QVERIFY(rig.Frame().RecentFileActions().isEmpty());
        QVERIFY(!rig.Doc().IsGueltig());
        QVERIFY(!rig.Action(CCommandTable::kSenden)->isEnabled());
    }

    void demoModeUsesTheSimulatorForThisRunOnly() {
        CMemoryProfileStore profile;
        profile.SetInt(QStringLiteral("COM"), 2);
        profile.SetInt(QStringLiteral("InterfaceVersion"), 0);
        profile.SetInt(QStringLiteral("TransmitterVersion"), 3);
        profile.SetInt(QStringLiteral("LogIntervall"), 2);
        QTemporaryDir dir;
        CQuillonApp::Seams seams;
        seams.profile = &profile;
        seams.bPortPins = false;
        seams.verzeichnis =
            CProgrammVerzeichnis(QCoreApplication::applicationDirPath(), QString(), dir.path());
        QList<CGuiOperator::Shown> messages;
        seams.answers = [&messages](const CGuiOperator::Shown& shown) {
            messages.append(shown);
            return std::optional<IOperator::Answer>(IOperator::Answer::Ok);
        };
        CQuillonApp app(CEdition::Kind::Werk, std::move(seams));
        QVERIFY(app.InitInstance({QStringLiteral("--demo"), QStringLiteral("10")}));
        QVERIFY(messages.isEmpty());
        QCOMPARE(app.MainFrame()->windowTitle(),
                 QStringLiteral("Unbenannt - Varnex Abgleich und Test (Demo)"));
        QCOMPARE(app.Document().GetTyp(), 10);
        QCOMPARE(app.Document().GetInterfaceVersion(), 1);
        const QString device =
            app.MainFrame()->View()->Session().Link().Sio().Serial().PortMap().DevicePath(3);
        QVERIFY2(device.startsWith(QStringLiteral("/dev/pts/")), qPrintable(device));
        // What the person changes in the demo's hardware stays in the demo; other settings are kept.
        app.MainFrame()->View()->StartupChecks() = CStartupChecks();
        CModalDriver::WhenShown<CComport>([](CComport* dialog) {
            dialog->PortButton(0)->click();
            QVERIFY(CModalDriver::Click(dialog, QStringLiteral("OK")));
        });
        app.MainFrame()->Action(32807)->trigger();
        QCOMPARE(app.Document().GetComPort(), 0);
        app.Document().SetLogIntervall(5);
        app.ExitInstance();
        QCOMPARE(profile.GetInt(QStringLiteral("COM"), -1), 2);
        QCOMPARE(profile.GetInt(QStringLiteral("InterfaceVersion"), -1), 0);
        QCOMPARE(profile.GetInt(QStringLiteral("TransmitterVersion"), -1), 3);
        QCOMPARE(profile.GetInt(QStringLiteral("LogIntervall"), -1), 5);
    }

    void messagesAreTitledWithTheProgramsNameAndShowItsIcon() {
        CShellRig rig(CEdition::Kind::Werk);
        QVERIFY(rig.Start());
        rig.Doc().Operator().Message(QStringLiteral("Empfangsfehler!"));
        QCOMPARE(rig.messages.last().caption, QStringLiteral("Varnex")); // not the edition's title
        // A field's refusal comes from the dialog itself, not through the operator.
        CSeriennummer dialog(QStringLiteral("123456.7"), &rig.Frame());
        QString title;
        qint64 nIcon = 0;
        CModalDriver::WhenShown(QStringLiteral("messagebox"), [&](QWidget* box) {
            title = box->windowTitle();
            nIcon = box->windowIcon().cacheKey();
            box->close();
        });
        dialog.accept();
        QCOMPARE(title, QStringLiteral("Varnex"));
        QVERIFY(!QApplication::windowIcon().isNull());
        QCOMPARE(nIcon, QApplication::windowIcon().cacheKey());
    }

    void wrongCommandLineEndsWithUsage() {
        CShellRig rig;
        QVERIFY(!rig.Start({QStringLiteral("--unbekannt")}));
        QCOMPARE(rig.app->FailureCode(), CQuillonApp::kExitUsage);
    }

    void startupChecksRunOnceAfterTheFirstPaint() {
        CShellRig rig;
        QVERIFY(rig.Start());
        QStringList ran;
        rig.View().StartupChecks().SetPasswordCheck([&ran] {
            ran.append(QStringLiteral("passwort"));
            return true;
        });
        rig.View().StartupChecks().SetAnschlusshinweis([&ran] { ran.append(QStringLiteral("hinweis")); });
        QVERIFY(QTest::qWaitForWindowExposed(&rig.Frame()));
        QTRY_COMPARE(ran.size(), 2);
        rig.View().repaint();
        QTest::qWait(50);
        QCOMPARE(ran, (QStringList{QStringLiteral("passwort"), QStringLiteral("hinweis")}));
    }
};

QTEST_MAIN(MainFrameTest)
#include "MainFrameTest.moc"
