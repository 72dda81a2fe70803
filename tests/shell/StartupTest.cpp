// Start-up: the command line, where the program's files are found and written, and the order of the
// first paint's checks.

#include "ScriptedOperator.h"
#include "document/QuillonDoc.h"
#include "shell/CommandLine.h"
#include "shell/ProgrammVerzeichnis.h"
#include "shell/StartupChecks.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

void Touch(const QString& path) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void commandLine() {
        QString error;
        auto options = CCommandLine::Parse({}, error);
        QVERIFY(options && options->file.isEmpty() && !options->bDemo);

        options = CCommandLine::Parse({QStringLiteral("a.qlc")}, error);
        QVERIFY(options && options->file == QStringLiteral("a.qlc"));

        options = CCommandLine::Parse({QStringLiteral("--demo")}, error);
        QVERIFY(options && options->bDemo && !options->nDemoTyp);

        options = CCommandLine::Parse(
            {QStringLiteral("--demo"), QStringLiteral("10"), QStringLiteral("b.qlc")}, error);
        QVERIFY(options && options->bDemo && options->nDemoTyp == 10 &&
                options->file == QStringLiteral("b.qlc"));

        options = CCommandLine::Parse({QStringLiteral("--demo"), QStringLiteral("c.qlc")}, error);
        QVERIFY(options && options->bDemo && !options->nDemoTyp && options->file == QStringLiteral("c.qlc"));

        options = CCommandLine::Parse({QStringLiteral("--print"), QStringLiteral("d.qlc")}, error);
        QVERIFY(options && options->bPrint && options->file == QStringLiteral("d.qlc"));

        // Asked for the usage or the version, the rest of the line does not matter.
        options = CCommandLine::Parse({QStringLiteral("--print"), QStringLiteral("-V")}, error);
        QVERIFY(options && options->bVersion && !CCommandLine::NeedsWindow({QStringLiteral("-V")}));
        options = CCommandLine::Parse({QStringLiteral("--demo"), QStringLiteral("--help")}, error);
        QVERIFY(options && options->bHelp && CCommandLine::NeedsWindow({QStringLiteral("a.qlc")}));

        for (const QStringList& wrong :
             {QStringList{QStringLiteral("--demo"), QStringLiteral("11")},
              QStringList{QStringLiteral("--print")},
              QStringList{QStringLiteral("--print"), QStringLiteral("--demo"), QStringLiteral("d.qlc")},
              QStringList{QStringLiteral("--demo"), QStringLiteral("2x")},
              QStringList{QStringLiteral("--fast")},
              QStringList{QStringLiteral("a.qlc"), QStringLiteral("b.qlc")}}) {
            error.clear();
            QVERIFY(!CCommandLine::Parse(wrong, error));
            QVERIFY(!error.isEmpty());
            QVERIFY(!CCommandLine::NeedsWindow(wrong)); // answered on the terminal, without a display
        }
    }

    void filesBesideTheProgramComeFirst() {
        QTemporaryDir root;
        const QString program = root.filePath(QStringLiteral("bin"));
        const QString data = root.filePath(QStringLiteral("share"));
        QVERIFY(QDir().mkpath(program) && QDir().mkpath(data));
        const CProgrammVerzeichnis dirs(program, data, root.filePath(QStringLiteral("user")));

        QVERIFY(dirs.FindFile(QStringLiteral("quillon_en.qm")).isEmpty());
        Touch(data + QStringLiteral("/quillon_en.qm"));
        QCOMPARE(dirs.FindFile(QStringLiteral("quillon_en.qm")), data + QStringLiteral("/quillon_en.qm"));
        Touch(program + QStringLiteral("/quillon_en.qm"));
        QCOMPARE(dirs.FindFile(QStringLiteral("quillon_en.qm")), program + QStringLiteral("/quillon_en.qm"));

        QCOMPARE(dirs.CfgDir(), program); // a program directory that can be written keeps QlSet.cfg
    }

    void cfgGoesToTheUserWhenTheProgramDirectoryCannotBeWritten() {
        QTemporaryDir root;
        const QString user = root.filePath(QStringLiteral("config/Quillon"));
        const CProgrammVerzeichnis dirs(root.filePath(QStringLiteral("nicht-da")), QString(), user);
        QCOMPARE(dirs.CfgDir(), user);
        QVERIFY(QFileInfo(user).isDir());

        CScriptedOperator op;
        CQuillonDoc doc(op, dirs.CfgDir());
        QVERIFY(doc.WriteCfgText(QStringLiteral("geheim")));
        QCOMPARE(doc.ReadCfgText(), QStringLiteral("GEHEIM"));
    }

    void checksRunInTheirOrder() {
        CScriptedOperator op;
        CQuillonDoc doc(op, QString());
        QStringList ran;
        CStartupChecks checks;
        QVERIFY(checks.Run(doc)); // nothing plugged in: nothing to do

        bool passwordOk = true;
        checks.SetAnschlusshinweis([&] { ran.append(QStringLiteral("hinweis")); });
        checks.SetHardwareSetup([&] { ran.append(QStringLiteral("hardware")); });
        checks.SetPasswordCheck([&] {
            ran.append(QStringLiteral("passwort"));
            return passwordOk;
        });
        QVERIFY(checks.Run(doc)); // a first start shows hardware setup and notice
        QCOMPARE(ran, (QStringList{QStringLiteral("passwort"), QStringLiteral("hardware"),
                                   QStringLiteral("hinweis")}));

        ran.clear();
        doc.SetShowHardwareSetup(0);
        doc.SetStartupHinweis(0);
        QVERIFY(checks.Run(doc));
        QCOMPARE(ran, QStringList{QStringLiteral("passwort")});

        ran.clear();
        doc.SetStartupHinweis(1);
        passwordOk = false;
        QVERIFY(!checks.Run(doc)); // a refused password ends the program before anything else
        QCOMPARE(ran, QStringList{QStringLiteral("passwort")});
    }
};

QTEST_GUILESS_MAIN(StartupTest)
#include "StartupTest.moc"
