// The demonstration without hardware: the simulator it starts answers as the chosen transmitter on the
// device it names, every way of failing to start says why, and the simulator never outlives the demo.

#include "app/DemoMode.h"

#include "CliProcess.h"
#include "ScriptedOperator.h"
#include "app/DemoProfileStore.h"
#include "document/MemoryProfileStore.h"
#include "document/QuillonDoc.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <csignal>
#include <memory>

namespace {

/// A stand-in for quillon-sim: a shell script with the given body in its own folder.
QString WriteFakeSimulator(const QTemporaryDir& dir, const QByteArray& body) {
    QFile script(dir.filePath(QStringLiteral("quillon-sim")));
    if (!script.open(QIODevice::WriteOnly)) {
        return QString();
    }
    script.write("#!/bin/sh\n" + body + "\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return dir.path();
}

/// The process id a fake simulator wrote into pid.txt before it went to sleep; 0 when there is none.
pid_t WrittenPid(const QTemporaryDir& dir) {
    QFile file(dir.filePath(QStringLiteral("pid.txt")));
    return file.open(QIODevice::ReadOnly) ? static_cast<pid_t>(file.readAll().trimmed().toLong()) : 0;
}

bool ProcessGone(pid_t pid) {
    return ::kill(pid, 0) == -1 && errno == ESRCH;
}

} // namespace

class DemoModeTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void startedSimulatorAnswersAsTheChosenType_data() {
        QTest::addColumn<int>("typ");
        QTest::addColumn<QString>("kennung");
        QTest::newRow("RX89 bis V. 2.2") << 0 << QStringLiteral("V22-0100");
        QTest::newRow("RX26 3-Leiter (echo)") << 4 << QStringLiteral("RX30-U21");
        QTest::newRow("KA71") << 10 << QStringLiteral("KA71-101");
    }

    void startedSimulatorAnswersAsTheChosenType() {
        QFETCH(int, typ);
        QFETCH(QString, kennung);
        CDemoMode demo;
        QString error;
        QVERIFY2(demo.Start(typ, &error), qPrintable(error));
        QVERIFY(demo.IsRunning());
        QCOMPARE(demo.Typ(), typ);
        const QString device = demo.DevicePath();
        QVERIFY(QFile::exists(device));

        // The program connects with the interface kind the demo names; the PL45 cannot serve the RX26
        // 3-wire.
        const QString interface =
            demo.InterfaceVersion() == CDemoMode::kPL45 ? QStringLiteral("pl45") : QStringLiteral("pl40");
        QCOMPARE(interface, typ == 4 ? QStringLiteral("pl40") : QStringLiteral("pl45"));
        QTemporaryDir config;
        const CCliProcess::Result result =
            CCliProcess(config.path())
                .Run({QStringLiteral("--port"), device, QStringLiteral("--type"), QString::number(typ),
                      QStringLiteral("--interface"), interface, QStringLiteral("identify")},
                     30000);
        QVERIFY2(result.exitCode == 0, qPrintable(result.err));
        QVERIFY2(result.out.contains(kennung), qPrintable(result.out));

        // The pseudo-terminal goes with the simulator.
        demo.Stop();
        QVERIFY(!demo.IsRunning());
        QVERIFY(demo.DevicePath().isEmpty());
        QVERIFY(!QFile::exists(device));
    }

    void everyFailureToStartSaysWhy() {
        QTemporaryDir empty;
        CDemoMode demo;
        demo.SetSearchDirs({empty.path()});
        QString error;
        QVERIFY(!demo.Start(2, &error));
        QVERIFY2(error.contains(QStringLiteral("quillon-sim")) && error.contains(empty.path()),
                 qPrintable(error));
        QVERIFY(!demo.IsRunning());

        demo.SetSearchDirs(CDemoMode().SearchDirs());
        for (const int nTyp : {-1, 11}) {
            error.clear();
            QVERIFY(!demo.Start(nTyp, &error));
            QVERIFY2(error.contains(QString::number(nTyp)), qPrintable(error));
        }

        QTemporaryDir failing;
        demo.SetSearchDirs(
            {WriteFakeSimulator(failing, "echo 'quillon-sim: no pseudo-terminal left' >&2; exit 1")});
        error.clear();
        QVERIFY(!demo.Start(2, &error));
        QVERIFY2(error.contains(QStringLiteral("no pseudo-terminal left")), qPrintable(error));

        QTemporaryDir silent;
        demo.SetSearchDirs(
            {WriteFakeSimulator(silent, "echo $$ > \"$(dirname \"$0\")/pid.txt\"; exec sleep 30")});
        demo.SetStartTimeout(300);
        error.clear();
        QVERIFY(!demo.Start(2, &error));
        QVERIFY2(error.contains(silent.path()), qPrintable(error));
        const pid_t pid = WrittenPid(silent);
        QVERIFY(pid > 0);
        QVERIFY(ProcessGone(pid));
        QVERIFY(!demo.IsRunning());
    }

    void destructionEndsEvenASimulatorThatIgnoresTerminate() {
        QTemporaryDir stubborn;
        auto demo = std::make_unique<CDemoMode>();
        demo->SetSearchDirs({WriteFakeSimulator(
            stubborn,
            "trap '' TERM; echo $$ > \"$(dirname \"$0\")/pid.txt\"; echo /dev/pts/fake; exec sleep 30")});
        QString error;
        QVERIFY2(demo->Start(2, &error), qPrintable(error));
        QCOMPARE(demo->DevicePath(), QStringLiteral("/dev/pts/fake"));
        const pid_t pid = WrittenPid(stubborn);
        QVERIFY(pid > 0);
        QVERIFY(!ProcessGone(pid));
        demo.reset();
        QVERIFY(ProcessGone(pid));
    }

    void hardwareKeysStayOutOfTheProfile() {
        CMemoryProfileStore profile;
        profile.SetInt(QStringLiteral("COM"), 2);
        profile.SetInt(QStringLiteral("LogIntervall"), 2);
        CScriptedOperator op;
        CQuillonDoc doc(op, QString());
        doc.SetComPort(5);
        doc.SetTyp(10);
        doc.SetInterfaceVersion(0);
        doc.SetLogIntervall(7);
        CDemoProfileStore demoProfile(profile);
        doc.SaveSettings(demoProfile);
        QCOMPARE(profile.GetInt(QStringLiteral("COM"), -1), 2);
        // Keys the profile did not hold before stay missing, so the next start takes its defaults.
        QCOMPARE(profile.GetInt(QStringLiteral("TransmitterVersion"), -1), -1);
        QCOMPARE(profile.GetInt(QStringLiteral("InterfaceVersion"), -1), -1);
        QCOMPARE(profile.GetInt(QStringLiteral("LogIntervall"), -1), 7);
    }

    void typeArgument() {
        QCOMPARE(CDemoMode::ParseType(QStringLiteral("0")), std::optional<int>(0));
        QCOMPARE(CDemoMode::ParseType(QStringLiteral("10")), std::optional<int>(10));
        for (const char* text : {"", "11", "-1", "+2", " 2", "2x", "ka71", "demo.qlc", "100"}) {
            QVERIFY2(!CDemoMode::ParseType(QString::fromLatin1(text)), text);
        }
    }
};

QTEST_GUILESS_MAIN(DemoModeTest)
#include "DemoModeTest.moc"
