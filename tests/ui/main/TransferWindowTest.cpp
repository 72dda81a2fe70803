// Receive and send through the window against the in-process simulator: the window stays alive during
// the waits, every command with a rule is disabled meanwhile and a second operation is refused, a
// failed receive leaves the form as it was, and closing the window during a transfer ends it cleanly.

#include "ShellRig.h"
#include "document/QuillonDoc.h"
#include "shell/CommandTable.h"
#include "transmitter/Commands.h"
#include "ui/main/MainFrame.h"
#include "ui/main/Progress.h"
#include "ui/main/QuillonView.h"

#include <QAction>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

namespace {

QString Field(const CShellRig& rig, int nId) {
    return qobject_cast<QLineEdit*>(rig.View().Control(nId))->text();
}

} // namespace

class TransferWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void receiveAndSendThroughTheMenu() {
        CShellRig rig;
        QVERIFY(rig.Start());
        rig.Frame().show();
        QString progressCaption;
        QTimer::singleShot(100, [&] {
            if (CProgress* progress = rig.app->Operator().Progress()) {
                progressCaption = progress->windowTitle();
            }
        });
        rig.Trigger(CCommandTable::kEmpfangen);
        QVERIFY2(rig.messages.isEmpty(), qPrintable(rig.MessageTexts().join(QStringLiteral(" | "))));
        QCOMPARE(progressCaption, QStringLiteral("Datentransfer")); // the window lived during the waits
        QCOMPARE(rig.app->Operator().Progress(), nullptr);
        QVERIFY(rig.Doc().IsGueltig());
        QCOMPARE(Field(rig, 1014), QString::fromLatin1(rig.sim.Transmitter().Kennung()));
        QVERIFY(rig.Action(CCommandTable::kSenden)->isEnabled());

        rig.Doc().SetBezeichnungText(QStringLiteral("Neu gesendet"));
        rig.Answer(IOperator::Answer::Yes); // "Parameter senden"
        rig.Trigger(CCommandTable::kSenden);
        QCOMPARE(rig.messages.size(), 1);
        QVERIFY(rig.sim.Transmitter().Tag().startsWith("Neu gesendet"));
        QVERIFY(rig.View().IsBereit());
    }

    void commandsWaitWhileAReceiveRuns() {
        CShellRig rig;
        QVERIFY(rig.Start());
        rig.chooser.paths.enqueue(rig.dir.filePath(QStringLiteral("vorher.qlc")));
        rig.Doc().SetGueltig(true);
        rig.Trigger(CCommandTable::kSaveAs); // one recent-file entry
        int updates = 0;
        connect(&rig.Doc(), &CQuillonDoc::documentUpdated, [&updates] { ++updates; });
        QStringList enabledMidway;
        bool checked = false;
        bool refused = false;
        bool started = false;
        QTimer::singleShot(150, [&] {
            checked = !rig.View().IsBereit();
            for (const CommandEntry& entry : CCommandTable::Commands()) {
                QAction* action = rig.Action(entry.nId);
                // Help and about stay enabled during a transfer; everything else waits.
                if (action && action->isEnabled() && entry.rule != EnableRule::Always) {
                    enabledMidway.append(QString::number(entry.nId));
                }
                if (action && entry.rule == EnableRule::Always &&
                    !action->property(CMainFrame::kRuleProperty).toBool()) {
                    enabledMidway.append(QStringLiteral("rule of %1").arg(entry.nId));
                }
            }
            for (QAction* recent : rig.Frame().RecentFileActions()) {
                if (recent->isEnabled()) {
                    enabledMidway.append(recent->text());
                }
            }
            // A click on the menu entry mid-transfer, and the command itself: neither starts a second one.
            rig.Trigger(CCommandTable::kEmpfangen);
            rig.View().OnEmpfangen();
            rig.Trigger(CCommandTable::kNew);
            // The window's one way into an operation says no, also for a command without a rule.
            refused = !rig.View().RunOperation([&started] { started = true; });
        });
        rig.Trigger(CCommandTable::kEmpfangen);
        QVERIFY(checked);
        QVERIFY(refused && !started);
        QVERIFY2(enabledMidway.isEmpty(), qPrintable(enabledMidway.join(QStringLiteral(", "))));
        QCOMPARE(updates, 1); // one receive ran, and "Neu" did not clear the document in between
        QVERIFY(rig.messages.isEmpty());
        QVERIFY(rig.Action(CCommandTable::kEmpfangen)->isEnabled());
        QVERIFY(rig.Frame().RecentFileActions().first()->isEnabled());
    }

    void failedReceiveLeavesTheFormAsItWas() {
        CShellRig rig;
        QVERIFY(rig.Start());
        rig.Doc().SetBezeichnungText(QStringLiteral("Bleibt"));
        rig.Doc().SetGrundEnde(6.0f);
        rig.Doc().SetGueltig(true);
        rig.Doc().UpdateAllViews();
        const QString shown = Field(rig, 1016);
        CSimulator::Faults faults;
        faults.silentCommands = {Cmd::GetDaempfung};
        rig.sim.SetFaults(faults);
        rig.Trigger(CCommandTable::kEmpfangen);
        QVERIFY(rig.MessageTexts().contains(QStringLiteral("Empfangsfehler!")));
        QCOMPARE(Field(rig, 1016), shown);
        QCOMPARE(Field(rig, 1021).trimmed(), QStringLiteral("Bleibt"));
        QVERIFY(rig.View().IsBereit());
        QVERIFY(rig.Action(CCommandTable::kEmpfangen)->isEnabled());
        QVERIFY(rig.Action(CCommandTable::kSenden)->isEnabled());
    }

    void closingDuringATransferAsksAndEndsIt() {
        CShellRig rig;
        QVERIFY(rig.Start());
        rig.Frame().show();
        bool closedMidway = true;
        QTimer::singleShot(150, [&] {
            rig.Answer(IOperator::Answer::No);
            rig.Frame().close(); // "No": the transfer goes on
            closedMidway = !rig.Frame().isVisible();
        });
        QTimer::singleShot(300, [&] {
            rig.Answer(IOperator::Answer::Yes);
            rig.Frame().close();
        });
        rig.Trigger(CCommandTable::kEmpfangen);
        QVERIFY(!closedMidway);
        QVERIFY(rig.MessageTexts().contains(QStringLiteral("Empfangsfehler!")));
        QTRY_VERIFY(!rig.Frame().isVisible());
        QVERIFY(!rig.View().Session().Link().Sio().IsPortOpen());
        QVERIFY(!rig.View().Session().Link().IsBusy());
    }

    void testRs232RunsTheLinkTimer() {
        CShellRig rig(CEdition::Kind::Werk);
        QVERIFY(rig.Start());
        QVERIFY(rig.Action(CCommandTable::kTestRs232)->isEnabled());
        rig.Trigger(CCommandTable::kTestRs232);
        QVERIFY(rig.View().IsTestTimerActive());
        rig.Trigger(CCommandTable::kEmpfangen); // a transaction takes the timer over
        QVERIFY(!rig.View().IsTestTimerActive());
    }
};

QTEST_MAIN(TransferWindowTest)
#include "TransferWindowTest.moc"
