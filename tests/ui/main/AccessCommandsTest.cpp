// The window's first paint with its real start-up dialogs, and the commands of hardware setup, help,
// passwords and about reached through the menus of both editions.

#include "../ModalDriver.h"
#include "ShellRig.h"
#include "document/Einstellungen.h"
#include "document/QuillonDoc.h"
#include "shell/CommandTable.h"
#include "ui/access/About.h"
#include "ui/access/ChangePsw.h"
#include "ui/access/Freigabe.h"
#include "ui/access/GetKey.h"
#include "ui/access/Passwort.h"
#include "ui/main/MainFrame.h"
#include "ui/main/QuillonView.h"
#include "ui/setup/Comport.h"
#include "ui/setup/HardwareSetup.h"
#include "ui/setup/HinweisText.h"
#include "ui/setup/PCInterface.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

namespace {

void CollectMenuIds(const QList<QAction*>& actions, QList<int>& ids) {
    for (QAction* action : actions) {
        if (action->menu() != nullptr) {
            CollectMenuIds(action->menu()->actions(), ids);
        } else if (action->objectName().startsWith(QStringLiteral("cmd"))) {
            ids.append(action->objectName().mid(3).toInt());
        }
    }
}

QList<int> MenuIds(const CMainFrame& frame) {
    QList<int> ids;
    CollectMenuIds(frame.menuBar()->actions(), ids);
    return ids;
}

} // namespace

class AccessCommandsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { CModalDriver::Reset(); }

    void firstPaintAsksPasswordThenSetupThenNotice() {
        CShellRig rig;
        rig.bStartupChecks = true;
        rig.profile.SetText(QStringLiteral("Psw"), Scrambled());
        QStringList shown;
        CModalDriver::WhenShown<CPasswort>([&shown](CPasswort* dialog) {
            shown.append(dialog->windowTitle());
            QTest::keyClicks(dialog->Field(), QStringLiteral("geheim"));
            dialog->accept();
            CModalDriver::WhenShown<CHardwareSetup>([&shown](CHardwareSetup* setup) {
                shown.append(setup->windowTitle());
                setup->ShowAtStartBox()->setChecked(false);
                setup->OkButton()->click();
                CModalDriver::WhenShown<CHinweisText>([&shown](CHinweisText* notice) {
                    shown.append(notice->windowTitle());
                    notice->accept();
                });
            });
        });
        QVERIFY(rig.Start());
        QVERIFY(QTest::qWaitForWindowExposed(&rig.Frame()));
        QTRY_COMPARE(shown.size(), 3);
        QCOMPARE(shown, (QStringList{QStringLiteral("Passworteingabe"), QStringLiteral("Hardware Setup"),
                                     QStringLiteral("Hinweis")}));
        QCOMPARE(rig.Doc().GetShowHardwareSetup(), 0);
    }

    void refusedPasswordEndsTheProgramBeforeAnyOtherDialog() {
        CShellRig rig;
        rig.bStartupChecks = true;
        rig.profile.SetText(QStringLiteral("Psw"), Scrambled());
        bool bSetup = false;
        CModalDriver::WhenShown<CHardwareSetup>([&bSetup](CHardwareSetup* setup) {
            bSetup = true;
            setup->reject();
        });
        CModalDriver::WhenShown<CPasswort>([](CPasswort* dialog) {
            QTest::keyClicks(dialog->Field(), QStringLiteral("falsch"));
            dialog->accept();
        });
        QVERIFY(rig.Start());
        // The product ends the application here; the test keeps its own event loop.
        QObject::disconnect(rig.Frame().View(), &CQuillonView::startupRefused, nullptr, nullptr);
        QSignalSpy refused(rig.Frame().View(), &CQuillonView::startupRefused);
        QVERIFY(QTest::qWaitForWindowExposed(&rig.Frame()));
        QTRY_COMPARE(refused.count(), 1);
        QCOMPARE(rig.MessageTexts(), QStringList{QStringLiteral("Das Passwort ist nicht korrekt!")});
        QVERIFY(!bSetup);
    }

    void commandsAreInTheMenusOfBothEditions() {
        for (const CEdition::Kind kind : {CEdition::Kind::Kunde, CEdition::Kind::Werk}) {
            CShellRig rig(kind);
            QVERIFY(rig.Start());
            const QList<int> ids = MenuIds(rig.Frame());
            for (const int nId : {32776, 32901, 32807, 32850, 32903, 32904, 32902, 57664}) {
                QVERIFY2(ids.contains(nId), qPrintable(QString::number(nId)));
            }
            QCOMPARE(ids.contains(32836), kind == CEdition::Kind::Werk);
        }
    }

    void portAndInterfaceChoiceThroughTheMenu() {
        CShellRig rig;
        QVERIFY(rig.Start());
        QVERIFY2(rig.Action(32850)->isEnabled(), "interface kind command disabled");
        CModalDriver::WhenShown<CPCInterface>([](CPCInterface* dialog) {
            dialog->Choice(0)->click();
            QVERIFY(CModalDriver::Click(dialog, QStringLiteral("OK")));
        });
        rig.Trigger(32850);
        QCOMPARE(rig.Doc().GetInterfaceVersion(), 0);

        rig.Doc().SetComPort(3);
        CModalDriver::WhenShown<CComport>([](CComport* dialog) {
            QVERIFY(!dialog->SearchButton()->isEnabled()); // a PL40 has no search
            dialog->PortButton(0)->click();
            QVERIFY(CModalDriver::Click(dialog, QStringLiteral("OK")));
        });
        rig.Trigger(32807);
        QCOMPARE(rig.Doc().GetComPort(), 0);
    }

    void passwordChangeThroughTheMenu() {
        CShellRig rig;
        QVERIFY(rig.Start());
        CModalDriver::WhenShown<CChangePsw>([](CChangePsw* dialog) {
            QTest::keyClicks(dialog->NeuField(), QStringLiteral("neu_pw"));
            QTest::keyClicks(dialog->BestaetigungField(), QStringLiteral("neu_pw"));
            dialog->accept();
        });
        rig.Trigger(32776);
        QCOMPARE(rig.Doc().GetPasswort(), QStringLiteral("NEU_PW"));
        QCOMPARE(rig.MessageTexts(), QStringList{QStringLiteral("Das Passwort wurde geändert!")});
        rig.Stop();
        QCOMPARE(rig.profile.GetText(QStringLiteral("Psw"), QString()), Scrambled("NEU_PW"));
    }

    void aboutThroughTheMenu() {
        CShellRig rig;
        QVERIFY(rig.Start());
        bool bShown = false;
        CModalDriver::WhenShown<CAbout>([&bShown](CAbout* about) {
            bShown = true;
            QVERIFY(CModalDriver::Click(about, QStringLiteral("OK")));
        });
        rig.Trigger(57664);
        QVERIFY(bShown);
    }

    void aReleaseThatWasNotSentIsNotConfirmed() {
        CShellRig rig;
        QVERIFY(rig.Start());
        rig.device->SetOpenable(false);
        CModalDriver::WhenShown<CAbout>([](CAbout* about) {
            CModalDriver::WhenShown<CPasswort>([](CPasswort* dialog) {
                QTest::keyClicks(dialog->Field(), QStringLiteral("qxv"));
                dialog->accept();
            });
            CModalDriver::WhenShown<CFreigabe>(
                [](CFreigabe* freigabe) { freigabe->FreigebenButton()->click(); });
            QTest::keyClick(about->KeyField(), Qt::Key_Return, Qt::ControlModifier);
            QVERIFY(CModalDriver::Click(about, QStringLiteral("OK")));
        });
        rig.Trigger(57664);
        const QStringList texts = rig.MessageTexts();
        QVERIFY2(texts.contains(QStringLiteral("Sendefehler!")),
                 qPrintable(texts.join(QStringLiteral(" | "))));
        QVERIFY(!texts.contains(QStringLiteral("Die Fernparametrierung wurde freigegeben.")));
    }

private:
    static QString Scrambled(const char* text = "GEHEIM");
};

QString AccessCommandsTest::Scrambled(const char* text) {
    return CEinstellungen::ScrambleText(QString::fromLatin1(text));
}

QTEST_MAIN(AccessCommandsTest)
#include "AccessCommandsTest.moc"
