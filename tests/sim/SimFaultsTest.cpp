// The named faults of the simulator, seen through the program's link: each must produce exactly the
// failure it names, and the link must get through those it is built to survive.

#include "SimRig.h"
#include "sim/SimOptions.h"
#include "sim/SimStateFile.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QTest>

class CSimFaultsTest : public QObject {
    Q_OBJECT

private slots:
    void silentCommandsFailAfterThreeAttempts();
    void retryOnlyAnswersTheSecondAttempt();
    void corruptChecksumCostsOneAttempt();
    void garbageBeforeRepliesIsSkipped();
    void slowBytesWithinAndBeyondTheTimeOut();
    void portVanishesAfterFrames();
    void lateRepliesNeverCountForTheNextRequest();
    void interfaceRejectsTheMode();
    void stateFileKeepsTheWholeDevice();
    void stateFileRefusesForeignContent();
    void commandLineSelectsFaults();
};

void CSimFaultsTest::silentCommandsFailAfterThreeAttempts() {
    CSimRig rig(2);
    CSimulator::Faults faults;
    faults.silentCommands = {0x35};
    rig.sim.SetFaults(faults);
    QVERIFY(rig.Connect());
    const int before = rig.sim.FrameCount();
    QVERIFY(!rig.Transfer(0x35));
    QCOMPARE(rig.sim.FrameCount() - before, 3);
    QVERIFY(rig.Transfer(0x36));
}

void CSimFaultsTest::retryOnlyAnswersTheSecondAttempt() {
    CSimRig rig(2);
    CSimulator::Faults faults;
    faults.bAnswerOnlyRetry = true;
    rig.sim.SetFaults(faults);
    QVERIFY(rig.Connect());
    // The same command twice in a row: each exchange needs its retry.
    for (const quint8 command : {0x35, 0x35, 0x36}) {
        const int before = rig.sim.FrameCount();
        QVERIFY(rig.Transfer(command));
        QCOMPARE(rig.sim.FrameCount() - before, 2);
    }
}

void CSimFaultsTest::corruptChecksumCostsOneAttempt() {
    CSimRig rig(2);
    QVERIFY(rig.Connect());
    CSimulator::Faults faults;
    faults.nCorruptEvery = 2;
    rig.sim.SetFaults(faults);
    int before = rig.sim.FrameCount();
    QVERIFY(rig.Transfer(0x35)); // reply 1: whole
    QCOMPARE(rig.sim.FrameCount() - before, 1);
    before = rig.sim.FrameCount();
    const std::optional<QByteArray> reply = rig.Transfer(0x36); // reply 2 broken, reply 3 whole
    QVERIFY(reply);
    QCOMPARE(rig.sim.FrameCount() - before, 2);
    QCOMPARE(reply->mid(2, 7), QByteArray("+100003"));

    faults.nCorruptEvery = 1; // every reply broken: the transfer fails
    rig.sim.SetFaults(faults);
    QVERIFY(!rig.Transfer(0x36));
}

void CSimFaultsTest::garbageBeforeRepliesIsSkipped() {
    CSimRig rig(2);
    CSimulator::Faults faults;
    faults.garbage = CSimOptions::Garbage(24);
    rig.sim.SetFaults(faults);
    QVERIFY(rig.Connect());
    const int before = rig.sim.FrameCount();
    const std::optional<QByteArray> reply = rig.Transfer(0x31);
    QVERIFY(reply);
    QCOMPARE(rig.sim.FrameCount() - before, 1);
    QCOMPARE(reply->mid(2, 8), QByteArray("RX31-309"));
}

void CSimFaultsTest::slowBytesWithinAndBeyondTheTimeOut() {
    CSimRig rig(2);
    QVERIFY(rig.Connect());
    CSimulator::Faults faults;
    faults.nSlowGapMs = 1500; // below the 2 s inactivity time-out
    rig.sim.SetFaults(faults);
    const qint64 start = rig.clock.NowMs();
    QVERIFY(rig.Transfer(0x31));
    QVERIFY(rig.clock.NowMs() - start >= 11 * 1500);

    faults.nSlowGapMs = 2500;
    rig.sim.SetFaults(faults);
    QVERIFY(!rig.Transfer(0x31));
}

void CSimFaultsTest::lateRepliesNeverCountForTheNextRequest() {
    CSimRig rig(2);
    rig.sim.SetBaud(1200); // the replies trickle in while the program sends its next request
    QVERIFY(rig.Connect());
    CSimulator::Faults faults;
    faults.nLateReplyMs = 2100; // just past the 2 s time-out: each reply lands in the wait for the next
    rig.sim.SetFaults(faults);
    // Base range start and end have the same form; each must come back as itself, in any order.
    for (const quint8 command : {0x3B, 0x3C, 0x3C, 0x3B, 0x3C}) {
        QCOMPARE(rig.Data(command), QByteArray(command == 0x3B ? "+000003" : "+100003"));
    }
    faults.nLateReplyMs = 0;
    rig.sim.SetFaults(faults);
    QCOMPARE(rig.Data(0x3B), QByteArray("+000003"));
    QCOMPARE(rig.Data(0x3C), QByteArray("+100003"));
}

void CSimFaultsTest::portVanishesAfterFrames() {
    CSimRig rig(2);
    CSimulator::Faults faults;
    faults.nVanishAfter = 3;
    rig.sim.SetFaults(faults);
    QVERIFY(rig.Open());
    QVERIFY(rig.Transfer(0x31));
    QVERIFY(rig.Transfer(0x35));
    QVERIFY(rig.Transfer(0x36)); // the third frame is still answered
    QVERIFY(!rig.Transfer(0x3B));
    rig.link.Sio().ClosePort();
    QVERIFY(!rig.Open()); // the adapter is gone
}

void CSimFaultsTest::interfaceRejectsTheMode() {
    CSimRig rig(0, CSimInterface::Kind::PL45);
    CSimulator::Faults faults;
    faults.bRejectMode = true;
    rig.sim.SetFaults(faults);
    QVERIFY(!rig.Connect());
    const std::optional<QByteArray> reply = rig.Transfer(0xF1, "0000");
    QVERIFY(reply);
    QVERIFY(static_cast<quint8>(reply->at(2)) != 0x80);
    QCOMPARE(rig.sim.Interface().Mode(), CSimInterface::kNoMode);
}

void CSimFaultsTest::stateFileKeepsTheWholeDevice() {
    CSimRig rig(9, CSimInterface::Kind::PL40, "RX84-777");
    QVERIFY(rig.Connect());
    QVERIFY(rig.Transfer(0x45, "-00500"));
    QVERIFY(rig.Transfer(0x4A, "Leitung Nord"));
    QVERIFY(rig.Transfer(0x62, "111111.22.333"));
    QVERIFY(rig.Transfer(0x40, "0"));
    QVERIFY(rig.Transfer(0x84, "05"));
    QVERIFY(rig.Transfer(0x61, QByteArray(1, '0' + 50) + "04711"));

    const QJsonObject json = CSimStateFile::ToJson(rig.sim);
    CSimRig restored(2);
    QString error;
    QVERIFY2(CSimStateFile::FromJson(json, restored.sim, error), qPrintable(error));
    QCOMPARE(restored.sim.Transmitter().Typ(), 9);
    QCOMPARE(restored.sim.Interface().GetKind(), CSimInterface::Kind::PL40);
    QVERIFY(restored.Connect());
    QCOMPARE(restored.Data(0x31), QByteArray("RX84-777"));
    QCOMPARE(restored.Data(0x35), QByteArray("-005003"));
    QCOMPARE(restored.Data(0x3A), QByteArray("Leitung Nord        "));
    QCOMPARE(restored.Data(0x3D), QByteArray("111111.22.333   "));
    QCOMPARE(restored.Data(0x74), QByteArray("05"));
    QVERIFY(!restored.sim.Transmitter().Released());
    QCOMPARE(restored.sim.Transmitter().CalWords(), rig.sim.Transmitter().CalWords());
    QCOMPARE(json.value("summary").toObject().value("seriennummer").toString(), QString("111111.22.333   "));
}

void CSimFaultsTest::stateFileRefusesForeignContent() {
    CSimRig rig(2);
    QJsonObject json = CSimStateFile::ToJson(rig.sim);
    const auto refused = [&rig](const QJsonObject& content) {
        QString error;
        const bool ok = CSimStateFile::FromJson(content, rig.sim, error);
        return !ok && !error.isEmpty();
    };
    QJsonObject other = json;
    other["format"] = "something else";
    QVERIFY(refused(other));
    other = json;
    other["typ"] = 11;
    QVERIFY(refused(other));
    other = json;
    other["parameter"] = QString(200, QLatin1Char('0')); // 100 bytes: more than the area holds
    QVERIFY(refused(other));
    other = json;
    other["calibration"] = QJsonArray({1, 2, 70000});
    QVERIFY(refused(other));
    other = json;
    other["interface"] = "pl99";
    QVERIFY(refused(other));
    QCOMPARE(rig.sim.Transmitter().Typ(), 2); // a refused file changes nothing
}

void CSimFaultsTest::commandLineSelectsFaults() {
    QString error;
    const std::optional<CSimOptions> options = CSimOptions::Parse({"--model",
                                                                   "ka28",
                                                                   "--interface",
                                                                   "pl40",
                                                                   "--baud",
                                                                   "0",
                                                                   "--silent",
                                                                   "0x35,3F",
                                                                   "--retry-only",
                                                                   "--corrupt-every",
                                                                   "4",
                                                                   "--garbage",
                                                                   "3",
                                                                   "--slow-bytes",
                                                                   "50",
                                                                   "--vanish-after",
                                                                   "7",
                                                                   "--reject-mode",
                                                                   "--late-reply",
                                                                   "2100",
                                                                   "--late-echo",
                                                                   "400"},
                                                                  error);
    QVERIFY2(options, qPrintable(error));
    QCOMPARE(options->EffectiveTyp(), 6);
    QCOMPARE(options->kennung, QByteArray("KA28-101"));
    QCOMPARE(options->interfaceKind, CSimInterface::Kind::PL40);
    QCOMPARE(options->nBaud, 0);
    QCOMPARE(options->faults.silentCommands, QList<quint8>({0x35, 0x3F}));
    QVERIFY(options->faults.bAnswerOnlyRetry && options->faults.bRejectMode);
    QCOMPARE(options->faults.nCorruptEvery, 4);
    QCOMPARE(options->faults.garbage.size(), 3);
    QCOMPARE(options->faults.nSlowGapMs, 50);
    QCOMPARE(options->faults.nVanishAfter, 7);
    QCOMPARE(options->faults.nLateReplyMs, 2100);
    QCOMPARE(options->faults.nLateEchoMs, 400);

    // The identification names the type when no type is given.
    QCOMPARE(CSimOptions::Parse({"--id", "VN62-200"}, error)->EffectiveTyp(), 7);
    QVERIFY(!CSimOptions::Parse({"--type", "11"}, error));
    QVERIFY(!CSimOptions::Parse({"--interface"}, error));
    QVERIFY(!CSimOptions::Parse({"--silent", "0x1FF"}, error));
    QVERIFY(!CSimOptions::Parse({"--frobnicate"}, error));
    QVERIFY(error.contains(QLatin1String("unknown option")));
}

QTEST_GUILESS_MAIN(CSimFaultsTest)
#include "SimFaultsTest.moc"
