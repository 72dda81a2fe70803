// CSerial over an in-memory line: the port operations, their closed-port behaviour and the RTS warning;
// and the COM-number-to-device map.

#include "link/Serial.h"

#include "ScriptedOperator.h"
#include "core/VirtualClock.h"
#include "link/MemoryDevice.h"
#include "link/PortMap.h"

#include <QTest>

class SerialTest : public QObject {
    Q_OBJECT

    struct Rig {
        CVirtualClock clock;
        CScriptedOperator op;
        CMemoryDevice* device = nullptr;
        std::unique_ptr<CSerial> serial;

        Rig() {
            auto memory = std::make_unique<CMemoryDevice>(clock);
            device = memory.get();
            serial = std::make_unique<CSerial>(std::move(memory));
            serial->SetOperator(&op);
            serial->PortMap().SetAvailableDevices(
                {QStringLiteral("/dev/ttyUSB0"), QStringLiteral("/dev/ttyS1"), QStringLiteral("/dev/ttyS0")});
        }
    };

private Q_SLOTS:
    void readTakesOnlyWhatWaitsAndNeverWaits() {
        Rig rig;
        QVERIFY(rig.serial->Open(1, 1200));
        char buffer[8] = {};
        QCOMPARE(rig.serial->Read(buffer, 8), 0);
        QCOMPARE(rig.clock.NowMs(), 0);

        rig.device->Deliver("12345", 0);
        QCOMPARE(rig.serial->BytesWaiting(), 5);
        QCOMPARE(rig.serial->Read(buffer, 1), 1);
        QCOMPARE(buffer[0], '1');
        QCOMPARE(rig.serial->BytesWaiting(), 4);
        QCOMPARE(rig.serial->Read(buffer, 8), 4);
        QCOMPARE(QByteArray(buffer, 4), QByteArray("2345"));
    }

    void writeCountsAndClosedPort() {
        Rig rig;
        QCOMPARE(rig.serial->Write("abc", 3), 0); // closed
        QVERIFY(rig.serial->Open(1, 1200));
        QCOMPARE(rig.serial->Write("abc", 0), 0);
        QCOMPARE(rig.serial->Write("abc", -1), 0);
        QCOMPARE(rig.serial->Write("abc", 3), 3);
        QCOMPARE(rig.device->Written(), QByteArray("abc"));
        QVERIFY(rig.serial->Flush());
    }

    void secondOpenKeepsTheFirstPortAndCloseIsHarmless() {
        Rig rig;
        QVERIFY(rig.serial->Close());
        QVERIFY(rig.serial->Open(2, 1200));
        QVERIFY(rig.serial->Open(3, 9600));
        QCOMPARE(rig.device->OpenCount(), 1);
        QCOMPARE(rig.device->OpenedBaud(), 1200);
        QCOMPARE(rig.device->OpenedPath(), QStringLiteral("/dev/ttyS1"));
        QCOMPARE(rig.serial->PortNumber(), 2);
        QVERIFY(rig.serial->Close());
        QVERIFY(!rig.serial->IsOpen());
        QVERIFY(rig.serial->Close());
    }

    void openFailsWithoutADeviceOrWhenTheDeviceRefuses() {
        Rig rig;
        QVERIFY(!rig.serial->Open(4, 1200)); // only three devices on this machine
        rig.device->SetOpenable(false);
        QVERIFY(!rig.serial->Open(1, 1200));
        QVERIFY(!rig.serial->IsOpen());
        QVERIFY(rig.op.messages.isEmpty());
    }

    void rtsOnClosedPortFailsSilently() {
        Rig rig;
        QVERIFY(!rig.serial->SetRtsOn());
        QVERIFY(!rig.serial->SetRtsOff());
        QVERIFY(rig.op.messages.isEmpty());
    }

    void rtsSwitchesAndPseudoTerminalIsANoOp() {
        Rig rig;
        QVERIFY(rig.serial->Open(1, 1200));
        QVERIFY(rig.serial->SetRtsOn());
        rig.clock.SleepMs(200);
        QVERIFY(rig.serial->SetRtsOff());
        QCOMPARE(rig.device->RtsEdges().size(), 2);
        QCOMPARE(rig.device->RtsEdges().at(1).atMs - rig.device->RtsEdges().at(0).atMs, 200);

        rig.device->SetModemLines(false);
        QVERIFY(rig.serial->SetRtsOn());
        QCOMPARE(rig.device->RtsEdges().size(), 2);
        QVERIFY(rig.op.messages.isEmpty());
    }

    void rtsFailureWarnsWithThePortNumber_data() {
        QTest::addColumn<int>("failure");
        QTest::addColumn<QString>("call");
        QTest::newRow("reading the line state")
            << int(IByteDevice::LineResult::ReadFailed) << QStringLiteral("GetCommState()");
        QTest::newRow("writing the line state")
            << int(IByteDevice::LineResult::WriteFailed) << QStringLiteral("SetCommState()");
    }

    void rtsFailureWarnsWithThePortNumber() {
        QFETCH(int, failure);
        QFETCH(QString, call);
        Rig rig;
        QVERIFY(rig.serial->Open(3, 1200));
        rig.device->SetRtsFailure(static_cast<IByteDevice::LineResult>(failure));
        QVERIFY(!rig.serial->SetRtsOn());
        QCOMPARE(rig.op.messages.size(), 1);
        const CScriptedOperator::Shown& shown = rig.op.messages.first();
        QCOMPARE(shown.caption, QStringLiteral("Application Error"));
        QCOMPARE(shown.icon, IOperator::Icon::Error);
        QCOMPARE(shown.text, QStringLiteral("WARNING:  %1 Failed with the following error: \n"
                                            "Operation not permitted\nPort: 3\n")
                                 .arg(call));
    }

    void portMapOrderPinsAndNames() {
        const QStringList sorted = CPortMap::SortDevices(
            {"/dev/ttyUSB10", "/dev/ttyACM0", "/dev/ttyUSB2", "/dev/ttyS10", "/dev/ttyS2", "/dev/rfcomm0"});
        QCOMPARE(sorted, QStringList({"/dev/ttyS2", "/dev/ttyS10", "/dev/ttyUSB2", "/dev/ttyUSB10",
                                      "/dev/ttyACM0", "/dev/rfcomm0"}));

        CPortMap map;
        map.SetAvailableDevices({"/dev/ttyUSB0", "/dev/ttyS0"});
        map.Pin({{3, "/dev/ttyUSB7"}, {0, "/dev/null"}});
        QCOMPARE(map.DevicePath(1), QStringLiteral("/dev/ttyS0"));
        QCOMPARE(map.DevicePath(2), QStringLiteral("/dev/ttyUSB0"));
        QCOMPARE(map.DevicePath(3), QStringLiteral("/dev/ttyUSB7"));
        QVERIFY(map.DevicePath(4).isEmpty());
        QVERIFY(map.DevicePath(0).isEmpty());
        map.Pin(1, "/dev/pts/4");
        QCOMPARE(map.DevicePath(1), QStringLiteral("/dev/pts/4"));

        QCOMPARE(CPortMap::ParseComName("COM12"), std::optional<int>(12));
        QCOMPARE(CPortMap::ParseComName("com1"), std::optional<int>(1));
        QCOMPARE(CPortMap::ParseComName("COM0"), std::nullopt);
        QCOMPARE(CPortMap::ParseComName("/dev/ttyS0"), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(SerialTest)
#include "SerialTest.moc"
