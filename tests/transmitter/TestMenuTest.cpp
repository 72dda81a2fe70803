// The factory edition's "Test" menu against the in-process simulator: what "Sio-Transfer" shows of an
// exchange, the payloads a technician may type, the raw table transfers, the interface information and
// "Connect RX93".

#include "transmitter/TestMenu.h"

#include "SequenceRig.h"
#include "transmitter/Commands.h"

#include <QTest>

namespace {

using Frame = CSequenceRig::Frame;

struct TestRig : CSequenceRig {
    explicit TestRig(int nTyp, CSimInterface::Kind kind = CSimInterface::Kind::PL45)
        : CSequenceRig(nTyp, kind)
        , menu(link, connection, doc) {}
    CTestMenu menu;
};

CTestMenu::Entry Read(quint8 command) {
    return CTestMenu::EntryFor(command, CTestMenu::Payload::Empty);
}

} // namespace

class TestMenuTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void deviceInfoShowsBothFramesInHexAndText() {
        TestRig rig(2);
        rig.doc.SetErweitertFlag(false);
        const CSioTransferRecord record = rig.menu.Run(Read(Cmd::GetDeviceInfo));
        QCOMPARE(record.caption, QStringLiteral("Get Device Info"));
        QCOMPARE(record.sentHex, QStringLiteral("02 03 31 34 03 "));
        QCOMPARE(record.sentText, QStringLiteral("1"));
        QVERIFY(record.receivedHex.startsWith(QStringLiteral("02 0a 52 58 33 31 ")));
        QCOMPARE(record.receivedHex.size(), 12 * 3);
        QCOMPARE(record.receivedText, QString::fromLatin1(rig.sim.Transmitter().Kennung()));
        QVERIFY(rig.doc.IsErweitert()); // RX31 version 309
        QVERIFY(rig.link.Sio().IsPortOpen());
    }

    void aFailedCommandShowsOnlyFail() {
        TestRig rig(2);
        CSimulator::Faults faults;
        faults.silentCommands = {Cmd::GetTemperatur};
        rig.sim.SetFaults(faults);
        const CSioTransferRecord record = rig.menu.Run(Read(Cmd::GetTemperatur));
        QCOMPARE(record.receivedHex, QStringLiteral("FAIL"));
        QVERIFY(record.sentHex.isEmpty() && record.sentText.isEmpty() && record.receivedText.isEmpty());
        QVERIFY(rig.op.messages.isEmpty()); // the dialog says it; no box on top
    }

    void fixedAndTypedPayloadsGoOutUnchanged() {
        TestRig rig(2);
        rig.menu.Run(
            CTestMenu::EntryFor(Cmd::SetFreigabe, CTestMenu::Payload::Fixed, "0", "Parametrierung sperren"));
        rig.menu.Run(CTestMenu::EntryFor(Cmd::SetDaempfung, CTestMenu::Payload::User), "+00042");
        const QList<Frame> frames = rig.TakeFrames();
        QCOMPARE(CSequenceRig::Only(frames, Cmd::SetFreigabe).value(0).payload, QByteArray("0"));
        QCOMPARE(CSequenceRig::Only(frames, Cmd::SetDaempfung).value(0).payload, QByteArray("+00042"));
        QVERIFY(!rig.sim.Transmitter().Released());
    }

    void typedPayloadsMustFitARequest() {
        QString error;
        QCOMPARE(CTestMenu::CheckUserPayload(QString(42, QLatin1Char('7')), error), QByteArray(42, '7'));
        QVERIFY(!CTestMenu::CheckUserPayload(QString(43, QLatin1Char('7')), error));
        QCOMPARE(error, QStringLiteral("Die Eingabe ist zu lang: höchstens 42 Zeichen."));
        QCOMPARE(CTestMenu::CheckUserPayload(QStringLiteral("Öl €"), error), QByteArray("\xD6l \x80"));
        error.clear();
        QVERIFY(!CTestMenu::CheckUserPayload(QStringLiteral("Δp"), error));
        QVERIFY(!error.isEmpty());
    }

    void readTableAsksForTheCountThenTenBlocks() {
        TestRig rig(0);
        const CSioTransferRecord record = rig.menu.TestReadTable();
        QCOMPARE(record.caption, QStringLiteral("Get LinTab"));
        QCOMPARE(record.sentText, QStringLiteral("?9"));
        const QList<Frame> blocks = CSequenceRig::Only(rig.TakeFrames(), Cmd::GetLinTabBlock);
        QCOMPARE(blocks.size(), 10);
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(blocks.at(i).payload, QByteArray::number(i));
        }
    }

    void readTableWithAFailingCountSendsNoBlock() {
        TestRig rig(0);
        CSimulator::Faults faults;
        faults.silentCommands = {Cmd::GetLinTabAnzahl};
        rig.sim.SetFaults(faults);
        const CSioTransferRecord record = rig.menu.TestReadTable();
        QCOMPARE(record.receivedHex, QStringLiteral("FAIL"));
        QVERIFY(CSequenceRig::Only(rig.TakeFrames(), Cmd::GetLinTabBlock).isEmpty());
    }

    void writeTableCountSendsTheTypedText() {
        TestRig rig(0);
        const CSioTransferRecord record =
            rig.menu.TestWriteTableCount(CTestMenu::DefaultTableCount().toLatin1());
        QCOMPARE(record.caption, QStringLiteral("Set LinTabCount"));
        QCOMPARE(record.sentHex, QStringLiteral("02 05 84 32 30 eb 03 "));
        QCOMPARE(rig.sim.Transmitter().TableCount(), 20);
    }

    void interfaceInformation() {
        TestRig rig(2);
        const CSioTransferRecord record = rig.menu.ShowInterfaceInfo();
        QCOMPARE(record.caption, QStringLiteral("SioTransfer"));
        QCOMPARE(record.sentHex, QStringLiteral("02 03 f0 f3 03 "));
        QCOMPARE(record.receivedText.size(), 27);

        TestRig old(0, CSimInterface::Kind::PL40); // the older interface has no information of its own
        QCOMPARE(old.menu.ShowInterfaceInfo().receivedHex, QStringLiteral("FAIL"));
    }

    void connectRX93ReportsTheIdentificationBytes() {
        TestRig rig(0);
        const CTestMenu::ConnectReport report = rig.menu.ConnectRX93();
        QVERIFY(report.bOk);
        QVERIFY(report.bytes.startsWith(QStringLiteral("0x02 0x0A 0x56 0x32 0x32 ")));
        QVERIFY(report.text.startsWith(QStringLiteral("<STX><LF>V22-0100")));
        QVERIFY(report.text.endsWith(QStringLiteral("<ETX>")));
        QVERIFY(rig.menu.Normalbetrieb());
        QVERIFY(rig.link.Sio().IsPortOpen());
        QVERIFY(!rig.sim.IsRtsOn());
    }

    void bytesAreShownReadably_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("bCommandFirst");
        QTest::addColumn<QString>("shown");
        QTest::newRow("ascii command") << QByteArray("?9") << true << QStringLiteral("?9");
        QTest::newRow("8-bit command") << QByteArray("\x84"
                                                     "5")
                                       << true << QStringLiteral("<84>5");
        QTest::newRow("8-bit command alone") << QByteArray("\xF0") << true << QStringLiteral("<F0>");
        QTest::newRow("control bytes") << QByteArray("\x02"
                                                     "1\x03\x7F")
                                       << false << QStringLiteral("<STX>1<ETX><DEL>");
        QTest::newRow("text data") << QByteArray("M\xFC\x84 \x81\xA0") << false
                                   << QStringLiteral("Mü„ <81><A0>");
    }

    void bytesAreShownReadably() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, bCommandFirst);
        QFETCH(QString, shown);
        QCOMPARE(CSioTransferRecord::Readable(bytes, bCommandFirst), shown);
    }
};

QTEST_GUILESS_MAIN(TestMenuTest)
#include "TestMenuTest.moc"
