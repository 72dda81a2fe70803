// Receive and send of the whole parameter set for every transmitter type, against the in-process
// simulator on a virtual clock: the frames sent, the document afterwards and the messages.

#include "ParameterSetEdits.h"
#include "SequenceRig.h"
#include "base/TypKatalog.h"
#include "base/Utils.h"
#include "sim/SimCatalogue.h"
#include "sim/SimTransmitter.h"
#include "transmitter/Commands.h"

#include <QTest>

namespace {

using Kind = CSimInterface::Kind;
using Frame = CSequenceRig::Frame;

constexpr int kKA71 = CTypKatalog::kKA71;

bool HasImages(int nTyp) {
    return CTypKatalog::Find(nTyp)->senden != CTypKatalog::Senden::Befehle;
}

} // namespace

class ParameterTransferTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyType_data() {
        QTest::addColumn<int>("typ");
        QTest::addColumn<int>("kind");
        for (int typ = 0; typ <= 10; ++typ) {
            if (typ != 4) { // the 3-wire RX26 has no interface mode: it only works on a PL40
                QTest::addRow("type %d PL45", typ) << typ << int(Kind::PL45);
            }
        }
        for (const int typ : {0, 1, 4, 6, 10}) {
            QTest::addRow("type %d PL40", typ) << typ << int(Kind::PL40);
        }
    }

    void everyType() {
        QFETCH(int, typ);
        QFETCH(int, kind);
        CSequenceRig rig(typ, static_cast<Kind>(kind));
        QVERIFY(rig.transfer.ReceiveParameterSet());
        QVERIFY2(rig.op.messages.isEmpty(), qPrintable(rig.op.MessageTexts().join(" | ")));
        QVERIFY(rig.doc.IsGueltig());
        QCOMPARE(rig.doc.GetTyp(), typ);
        QCOMPARE(rig.doc.GetKennung(), rig.sim.Transmitter().Kennung());
        QCOMPARE(rig.doc.GetSeriennummer(), rig.sim.Transmitter().Serial().left(13));
        QCOMPARE(rig.doc.GetBezeichnung(), rig.sim.Transmitter().Tag());
        QCOMPARE(rig.doc.GetDezimalstellen(), rig.sim.Transmitter().Dezimalstellen());
        QVERIFY(!rig.link.Sio().IsPortOpen());
        QCOMPARE(rig.op.progressCaption, QStringLiteral("Datentransfer"));
        QCOMPARE(rig.op.progressTexts.first(), QStringLiteral("Verbinde Transmitter ..."));
        QVERIFY(rig.op.progressTexts.contains(QStringLiteral("Lese Offsetkorrektur ...")));
        QVERIFY(!rig.op.progressOpen);

        // Edit, send, and read back into a fresh document: the transmitter holds the edited set.
        EditParameterSet(rig.doc);
        rig.op.Answer(IOperator::Answer::Yes);
        rig.TakeFrames();
        QCOMPARE(rig.transfer.SendParameterSet(), CParameterTransfer::SendResult::Sent);
        QVERIFY2(rig.op.messages.size() == 1, qPrintable(rig.op.MessageTexts().join(" | ")));
        QCOMPARE(rig.op.messages.first().caption, QStringLiteral("Parameter senden"));
        QVERIFY(!rig.link.Sio().IsPortOpen());
        const QList<Frame> frames = rig.TakeFrames();
        if (HasImages(typ)) {
            QCOMPARE(CSequenceRig::Only(frames, Cmd::SpeicherBeginn).size(), 2);
            QCOMPARE(CSequenceRig::Only(frames, Cmd::SpeicherEnde).size(), 2);
            QVERIFY(CSequenceRig::Only(frames, Cmd::SetMessAnfang).isEmpty());
        } else {
            QCOMPARE(CSequenceRig::Only(frames, Cmd::SetLinTabBlock).size(), 10);
            QVERIFY(CSequenceRig::Only(frames, Cmd::SpeicherBeginn).isEmpty());
        }

        CQuillonDoc received(rig.op, QString());
        received.SetTyp(typ);
        received.SetInterfaceVersion(rig.doc.GetInterfaceVersion());
        CConnection connection(rig.link, received);
        CParameterTransfer transfer(rig.link, connection, received);
        QVERIFY(transfer.ReceiveParameterSet());
        CompareWrittenFields(rig.doc, received);
    }

    void type2ReadsExactlyTheUsedPoints() {
        CSequenceRig rig(2);
        rig.doc.SetLinTabAnzahl(3);
        for (int i = 0; i < 3; ++i) {
            rig.doc.SetLinTabX(i, 4.0f + 4.0f * static_cast<float>(i));
            rig.doc.SetLinTabY(i, static_cast<float>(i));
        }
        // Write a table of three points with the range the transmitter has, then read it.
        QVERIFY(rig.transfer.ReceiveParameterSet());
        rig.doc.SetLinTabAnzahl(3);
        rig.op.Answer(IOperator::Answer::Yes);
        QCOMPARE(rig.transfer.SendParameterSet(), CParameterTransfer::SendResult::Sent);
        rig.TakeFrames();
        QVERIFY(rig.transfer.ReceiveParameterSet());
        const QList<Frame> points = CSequenceRig::Only(rig.TakeFrames(), Cmd::GetLinTabBlock);
        QCOMPARE(points.size(), 3);
        QCOMPARE(points.at(0).payload, QByteArray("0"));
        QCOMPARE(points.at(2).payload, QByteArray("2"));
        QVERIFY(rig.doc.IsGueltig());
    }

    void type0TableBlocksFollowTheCount() {
        CSequenceRig rig(0);
        QVERIFY(rig.transfer.ReceiveParameterSet());
        QCOMPARE(rig.doc.GetLinTabAnzahl(), 0);
        QVERIFY(CSequenceRig::Only(rig.TakeFrames(), Cmd::GetLinTabBlock).isEmpty());

        // The count step is the last one when no point is used; the send still writes "00" and ten blocks.
        rig.op.Answer(IOperator::Answer::Yes);
        QCOMPARE(rig.transfer.SendParameterSet(), CParameterTransfer::SendResult::Sent);
        const QList<Frame> sent = rig.TakeFrames();
        QCOMPARE(CSequenceRig::Only(sent, Cmd::SetLinTabAnzahl).first().payload, QByteArray("00"));
        QCOMPARE(CSequenceRig::Only(sent, Cmd::SetLinTabBlock).size(), 10);

        rig.doc.SetLinTabAnzahl(1);
        rig.doc.SetLinTabX(0, -1.5f);
        rig.doc.SetLinTabY(0, 0.25f);
        rig.op.Answer(IOperator::Answer::Yes);
        QCOMPARE(rig.transfer.SendParameterSet(), CParameterTransfer::SendResult::Sent);
        const QList<Frame> blocks = CSequenceRig::Only(rig.TakeFrames(), Cmd::SetLinTabBlock);
        // Block 0: x = -1.5 x 100 as FF6A, y = 0.25 x 10^d.
        const QByteArray y = CUtils::WordToHexHighFirst(
            static_cast<quint16>(CUtils::RoundToInt(0.25 * CUtils::PowerOfTen(rig.doc.GetDezimalstellen()))));
        QCOMPARE(blocks.first().payload.left(9), QByteArray("0FF6A") + y);
        QCOMPARE(blocks.first().payload.size(), 25);
        QCOMPARE(blocks.last().payload.left(1), QByteArray("9"));

        QVERIFY(rig.transfer.ReceiveParameterSet());
        QCOMPARE(CSequenceRig::Only(rig.TakeFrames(), Cmd::GetLinTabBlock).size(), 10);
        QCOMPARE(rig.doc.GetLinTabX(0), -1.5f);
        QCOMPARE(rig.doc.GetLinTabY(0), 0.25f);
    }

    void imageBlocksCarryTwentyDigitsAtByteAddresses() {
        const QByteArray image = QByteArray(45, 'A');
        const QList<QByteArray> blocks = CParameterTransfer::ImageBlocks(image);
        QCOMPARE(blocks.size(), 3);
        QCOMPARE(blocks.at(0), "00" + QByteArray(20, 'A'));
        QCOMPARE(blocks.at(1), "0A" + QByteArray(20, 'A'));
        QCOMPARE(blocks.at(2), "14" + QByteArray(5, 'A'));
        // The table image of 484 digits needs 25 blocks; the address byte is the byte offset.
        const QList<QByteArray> table = CParameterTransfer::ImageBlocks(QByteArray(484, '0'));
        QCOMPARE(table.size(), 25);
        QCOMPARE(table.last().left(2), QByteArray("F0"));
    }

    void tableImageStopsAfterTheFirstBlockWithoutPoints() {
        CSequenceRig rig(8);
        QVERIFY(rig.transfer.ReceiveParameterSet());
        rig.doc.SetLinTabAnzahl(0);
        rig.op.Answer(IOperator::Answer::Yes);
        rig.TakeFrames();
        QCOMPARE(rig.transfer.SendParameterSet(), CParameterTransfer::SendResult::Sent);
        const QList<Frame> frames = rig.TakeFrames();
        const QList<Frame> blocks = CSequenceRig::Only(frames, Cmd::SpeicherBlock);
        // 92 digits of parameters in five blocks, then a single table block.
        QCOMPARE(blocks.size(), 5 + 1);
        QCOMPARE(blocks.at(4).payload.left(2), QByteArray("28"));
        QCOMPARE(blocks.at(5).payload.left(2), QByteArray("00"));
        QCOMPARE(CSequenceRig::Only(frames, Cmd::SpeicherEnde).last().payload, QByteArray("2"));
    }

    void differingRangeWritesNothing() {
        CSequenceRig rig(3);
        QVERIFY(rig.transfer.ReceiveParameterSet());
        // The end of the base range differs in the last decimal.
        rig.doc.SetGrundEnde(rig.doc.GetGrundEnde() +
                             static_cast<float>(1.0 / CUtils::PowerOfTen(rig.doc.GetDezimalstellen())));
        rig.op.Answer(IOperator::Answer::Yes);
        rig.TakeFrames();
        QCOMPARE(rig.transfer.SendParameterSet(), CParameterTransfer::SendResult::RangeDiffers);
        QCOMPARE(
            rig.op.messages.last().text,
            QStringLiteral("Messbereich im Transmitter unterscheidet sich\nvom eingestellten Bereich!."));
        for (const Frame& frame : rig.TakeFrames()) {
            QVERIFY(frame.command < 0x40 || frame.command == Cmd::SetInterfaceMode);
        }
        QVERIFY(!rig.link.Sio().IsPortOpen());

        // A different unit is refused the same way.
        rig.doc.SetGrundEnde(rig.doc.GetGrundEnde() -
                             static_cast<float>(1.0 / CUtils::PowerOfTen(rig.doc.GetDezimalstellen())));
        rig.doc.SetEinheit(rig.doc.GetEinheit() + 1);
        rig.op.Answer(IOperator::Answer::Yes);
        QCOMPARE(rig.transfer.SendParameterSet(), CParameterTransfer::SendResult::RangeDiffers);
    }

    void declinedSendTouchesNothing() {
        CSequenceRig rig(2);
        rig.op.Answer(IOperator::Answer::No);
        QCOMPARE(rig.transfer.SendParameterSet(), CParameterTransfer::SendResult::Declined);
        QVERIFY(rig.device->Written().isEmpty());
        QCOMPARE(rig.device->OpenCount(), 0);
        QCOMPARE(rig.op.messages.first().icon, IOperator::Icon::Warning);
        QCOMPARE(rig.op.messages.first().buttons, IOperator::Buttons::YesNo);
    }

    void directTypeWithoutAnInterfaceOfItsOwnSendsNothing() {
        CSequenceRig rig(7, Kind::PL40);
        rig.doc.SetGueltig(true);
        QVERIFY(!rig.transfer.ReceiveParameterSet());
        QCOMPARE(rig.op.MessageTexts(), QStringList({QStringLiteral("Fail to Connect Transmitter"),
                                                     QStringLiteral("Empfangsfehler!")}));
        QVERIFY(rig.device->Written().isEmpty());
        QVERIFY(rig.doc.IsGueltig()); // a failed connect leaves the validity as it was

        rig.op.messages.clear();
        rig.op.Answer(IOperator::Answer::Yes);
        QCOMPARE(rig.transfer.SendParameterSet(), CParameterTransfer::SendResult::Failed);
        QCOMPARE(rig.op.MessageTexts().mid(1), QStringList({QStringLiteral("Fail to Connect Transmitter"),
                                                            QStringLiteral("Sendefehler!")}));
        QVERIFY(rig.device->Written().isEmpty());
    }

    void ka71ConnectsWithModeAndResetPulse() {
        CSequenceRig rig(kKA71);
        QByteArray reply;
        QVERIFY(rig.connection.ConnectTransmitter(reply));
        const QList<Frame> frames = rig.TakeFrames();
        QCOMPARE(frames.size(), 2);
        QCOMPARE(frames.at(0).command, Cmd::SetInterfaceMode);
        QCOMPARE(frames.at(0).payload, QByteArray("0000"));
        QCOMPARE(frames.at(1).command, Cmd::GetDeviceInfo);
        // RTS: off before the mode, then the pulse of 200 ms after 500 ms, and 1000 ms to boot.
        const QList<CMemoryDevice::RtsEdge>& edges = rig.device->RtsEdges();
        QCOMPARE(edges.size(), 3);
        QVERIFY(!edges.at(0).on);
        QVERIFY(edges.at(1).on);
        const CTypKatalog::ResetPuls& puls = CTypKatalog::Find(kKA71)->pulsPL45;
        QCOMPARE(edges.at(2).atMs - edges.at(1).atMs, puls.nAnMs);
        QVERIFY(rig.link.Sio().IsPortOpen());
        QVERIFY(rig.doc.IsErweitert());
    }

    void ka71UnchangedRoundTripKeepsTheSetRangeWords_data() {
        QTest::addColumn<int>("word");
        QTest::addColumn<int>("sent");
        // Equal units, base range 0 to 2.5 with 3 decimals: one display step of 0.001 is 4 words.
        for (const int word : {0, 4, 1236, 5000, 9996, 10000}) {
            QTest::addRow("%d on the display's grid", word) << word << word;
        }
        // 0.3085 is shown (and stored) with the display's 3 decimals as 0.309: the nearest point of its
        // grid, 1236. The display cannot hold a set range between two of its points.
        QTest::newRow("1234 between two points") << 1234 << 1236;
    }

    void ka71UnchangedRoundTripKeepsTheSetRangeWords() {
        QFETCH(int, word);
        QFETCH(int, sent);
        CSequenceRig rig(kKA71);
        CSimTransmitter& transmitter = rig.sim.Transmitter();
        transmitter.SetParamWord(transmitter.ParamLayout().anzeigeEinheit, 1);
        transmitter.SetParamWord(transmitter.ParamLayout().ma, static_cast<quint16>(word));
        QVERIFY(rig.transfer.ReceiveParameterSet());
        QCOMPARE(rig.doc.GetEinheit(), rig.doc.GetAnzeigeEinheit());
        QCOMPARE(rig.doc.GetAnzeigeDezimalstellen(), 3);
        QCOMPARE(rig.doc.GetGrundEnde(), 2.5f);
        // A set range of a few words is narrower than the edit dialog allows: the send asks about that
        // first, then its own question.
        rig.op.Answer(IOperator::Answer::Yes);
        rig.op.Answer(IOperator::Answer::Yes);
        QCOMPARE(rig.transfer.SendParameterSet(), CParameterTransfer::SendResult::Sent);
        QCOMPARE(int(transmitter.ParamWord(transmitter.ParamLayout().ma)), sent);
        QCOMPARE(int(transmitter.ParamWord(transmitter.ParamLayout().me)), CEinheiten::kScale);
    }

    void pl40ResetPulseIsASecondLong() {
        CSequenceRig rig(1, Kind::PL40);
        QByteArray reply;
        QVERIFY(rig.connection.ConnectTransmitter(reply));
        const QList<Frame> frames = rig.TakeFrames();
        QCOMPARE(frames.size(), 1); // no interface mode on the old interface
        const QList<CMemoryDevice::RtsEdge>& edges = rig.device->RtsEdges();
        QCOMPARE(edges.size(), 2);
        QCOMPARE(edges.at(1).atMs - edges.at(0).atMs, CTypKatalog::Find(1)->pulsPL40.nAnMs);
    }

    void wrongTypeChosenFailsToConnect_data() {
        QTest::addColumn<int>("chosen");
        QTest::addColumn<int>("attached");
        // A 3-wire type swallows the reply of a 2-wire transmitter as its echo.
        QTest::newRow("KA28 chosen, RX31 attached") << 6 << 2;
        // The 3-wire RX26 has no interface mode on a PL45.
        QTest::newRow("RX26 3-wire chosen, RX26 2-wire attached") << 4 << 3;
    }

    void wrongTypeChosenFailsToConnect() {
        QFETCH(int, chosen);
        QFETCH(int, attached);
        CSequenceRig rig(attached);
        rig.doc.SetTyp(chosen);
        QVERIFY(!rig.transfer.ReceiveParameterSet());
        QCOMPARE(rig.op.MessageTexts(), QStringList({QStringLiteral("Fail to Connect Transmitter"),
                                                     QStringLiteral("Empfangsfehler!")}));
        QCOMPARE(rig.doc.GetTyp(), chosen);
    }

    void failedStepLeavesTheDocumentAndKeepsWhatWasRead() {
        CSequenceRig rig(2);
        CSimulator::Faults faults;
        faults.silentCommands = {Cmd::GetSpanne};
        rig.sim.SetFaults(faults);
        rig.doc.SetGueltig(true);
        const QByteArray shown = rig.doc.SaveToBytes();
        QVERIFY(!rig.transfer.ReceiveParameterSet());
        QCOMPARE(rig.op.MessageTexts(), QStringList{QStringLiteral("Empfangsfehler!")});
        QCOMPARE(rig.transfer.Fehlermeldung(), QStringLiteral("Empfangsfehler!"));
        QVERIFY(rig.doc.IsGueltig());
        QCOMPARE(rig.doc.SaveToBytes(), shown);
        QCOMPARE(rig.transfer.LastRead().m_strKennung, rig.sim.Transmitter().Kennung()); // read before it
        QVERIFY(rig.transfer.LastRead().m_strBezeichnung.isEmpty());                     // not reached
        QCOMPARE(CSequenceRig::Only(rig.TakeFrames(), Cmd::GetSpanne).size(), 3);
        QVERIFY(!rig.link.Sio().IsPortOpen());
    }

    void failedWriteStepIsASendError() {
        CSequenceRig rig(9);
        QVERIFY(rig.transfer.ReceiveParameterSet());
        CSimulator::Faults faults;
        faults.silentCommands = {Cmd::SpeicherEnde};
        rig.sim.SetFaults(faults);
        rig.op.Answer(IOperator::Answer::Yes);
        QCOMPARE(rig.transfer.SendParameterSet(), CParameterTransfer::SendResult::Failed);
        QCOMPARE(rig.op.messages.last().text, QStringLiteral("Sendefehler!"));
    }
};

QTEST_GUILESS_MAIN(ParameterTransferTest)
#include "ParameterTransferTest.moc"
