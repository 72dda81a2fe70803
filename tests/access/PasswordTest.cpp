// The program password at start and its change, the release password of the about box's hidden entry
// with QlSet.cfg, and the release and lock of remote parametrization against the simulator.

#include "ScriptedOperator.h"
#include "ScriptedPasswordDialogs.h"
#include "SequenceRig.h"
#include "access/AboutRules.h"
#include "access/GetKeyRules.h"
#include "access/PasswordRules.h"
#include "access/ProgramPassword.h"
#include "access/ReleaseEntry.h"
#include "access/RemoteParametrization.h"
#include "document/Einstellungen.h"
#include "sim/SimTransmitter.h"
#include "transmitter/Commands.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Change = IPasswordDialogs::PasswordChange;
using Action = IPasswordDialogs::FreigabeAction;

const QString kNichtKorrekt = QStringLiteral("Die Passwörter sind nicht korrekt!");
const QString kUngueltig = QStringLiteral("Ungültige Zeichen im Passwort!");
const QString kGeaendert = QStringLiteral("Das Passwort wurde geändert!");
const QString kZuKurz = QStringLiteral("Das Passwort muß mindestens 3 Zeichen lang sein.");

/// The program password's operations on a document of their own.
struct ProgramRig {
    CScriptedOperator op;
    CScriptedPasswordDialogs dialogs;
    CQuillonDoc doc{op, QString()};
    CProgramPassword password{doc, op, dialogs};
};

/// The hidden entry of the about box with QlSet.cfg in a directory of its own, and the simulator
/// behind the release and lock.
struct ReleaseRig {
    QTemporaryDir dir;
    CSequenceRig seq{3};
    CScriptedPasswordDialogs dialogs;
    CRemoteParametrization remote{seq.link, seq.connection};
    CQuillonDoc cfgDoc;
    CReleaseEntry entry;

    explicit ReleaseRig(const QString& programDir = QString())
        : cfgDoc(seq.op, programDir.isEmpty() ? dir.path() : programDir)
        , entry(cfgDoc, seq.op, dialogs, remote) {}

    QString CfgPath() const { return dir.filePath(CEinstellungen::CfgDateiName()); }
};

} // namespace

class PasswordTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void validCharactersAfterUpperCase_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("stored");
        QTest::newRow("lower case with underscore") << "neu_pw1" << true << "NEU_PW1";
        QTest::newRow("blank and punctuation") << " !?@[]^" << true << " !?@[]^";
        QTest::newRow("empty") << "" << true << "";
        QTest::newRow("umlaut") << QStringLiteral("müller") << false << QStringLiteral("MüLLER");
        QTest::newRow("curly brace") << "a{b" << false << "A{B";
        QTest::newRow("grave accent, the first code above _") << "a`" << false << "A`";
        QTest::newRow("sharp s is not widened to SS") << QStringLiteral("ß") << false << QStringLiteral("ß");
        QTest::newRow("tab") << "a\tb" << false << "A\tB";
    }

    void validCharactersAfterUpperCase() {
        QFETCH(QString, typed);
        QFETCH(bool, valid);
        QFETCH(QString, stored);
        QCOMPARE(CPasswordRules::IsValidPassword(typed), valid);
        QCOMPARE(typed, stored);
    }

    void equalityIgnoresCaseButNotLength() {
        QVERIFY(CPasswordRules::IsEqual(QStringLiteral("GeHeim"), QStringLiteral("gEhEIM")));
        QVERIFY(!CPasswordRules::IsEqual(QStringLiteral("GEHEIM"), QStringLiteral("GEHEIM ")));
        QVERIFY(CPasswordRules::IsEqual(QString(), QString()));
    }

    void withoutProgramPasswordNothingIsAsked() {
        ProgramRig rig;
        QVERIFY(rig.password.CheckPassword());
        QCOMPARE(rig.dialogs.passwordPrompts, 0);
        QVERIFY(rig.op.messages.isEmpty());
    }

    void setPasswordIsAskedOnceAndAcceptedInLowerCase() {
        ProgramRig rig;
        rig.doc.SetPasswort(QStringLiteral("GEHEIM"));
        rig.dialogs.passwords.enqueue(QStringLiteral("geheim"));
        QVERIFY(rig.password.CheckPassword());
        QCOMPARE(rig.dialogs.passwordPrompts, 1);
        QCOMPARE(rig.doc.GetSitzungsPasswort(), QStringLiteral("geheim"));
        QVERIFY(rig.op.messages.isEmpty());
    }

    void masterPasswordIsAcceptedAndKeptForTheSession() {
        ProgramRig rig;
        rig.doc.SetPasswort(QStringLiteral("GEHEIM"));
        rig.dialogs.passwords.enqueue(CQuillonDoc::GetMasterPasswort().toUpper());
        QVERIFY(rig.password.CheckPassword());
        QCOMPARE(rig.doc.GetSitzungsPasswort(), CQuillonDoc::GetMasterPasswort().toUpper());

        rig.doc.SetSitzungsPasswort(CQuillonDoc::GetMasterPasswort());
        QVERIFY(rig.password.CheckPassword());
        QCOMPARE(rig.dialogs.passwordPrompts, 1);
    }

    void wrongOrCancelledEntryEndsWithoutRetry() {
        ProgramRig rig;
        rig.doc.SetPasswort(QStringLiteral("GEHEIM"));
        rig.dialogs.passwords.enqueue(QStringLiteral("geheim1"));
        rig.dialogs.passwords.enqueue(QStringLiteral("geheim"));
        QVERIFY(!rig.password.CheckPassword());
        QCOMPARE(rig.dialogs.passwordPrompts, 1);
        QCOMPARE(rig.op.MessageTexts(), QStringList{QStringLiteral("Das Passwort ist nicht korrekt!")});
        QVERIFY(rig.doc.GetSitzungsPasswort().isEmpty());

        ProgramRig cancelled;
        cancelled.doc.SetPasswort(QStringLiteral("GEHEIM"));
        QVERIFY(!cancelled.password.CheckPassword());
        QVERIFY(cancelled.op.messages.isEmpty());
    }

    void changeProgramPassword_data() {
        QTest::addColumn<QString>("alt");
        QTest::addColumn<QString>("neu");
        QTest::addColumn<QString>("bestaetigung");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("stored");
        QTest::newRow("lower case with underscore") << "alt"
                                                    << "neu_pw"
                                                    << "NEU_PW" << kGeaendert << QStringLiteral("NEU_PW");
        QTest::newRow("master password as the old one") << CQuillonDoc::GetMasterPasswort() << "abc"
                                                        << "abc" << kGeaendert << QStringLiteral("ABC");
        QTest::newRow("empty removes the protection") << "ALT"
                                                      << ""
                                                      << "" << kGeaendert << QString();
        QTest::newRow("umlaut") << "alt" << QStringLiteral("bär") << QStringLiteral("bär") << kUngueltig
                                << "ALT";
        QTest::newRow("curly brace") << "alt"
                                     << "a{"
                                     << "a{" << kUngueltig << "ALT";
        QTest::newRow("wrong old password") << "alx"
                                            << "neu"
                                            << "neu" << kNichtKorrekt << "ALT";
        QTest::newRow("confirmation differs") << "alt"
                                              << "neu"
                                              << "neu1" << kNichtKorrekt << "ALT";
    }

    void changeProgramPassword() {
        QFETCH(QString, alt);
        QFETCH(QString, neu);
        QFETCH(QString, bestaetigung);
        QFETCH(QString, message);
        QFETCH(QString, stored);
        ProgramRig rig;
        rig.doc.SetPasswort(QStringLiteral("ALT"));
        rig.doc.SetSitzungsPasswort(QStringLiteral("alt"));
        rig.dialogs.changes.enqueue(Change{alt, neu, bestaetigung});
        rig.password.ChangeProgramPassword();
        QCOMPARE(rig.dialogs.changePresets, QStringList{QString()});
        QCOMPARE(rig.op.MessageTexts(), QStringList{message});
        QCOMPARE(rig.doc.GetPasswort(), stored);
        QCOMPARE(rig.doc.GetSitzungsPasswort(), message == kGeaendert ? stored : QStringLiteral("alt"));
    }

    void cancelledChangeKeepsThePassword() {
        ProgramRig rig;
        rig.doc.SetPasswort(QStringLiteral("ALT"));
        rig.password.ChangeProgramPassword();
        QVERIFY(rig.op.messages.isEmpty());
        QCOMPARE(rig.doc.GetPasswort(), QStringLiteral("ALT"));
    }

    void changeReleasePassword_data() {
        QTest::addColumn<int>("minimum");
        QTest::addColumn<QString>("alt");
        QTest::addColumn<QString>("neu");
        QTest::addColumn<QString>("bestaetigung");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("result");
        const QString fehler = QStringLiteral("Passwort-Fehler");
        QTest::newRow("changed") << 3 << "qxv"
                                 << "neu"
                                 << "NEU" << kGeaendert << "Quillon"
                                 << "NEU";
        QTest::newRow("master code as the old one") << 3 << CQuillonDoc::GetMasterCode() << "n_1"
                                                    << "n_1" << kGeaendert << "Quillon"
                                                    << "N_1";
        QTest::newRow("two characters") << 3 << "QXV"
                                        << "ab"
                                        << "ab" << kZuKurz << ""
                                        << "";
        QTest::newRow("no minimum given") << 0 << "QXV"
                                          << "abcd"
                                          << "abcd" << kZuKurz << ""
                                          << "";
        QTest::newRow("umlaut") << 3 << "QXV" << QStringLiteral("äbc") << QStringLiteral("äbc") << kUngueltig
                                << fehler << "";
        QTest::newRow("wrong old") << 3 << "QXX"
                                   << "abc"
                                   << "abc" << kNichtKorrekt << fehler << "";
        QTest::newRow("confirmation differs") << 3 << "QXV"
                                              << "abc"
                                              << "abd" << kNichtKorrekt << fehler << "";
        QTest::newRow("longer than QlSet.cfg holds")
            << 3 << "QXV" << QString(256, QLatin1Char('A')) << QString(256, QLatin1Char('A'))
            << QStringLiteral("Das Passwort darf höchstens 255 Zeichen lang sein.") << fehler << "";
    }

    void changeReleasePassword() {
        QFETCH(int, minimum);
        QFETCH(QString, alt);
        QFETCH(QString, neu);
        QFETCH(QString, bestaetigung);
        QFETCH(QString, message);
        QFETCH(QString, caption);
        QFETCH(QString, result);
        ReleaseRig rig;
        rig.dialogs.changes.enqueue(Change{alt, neu, bestaetigung});
        const std::optional<QString> changed =
            rig.entry.ChangeReleasePassword(minimum, QStringLiteral("qxv"));
        QCOMPARE(rig.dialogs.changePresets, QStringList{QStringLiteral("qxv")});
        QCOMPARE(changed.value_or(QString()), result);
        QCOMPARE(rig.seq.op.MessageTexts(), QStringList{message});
        QCOMPARE(rig.seq.op.messages.first().caption, caption);
    }

    void wrongPasswordAtTheHiddenEntryStillWritesTheFile() {
        ReleaseRig rig;
        const QString p = rig.entry.ReadReleasePassword();
        QCOMPARE(p, QStringLiteral("qxv"));
        rig.entry.Run(p, QStringLiteral("falsch"));
        QCOMPARE(rig.dialogs.freigabeShown, 0);
        QVERIFY(rig.seq.op.messages.isEmpty());
        QVERIFY(QFile::exists(rig.CfgPath()));
        QCOMPARE(CEinstellungen::ReadCfgText(rig.dir.path()), QStringLiteral("QXV"));
    }

    void releasePasswordInLowerCaseOrMasterCodeOpensFreigabe() {
        ReleaseRig rig;
        QVERIFY(CEinstellungen::WriteCfgText(rig.dir.path(), QStringLiteral("SERVICE")));
        rig.entry.Run(rig.entry.ReadReleasePassword(), QStringLiteral("service"));
        rig.entry.Run(rig.entry.ReadReleasePassword(), CQuillonDoc::GetMasterCode().toUpper());
        QCOMPARE(rig.dialogs.freigabeShown, 2);
        QCOMPARE(CEinstellungen::ReadCfgText(rig.dir.path()), QStringLiteral("SERVICE"));
    }

    void tooShortNewReleasePasswordKeepsTheOldOneInTheFile() {
        ReleaseRig rig;
        QVERIFY(CEinstellungen::WriteCfgText(rig.dir.path(), QStringLiteral("ALT")));
        rig.dialogs.actions.enqueue(Action::PasswortAendern);
        rig.dialogs.changes.enqueue(
            Change{QStringLiteral("ALT"), QStringLiteral("ab"), QStringLiteral("ab")});
        rig.entry.Run(rig.entry.ReadReleasePassword(), QStringLiteral("alt"));
        QCOMPARE(rig.seq.op.MessageTexts(), QStringList{kZuKurz});
        QCOMPARE(CEinstellungen::ReadCfgText(rig.dir.path()), QStringLiteral("ALT"));

        rig.dialogs.actions.enqueue(Action::PasswortAendern);
        rig.dialogs.changes.enqueue(
            Change{QStringLiteral("alt"), QStringLiteral("neu"), QStringLiteral("neu")});
        rig.entry.Run(rig.entry.ReadReleasePassword(), QStringLiteral("alt"));
        QCOMPARE(CEinstellungen::ReadCfgText(rig.dir.path()), QStringLiteral("NEU"));
    }

    void unwritableProgramDirectoryIsToldWithThePath() {
        QTemporaryDir dir;
        QFile blocker(dir.filePath(QStringLiteral("datei")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        // A directory below a plain file can be written by nobody, not even by root.
        const QString programDir = dir.filePath(QStringLiteral("datei/programm"));
        ReleaseRig rig(programDir);
        rig.entry.Run(rig.entry.ReadReleasePassword(), QStringLiteral("falsch"));
        QCOMPARE(rig.seq.op.messages.size(), 1);
        QVERIFY(rig.seq.op.messages.first().text.startsWith(
            QStringLiteral("Das Freigabe-Passwort konnte nicht gespeichert werden")));
        QVERIFY(rig.seq.op.messages.first().text.contains(programDir + QStringLiteral("/QlSet.cfg")));
        QCOMPARE(rig.seq.op.messages.first().icon, IOperator::Icon::Error);
    }

    void releaseAndLockReachTheTransmitter() {
        ReleaseRig rig;
        QVERIFY(rig.seq.sim.Transmitter().Released());
        rig.dialogs.actions.enqueue(Action::Sperren);
        rig.entry.Run(QStringLiteral("qxv"), QStringLiteral("QXV"));
        QVERIFY(!rig.seq.sim.Transmitter().Released());
        QList<CSequenceRig::Frame> frames = CSequenceRig::Only(rig.seq.TakeFrames(), Cmd::SetFreigabe);
        QCOMPARE(frames.size(), 1);
        QCOMPARE(frames.first().payload, QByteArray("0"));
        QCOMPARE(rig.seq.op.MessageTexts(),
                 QStringList{QStringLiteral("Die Fernparametrierung wurde gesperrt.")});
        QVERIFY(!rig.seq.link.Sio().IsPortOpen());

        rig.dialogs.actions.enqueue(Action::Freigeben);
        rig.entry.Run(QStringLiteral("qxv"), QStringLiteral("qxv"));
        QVERIFY(rig.seq.sim.Transmitter().Released());
        frames = CSequenceRig::Only(rig.seq.TakeFrames(), Cmd::SetFreigabe);
        QCOMPARE(frames.size(), 1);
        QCOMPARE(frames.first().payload, QByteArray("1"));
        QCOMPARE(rig.seq.op.messages.last().text,
                 QStringLiteral("Die Fernparametrierung wurde freigegeben."));
    }

    void hiddenFieldRemembersOnlyAConfirmedPasswordAfterCtrlEnter() {
        CGetKeyRules key;
        QList<std::optional<QString>> answers{QStringLiteral("abc"), std::nullopt};
        int asked = 0;
        const auto ask = [&]() { return answers.at(asked++); };
        key.OnCharacter('x', ask);
        QVERIFY(!key.KeyFlag());
        key.OnCharacter(CGetKeyRules::kCtrlEnter, ask);
        QVERIFY(key.KeyFlag());
        QCOMPARE(key.Passwort(), QStringLiteral("abc"));
        key.OnCharacter('y', ask); // any further key forgets the password, the flag stays
        QVERIFY(key.KeyFlag());
        QVERIFY(key.Passwort().isEmpty());
        key.OnCharacter(CGetKeyRules::kCtrlEnter, ask); // cancelled
        QVERIFY(key.Passwort().isEmpty());
        QCOMPARE(asked, 2);
        key.Reset();
        QVERIFY(!key.KeyFlag());
        QCOMPARE(CAboutRules::VersionText(), QStringLiteral("Varnex\nVersion 2.34"));
    }

    void failedConnectIsToldAndNotConfirmed() {
        for (const bool bFreigeben : {true, false}) {
            ReleaseRig rig;
            rig.seq.doc.SetInterfaceVersion(0); // an RX26 2-wire cannot be reached through a PL40
            rig.remote.SetRemoteParametrization(bFreigeben);
            QCOMPARE(rig.seq.op.MessageTexts(), (QStringList{QStringLiteral("Fail to Connect Transmitter"),
                                                             QStringLiteral("Sendefehler!")}));
            QVERIFY(rig.seq.sim.Transmitter().Released());
            QVERIFY(!rig.seq.link.Sio().IsPortOpen());
        }
    }
};

QTEST_GUILESS_MAIN(PasswordTest)
#include "PasswordTest.moc"
