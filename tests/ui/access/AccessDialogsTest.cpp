// The access dialogs in the window: the start-up password prompt, the about box with its hidden
// Ctrl+Enter entry and QlSet.cfg, "Freigabe" and "Passwort ändern".

#include "../ModalDriver.h"
#include "SequenceRig.h"
#include "document/Einstellungen.h"
#include "sim/SimTransmitter.h"
#include "ui/access/About.h"
#include "ui/access/AccessCommands.h"
#include "ui/access/ChangePsw.h"
#include "ui/access/Freigabe.h"
#include "ui/access/GetKey.h"
#include "ui/access/Passwort.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

using FreigabeAction = IPasswordDialogs::FreigabeAction;

/// The window's access commands with QlSet.cfg in a directory of their own and the simulator behind.
struct CommandRig {
    QTemporaryDir dir;
    CSequenceRig seq{3};
    CQuillonDoc doc{seq.op, dir.path()};
    QWidget window;
    CAccessCommands commands{doc, seq.op, seq.link, seq.connection, &window};
};

/// Types the text into the password prompt and confirms it.
void AnswerPassword(const QString& text) {
    CModalDriver::WhenShown<CPasswort>([text](CPasswort* dialog) {
        QTest::keyClicks(dialog->Field(), text);
        dialog->accept();
    });
}

} // namespace

class AccessDialogsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { CModalDriver::Reset(); }

    void noPasswordNoPrompt() {
        CommandRig rig;
        bool bPrompted = false;
        CModalDriver::WhenShown<CPasswort>([&bPrompted](CPasswort* dialog) {
            bPrompted = true;
            dialog->reject();
        });
        QVERIFY(rig.commands.CheckPassword());
        QTest::qWait(50);
        QVERIFY(!bPrompted);
    }

    void setPasswordIsAskedOnceAndTakenInLowerCase() {
        CommandRig rig;
        rig.doc.SetPasswort(QStringLiteral("GEHEIM"));
        CModalDriver::WhenShown<CPasswort>([](CPasswort* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Passworteingabe"));
            QCOMPARE(dialog->Field()->echoMode(), QLineEdit::Password);
            QVERIFY(dialog->Field()->text().isEmpty());
            QTest::keyClicks(dialog->Field(), QStringLiteral("geheim"));
            QVERIFY(CModalDriver::Click(dialog, QStringLiteral("OK")));
        });
        QVERIFY(rig.commands.CheckPassword());
        QCOMPARE(rig.doc.GetSitzungsPasswort(), QStringLiteral("geheim"));

        CommandRig cancelled;
        cancelled.doc.SetPasswort(QStringLiteral("GEHEIM"));
        CModalDriver::WhenShown<CPasswort>(
            [](CPasswort* dialog) { QVERIFY(CModalDriver::Click(dialog, QStringLiteral("Abbrechen"))); });
        QVERIFY(!cancelled.commands.CheckPassword());
    }

    void masterPasswordAtTheStartPrompt() {
        CommandRig rig;
        rig.doc.SetPasswort(QStringLiteral("GEHEIM"));
        AnswerPassword(CQuillonDoc::GetMasterPasswort());
        QVERIFY(rig.commands.CheckPassword());
        QCOMPARE(rig.doc.GetSitzungsPasswort(), CQuillonDoc::GetMasterPasswort());
    }

    void aboutShowsTheVersionAndRemembersCtrlEnter() {
        CAbout about;
        QCOMPARE(about.windowTitle(), QStringLiteral("Info über Varnex"));
        QCOMPARE(about.VersionLabel()->text(), QStringLiteral("Varnex\nVersion 2.34"));
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QCOMPARE(about.focusWidget(), about.KeyField());
        QTest::keyClick(about.KeyField(), Qt::Key_X);
        QVERIFY(!about.KeyFlag());

        AnswerPassword(QStringLiteral("service"));
        QTest::keyClick(about.KeyField(), Qt::Key_Return, Qt::ControlModifier);
        QVERIFY(about.KeyFlag());
        QCOMPARE(about.Passwort(), QStringLiteral("service"));
        QVERIFY(about.isVisible()); // Ctrl+Enter is not the box's "OK"
        QVERIFY(about.KeyField()->text().isEmpty());

        QTest::keyClick(about.KeyField(), Qt::Key_A);
        QVERIFY(about.KeyFlag());
        QVERIFY(about.Passwort().isEmpty());
    }

    void ctrlEnterWithAWrongPasswordStillWritesQlSetCfg() {
        CommandRig rig;
        bool bFreigabe = false;
        CModalDriver::WhenShown<CFreigabe>([&bFreigabe](CFreigabe* dialog) {
            bFreigabe = true;
            dialog->accept();
        });
        CModalDriver::WhenShown<CAbout>([](CAbout* about) {
            AnswerPassword(QStringLiteral("falsch"));
            QTest::keyClick(about->KeyField(), Qt::Key_Enter, Qt::ControlModifier);
            QVERIFY(CModalDriver::Click(about, QStringLiteral("OK")));
        });
        rig.commands.About();
        QTest::qWait(50);
        QVERIFY(!bFreigabe);
        QVERIFY(QFile::exists(rig.dir.filePath(CEinstellungen::CfgDateiName())));
        QCOMPARE(CEinstellungen::ReadCfgText(rig.dir.path()), QStringLiteral("QXV"));
    }

    void aboutClosedWithoutTheKeyWritesNothing() {
        CommandRig rig;
        CModalDriver::WhenShown<CAbout>(
            [](CAbout* about) { QVERIFY(CModalDriver::Click(about, QStringLiteral("OK"))); });
        rig.commands.About();
        QVERIFY(!QFile::exists(rig.dir.filePath(CEinstellungen::CfgDateiName())));
    }

    void releasePasswordOpensFreigabeAndLocksTheTransmitter() {
        CommandRig rig;
        CModalDriver::WhenShown<CAbout>([](CAbout* about) {
            AnswerPassword(QStringLiteral("QxV"));
            CModalDriver::WhenShown<CFreigabe>([](CFreigabe* freigabe) {
                QCOMPARE(freigabe->windowTitle(), QStringLiteral("Freigabe"));
                freigabe->SperrenButton()->click();
            });
            QTest::keyClick(about->KeyField(), Qt::Key_Return, Qt::ControlModifier);
            QVERIFY(CModalDriver::Click(about, QStringLiteral("OK")));
        });
        rig.commands.About();
        QVERIFY(!rig.seq.sim.Transmitter().Released());
        QCOMPARE(rig.seq.op.MessageTexts(),
                 QStringList{QStringLiteral("Die Fernparametrierung wurde gesperrt.")});
    }

    void freigabeButtonsEndTheDialogWithTheirAction() {
        const QList<std::pair<QString, FreigabeAction>> buttons{
            {QStringLiteral("Freigeben"), FreigabeAction::Freigeben},
            {QStringLiteral("Sperren"), FreigabeAction::Sperren},
            {QStringLiteral("Passwort ändern"), FreigabeAction::PasswortAendern},
            {QStringLiteral("OK"), FreigabeAction::Ok}};
        for (const auto& [text, action] : buttons) {
            CFreigabe dialog;
            dialog.show();
            QVERIFY(CModalDriver::Click(&dialog, text));
            QVERIFY(!dialog.isVisible());
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            QCOMPARE(dialog.Action(), action);
        }
    }

    void changePasswordPresetsTheOldReleasePassword() {
        CChangePsw dialog(QStringLiteral("QXV"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Passwort ändern"));
        QCOMPARE(dialog.AltField()->text(), QStringLiteral("QXV"));
        QCOMPARE(dialog.NeuField()->echoMode(), QLineEdit::Password);
        QTest::keyClicks(dialog.NeuField(), QStringLiteral("ab"));
        QTest::keyClicks(dialog.BestaetigungField(), QStringLiteral("ab"));
        const IPasswordDialogs::PasswordChange values = dialog.Values();
        QCOMPARE(values.alt, QStringLiteral("QXV"));
        QCOMPARE(values.neu, QStringLiteral("ab"));
        QCOMPARE(values.bestaetigung, QStringLiteral("ab"));
    }
};

QTEST_MAIN(AccessDialogsTest)
#include "AccessDialogsTest.moc"
