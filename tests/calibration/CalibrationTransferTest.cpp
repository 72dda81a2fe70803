// The calibration record between program and transmitter, against the in-process simulator on a
// virtual clock: the words read, the block image written, the VN62's DAC points and the RX93 commands.

#include "calibration/CalibrationTransfer.h"

#include "SequenceRig.h"
#include "calibration/AbgleichFelder.h"
#include "calibration/AbgleichLayout.h"
#include "calibration/DacAbglVN62Loop.h"
#include "calibration/RX93Commands.h"
#include "calibration/RecordReadBack.h"
#include "sim/SimTransmitter.h"
#include "transmitter/Commands.h"

#include <QTest>

namespace {

using Frame = CSequenceRig::Frame;

/// A record that differs from a fresh transmitter's in every field.
CAbgleichdaten EditedRecord() {
    CAbgleichdaten r;
    for (int i = 0; i < 5; ++i) {
        r.m_nAdc[i] = 21000 + 111 * i;
        r.m_nDac[i] = 700 + 13 * i;
        r.m_nAdc2[i] = 30000 + 7 * i;
        r.m_nDac2[i] = 800 + 9 * i;
    }
    r.m_nTemperaturAdc = {33333, 44444, 55555};
    r.m_nWerksOffset = -12;
    r.m_nWerksSpanne = 10250;
    r.m_nKommaPos = 2;
    r.m_nBereichAnfang = -100;
    r.m_nBereichEnde = 2500;
    r.m_nGain = 3;
    r.m_nAbglEinheit = 2;
    r.m_nEnableParametrierung = 1;
    r.m_fTkOffset = {0.5f, -1.25f, 3e-4f, -2e-6f};
    r.m_fTkSpanne = {1.0f, 2.0f, -3.5f, 4e-7f};
    r.m_fTkOffset2 = {-0.75f, 0.0f, 1.0f, 2.0f};
    r.m_fTkSpanne2 = {9.0f, 8.0f, 7.0f, 6.0f};
    r.m_nWerksOffset2 = 44;
    r.m_nWerksSpanne2 = 9900;
    CAbgleichFelder::SetText(r, QStringLiteral("123456.78.901"));
    r.m_nAbglBereichAnfang = -50;
    r.m_nAbglBereichEnde = 2400;
    return r;
}

/// The transmitter's record words as the program lays them out.
QList<quint16> SimWords(CSequenceRig& rig, int nCount) {
    return rig.sim.Transmitter().CalWords().mid(0, nCount);
}

class CScriptedDacView : public CDacAbglVN62Loop::IView {
public:
    QList<CDacAbglVN62Loop::Outcome> script;
    QList<CDacAbglVN62Loop::Points> shown;
    bool bDefaultFirst = false;

    CDacAbglVN62Loop::Outcome Show(CDacAbglVN62Loop::Points& points) override {
        shown.append(points);
        if (bDefaultFirst) {
            points = CDacAbglVN62Loop::DefaultPoints(); // "Default" stays in the dialog
            bDefaultFirst = false;
        }
        return script.takeFirst();
    }
};

class CScriptedRX93View : public CRX93Commands::IView {
public:
    QList<std::pair<QString, QString>> entries;
    QList<bool> repeats;
    QStringList titles;
    QList<CRX93Commands::Exchange> exchanges;
    QStringList errors;

    std::optional<std::pair<QString, QString>> EnterWord(const QString&, const QString&) override {
        if (entries.isEmpty()) {
            return std::nullopt;
        }
        return entries.takeFirst();
    }
    bool ShowExchange(const QString& title, const CRX93Commands::Exchange& exchange) override {
        titles << title;
        exchanges << exchange;
        return repeats.takeFirst();
    }
    void ShowError(const QString& text) override { errors << text; }
};

} // namespace

class CalibrationTransferTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readsTheWordsOfTheType_data() {
        QTest::addColumn<int>("typ");
        QTest::addColumn<QByteArray>("kennung");
        QTest::addColumn<int>("count");
        QTest::addRow("RX31 without extended set") << 2 << QByteArray("RX31-305") << 94;
        QTest::addRow("RX31 with extended set") << 2 << QByteArray("RX31-309") << 96;
        QTest::addRow("RX30") << 3 << QByteArray() << 94;
        QTest::addRow("VN62") << 7 << QByteArray() << 150;
        QTest::addRow("KA71") << 10 << QByteArray() << 44;
        QTest::addRow("RX89") << 0 << QByteArray() << 83;
    }

    void readsTheWordsOfTheType() {
        QFETCH(int, typ);
        QFETCH(QByteArray, kennung);
        QFETCH(int, count);
        CSequenceRig rig(typ, CSimInterface::Kind::PL45, kennung);
        CCalibrationTransfer transfer(rig.link, rig.connection, rig.doc);
        rig.sim.Transmitter().CalWords()[14] = 2;  // KommaPos, or the KA71's Bereichende
        rig.doc.Abgleichdaten().m_bGueltig = true; // from an earlier read of another transmitter
        QVERIFY(transfer.ReadCalibrationData());
        QVERIFY2(rig.op.messages.isEmpty(), qPrintable(rig.op.MessageTexts().join(" | ")));
        QVERIFY(!rig.link.Sio().IsPortOpen());

        const QList<Frame> frames = rig.TakeFrames();
        const QList<Frame> reads = CSequenceRig::Only(frames, Cmd::GetAbgleichWort);
        QCOMPARE(reads.size(), count);
        QCOMPARE(CSequenceRig::Only(frames, Cmd::EnableAbgleich).size(), 1);
        for (int i = 0; i < count; ++i) {
            QCOMPARE(reads.at(i).payload, QByteArray(1, static_cast<char>(i + '0')));
        }
        QCOMPARE(rig.op.progressMaximum, count + 2);
        QCOMPARE(rig.op.progressPositions.last(), count + 1);
        QCOMPARE(rig.op.progressTexts.first(), QStringLiteral("Verbinde Hardware..."));
        QVERIFY(rig.op.progressTexts.contains(QStringLiteral("Lese Abgleichdaten...")));

        const CAbgleichdaten& record = rig.doc.Abgleichdaten();
        QCOMPARE(record.m_bGueltig, typ >= 2);
        const QList<quint16> words = rig.sim.Transmitter().CalWords();
        QCOMPARE(record.m_nAdc[4], qint32(words.at(4)));
        QCOMPARE(record.m_nTemperaturAdc[1], qint32(words.at(11)));
        if (typ == 10) {
            QCOMPARE(record.m_nBereichEnde, qint16(2));
            QCOMPARE(record.m_nTemperaturAdc[2], qint32(words.at(43)));
        } else {
            QCOMPARE(record.m_nKommaPos, quint16(2));
        }
        if (typ == 7) {
            QCOMPARE(record.m_nDac2[0], qint32(words.at(52)));
            QCOMPARE(record.m_nWerksSpanne2, words.at(74));
        }
        if (typ == 2 && count == 96) {
            QCOMPARE(record.m_nTemperaturAdc[2], qint32(words.at(47)));
        }
    }

    void familyMenusReadByTheirFamilysLayout() {
        // Which type each submenu reads with is walked for every type with the type table; here the
        // read itself: the VN62 submenu on an RX31 document reads the VN62's 150 words.
        using F = CTypKatalog::AbgleichForm;
        CSequenceRig rig(7);
        rig.doc.SetTyp(2);
        CCalibrationTransfer transfer(rig.link, rig.connection, rig.doc);
        QVERIFY(transfer.ReadCalibrationData(F::VN62));
        QCOMPARE(rig.doc.GetTyp(), 7);
        QCOMPARE(CSequenceRig::Only(rig.TakeFrames(), Cmd::GetAbgleichWort).size(), 150);
        QCOMPARE(rig.doc.Abgleichdaten().m_nDac2[2], qint32(rig.sim.Transmitter().CalWords().at(54)));
    }

    void aWordThatFailsLeavesTheRecordAndClearsItsValidFlag() {
        CSequenceRig rig(2);
        CCalibrationTransfer transfer(rig.link, rig.connection, rig.doc);
        CAbgleichdaten before = EditedRecord();
        before.m_bGueltig = true;
        rig.doc.Abgleichdaten() = before;
        rig.sim.Transmitter().CalWords().resize(60); // word 60 does not exist: the transmitter stays silent

        QVERIFY(!transfer.ReadCalibrationData());
        QVERIFY(!rig.doc.Abgleichdaten().m_bGueltig);
        before.m_bGueltig = false;
        QCOMPARE(CAbgleichLayout::ToWords(rig.doc.Abgleichdaten(), 2, true),
                 CAbgleichLayout::ToWords(before, 2, true));
        QCOMPARE(rig.op.MessageTexts(),
                 QStringList{QStringLiteral("Empfangsfehler!\nAbgleichwort 60 nicht gelesen.")});
        QVERIFY(!rig.link.Sio().IsPortOpen());
        QVERIFY(!rig.op.progressOpen);
    }

    void readWordReturnsTheWordOrNothing() {
        CSequenceRig rig(2);
        CCalibrationTransfer transfer(rig.link, rig.connection, rig.doc);
        CSimulator::Faults silent;
        silent.silentCommands = {Cmd::GetAbgleichWort};
        rig.sim.SetFaults(silent);
        QVERIFY(!transfer.ReadWord(0).has_value());
        rig.sim.SetFaults({});
        QCOMPARE(transfer.ReadWord(13), std::optional<quint16>(rig.sim.Transmitter().CalWords().at(13)));
    }

    void writesTheBlockImageAndReadsTheSameBack_data() {
        QTest::addColumn<int>("typ");
        QTest::addColumn<QByteArray>("kennung");
        QTest::addColumn<int>("imageLength");
        QTest::addRow("RX31 without extended set") << 2 << QByteArray("RX31-305") << 188;
        QTest::addRow("RX31 with extended set") << 2 << QByteArray("RX31-309") << 192;
        QTest::addRow("VN62") << 7 << QByteArray() << 300;
        QTest::addRow("KA71") << 10 << QByteArray() << 176;
    }

    void writesTheBlockImageAndReadsTheSameBack() {
        QFETCH(int, typ);
        QFETCH(QByteArray, kennung);
        QFETCH(int, imageLength);
        CSequenceRig rig(typ, CSimInterface::Kind::PL45, kennung);
        CCalibrationTransfer transfer(rig.link, rig.connection, rig.doc);
        QVERIFY(transfer.ReadCalibrationData());
        const CAbgleichdaten edited = EditedRecord();
        rig.doc.Abgleichdaten() = edited;
        rig.TakeFrames();

        QVERIFY(transfer.WriteCalibrationData());
        QVERIFY2(rig.op.messages.isEmpty(), qPrintable(rig.op.MessageTexts().join(" | ")));
        const QList<Frame> frames = rig.TakeFrames();
        QCOMPARE(CSequenceRig::Only(frames, Cmd::SpeicherBeginn).first().payload, QByteArray("0"));
        QCOMPARE(CSequenceRig::Only(frames, Cmd::SpeicherEnde).first().payload, QByteArray("0"));
        const QList<Frame> chunks = CSequenceRig::Only(frames, Cmd::SpeicherBlock);
        QByteArray image;
        for (int k = 0; k < chunks.size(); ++k) {
            QCOMPARE(chunks.at(k).payload.left(2),
                     QByteArray::number(k * 10, 16).toUpper().rightJustified(2, '0'));
            image += chunks.at(k).payload.mid(2);
        }
        QCOMPARE(image.size(), imageLength);
        QCOMPARE(chunks.size(), (imageLength + 19) / 20);

        const int nWords = imageLength / 4;
        QCOMPARE(SimWords(rig, nWords), CAbgleichLayout::ToWords(edited, typ, rig.doc.IsErweitert()));

        CSequenceRig fresh(typ, CSimInterface::Kind::PL45, kennung);
        fresh.sim.Transmitter().CalWords() = rig.sim.Transmitter().CalWords();
        CCalibrationTransfer reader(fresh.link, fresh.connection, fresh.doc);
        QVERIFY(reader.ReadCalibrationData());
        QCOMPARE(CAbgleichLayout::ToWords(fresh.doc.Abgleichdaten(), typ, fresh.doc.IsErweitert()),
                 CAbgleichLayout::ToWords(edited, typ, rig.doc.IsErweitert()));
        QCOMPARE(fresh.doc.Abgleichdaten().m_nReserve, edited.m_nEnableParametrierung);
    }

    void tenChunksOfWhichTheLastCarriesEightCharacters() {
        CSequenceRig rig(2, CSimInterface::Kind::PL45, "RX31-305");
        CCalibrationTransfer transfer(rig.link, rig.connection, rig.doc);
        rig.doc.Abgleichdaten() = EditedRecord();
        QVERIFY(transfer.WriteCalibrationData());
        const QList<Frame> chunks = CSequenceRig::Only(rig.TakeFrames(), Cmd::SpeicherBlock);
        QStringList addresses;
        for (const Frame& chunk : chunks) {
            addresses << QString::fromLatin1(chunk.payload.left(2));
        }
        QCOMPARE(addresses.join(' '), QStringLiteral("00 0A 14 1E 28 32 3C 46 50 5A"));
        QCOMPARE(chunks.last().payload.size(), 2 + 8);
        // The serial text 123456.78.901 begins at word 37: characters 1, 2, 3, 4 in memory order.
        const QByteArray image = CAbgleichLayout::BlockImage(EditedRecord(), 2, false);
        QCOMPARE(image.mid(37 * 4, 16), QByteArray("3132333435362E37"));
    }

    void aWriteFailingPartWaySaysWhichChunk() {
        CSequenceRig rig(2, CSimInterface::Kind::PL45, "RX31-305");
        CCalibrationTransfer transfer(rig.link, rig.connection, rig.doc);
        rig.doc.Abgleichdaten() = EditedRecord();
        QVERIFY(transfer.WriteCalibrationData());
        const QList<Frame> all = rig.TakeFrames();
        int nFourth = 0;
        for (int seen = 0; seen < 4; ++nFourth) {
            seen += all.at(nFourth).command == Cmd::SpeicherBlock ? 1 : 0;
        }
        CSequenceRig failing(2, CSimInterface::Kind::PL45, "RX31-305");
        CCalibrationTransfer broken(failing.link, failing.connection, failing.doc);
        failing.doc.Abgleichdaten() = EditedRecord();
        CSimulator::Faults faults;
        faults.nVanishAfter = nFourth - 1; // the fourth chunk is never heard
        failing.sim.SetFaults(faults);
        QVERIFY(!broken.WriteCalibrationData());
        QCOMPARE(failing.op.messages.size(), 1);
        QVERIFY2(failing.op.messages.first().text.startsWith(
                     QStringLiteral("Sendefehler!\nTeil 4 von 10 (Adresse 1E) nicht bestätigt")),
                 qPrintable(failing.op.messages.first().text));
        QVERIFY(!failing.op.progressOpen);
    }

    void anUnconfirmedBlockEndIsReadBack_data() {
        QTest::addColumn<int>("typ");
        QTest::addRow("RX31") << 2;
        QTest::addRow("KA28, 3-wire") << 6;
        QTest::addRow("VN62") << 7;
        QTest::addRow("KA71") << 10;
    }

    void anUnconfirmedBlockEndIsReadBack() {
        QFETCH(int, typ);
        CSequenceRig rig(typ);
        CCalibrationTransfer transfer(rig.link, rig.connection, rig.doc);
        QVERIFY(transfer.ReadCalibrationData());
        rig.doc.Abgleichdaten() = EditedRecord();
        CSimulator::Faults faults;
        faults.lostReplyCommands = {Cmd::SpeicherEnde}; // taken by the transmitter, never confirmed
        rig.sim.SetFaults(faults);

        QVERIFY(!transfer.WriteCalibrationData());
        QCOMPARE(rig.op.messages.size(), 1);
        const QString text = rig.op.messages.first().text;
        QVERIFY2(
            text.startsWith(QStringLiteral("Sendefehler!\nEnde des Abgleichdaten-Blocks nicht bestätigt.")),
            qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("vollständigen neuen Abgleichdaten")), qPrintable(text));
        QVERIFY(!rig.op.progressOpen);
        const QList<quint16> neu = CAbgleichLayout::ToWords(EditedRecord(), typ, rig.doc.IsErweitert());
        QCOMPARE(SimWords(rig, static_cast<int>(neu.size())), neu);
    }

    void aReadBackTellsNewOldAndMixedApart() {
        using Befund = CWriteFinding::Befund;
        using Woerter = CRecordReadBack::Woerter;
        const CAbgleichdaten neuRecord = EditedRecord();
        CAbgleichdaten altRecord = neuRecord;
        altRecord.m_nAdc[2] = 1;
        altRecord.m_fTkOffset[1] = 7.1f; // both its words differ from the new -1.25
        const QList<quint16> neu = CAbgleichLayout::ToWords(neuRecord, 2, false);
        const QList<quint16> alt = CAbgleichLayout::ToWords(altRecord, 2, false);
        QList<quint16> gemischt = neu;
        gemischt[2] = alt.at(2);
        QList<quint16> halberFloat = neu;
        halberFloat[22] = alt.at(22); // the low word of m_fTkOffset[1]
        QList<quint16> andererSensor = alt;
        andererSensor[40] = 0x3939; // another serial text

        const QByteArray kennung("RX31-305");
        const Woerter vorher{kennung, alt};
        const struct {
            const char* name;
            std::optional<Woerter> gelesen;
            std::optional<Woerter> vorher;
            Befund befund;
            QStringList felder;
        } cases[] = {
            {"all new", Woerter{kennung, neu}, vorher, Befund::NeuerSatz, {}},
            {"all old", Woerter{kennung, alt}, vorher, Befund::AlterSatz, {"m_nAdc[2]", "m_fTkOffset[1]"}},
            {"one field new", Woerter{kennung, gemischt}, vorher, Befund::Gemischt, {"m_nAdc[2]"}},
            {"half a float", Woerter{kennung, halberFloat}, vorher, Befund::Gemischt, {"m_fTkOffset[1]"}},
            {"old record unknown",
             Woerter{kennung, alt},
             std::nullopt,
             Befund::NichtNeu,
             {"m_nAdc[2]", "m_fTkOffset[1]"}},
            {"another transmitter",
             Woerter{kennung, andererSensor},
             vorher,
             Befund::NichtNeu,
             {"m_nAdc[2]", "m_fTkOffset[1]", "m_szSeriennummer"}},
            {"read-back failed", std::nullopt, vorher, Befund::NichtGeprueft, {}},
        };
        for (const auto& c : cases) {
            const CRecordReadBack::Ergebnis ergebnis =
                CRecordReadBack::Vergleiche(2, false, neu, c.gelesen, c.vorher);
            QVERIFY2(ergebnis.befund == c.befund, c.name);
            QStringList felder;
            for (const QString& zeile : ergebnis.abweichungen) {
                felder << zeile.section(QLatin1Char(':'), 0, 0);
            }
            QVERIFY2(felder == c.felder, qPrintable(QStringLiteral("%1: %2").arg(c.name, felder.join(' '))));
            QVERIFY2(!CRecordReadBack::Meldung(ergebnis).isEmpty(), c.name);
        }
        const CRecordReadBack::Ergebnis eins =
            CRecordReadBack::Vergleiche(2, false, neu, Woerter{kennung, gemischt}, vorher);
        QCOMPARE(eins.abweichungen.first(), QStringLiteral("m_nAdc[2]: gesendet 21222, im Transmitter 1"));
        QVERIFY(CRecordReadBack::Meldung(eins).contains(QStringLiteral("teils neue, teils alte")));
    }

    void refusesWhatWouldOverwriteAnotherLayout() {
        CSequenceRig rig(2); // an RX31 is attached
        CCalibrationTransfer transfer(rig.link, rig.connection, rig.doc);
        const QList<quint16> before = rig.sim.Transmitter().CalWords();
        rig.doc.SetTyp(10);
        QVERIFY(!transfer.WriteCalibrationData());
        QVERIFY(CSequenceRig::Only(rig.TakeFrames(), Cmd::SpeicherBeginn).isEmpty());
        QCOMPARE(rig.sim.Transmitter().CalWords(), before);
        QVERIFY(rig.op.messages.first().text.contains(QStringLiteral("Nichts wurde geschrieben")));

        rig.doc.SetTyp(0);
        QVERIFY(!transfer.WriteCalibrationData());
        QCOMPARE(rig.op.messages.last().text, QStringLiteral("Gerät nicht kompatibel!"));
        QVERIFY(rig.TakeFrames().isEmpty());
    }

    void vn62DacPointsBothWays() {
        CSequenceRig rig(7);
        CCalibrationTransfer transfer(rig.link, rig.connection, rig.doc);
        QList<quint16>& words = rig.sim.Transmitter().CalWords();
        words[5] = 611;
        words[7] = 3301;
        words[52] = 777;
        words[54] = 3811;
        QVERIFY(transfer.ReadDac2Points());
        const QList<Frame> reads = CSequenceRig::Only(rig.TakeFrames(), Cmd::GetAbgleichWort);
        QCOMPARE(reads.size(), 6);
        QCOMPARE(reads.at(3).payload, QByteArray(1, static_cast<char>(52 + '0')));
        QCOMPARE(rig.doc.Abgleichdaten().m_nDac[0], 611);
        QCOMPARE(rig.doc.Abgleichdaten().m_nDac[2], 3301);
        QCOMPARE(rig.doc.Abgleichdaten().m_nDac2[0], 777);
        QCOMPARE(rig.doc.Abgleichdaten().m_nDac2[2], 3811);

        rig.doc.Abgleichdaten().m_nDac2[1] = 0x1234;
        rig.op.progressPositions.clear();
        QVERIFY(transfer.WriteGainWords());
        const QList<Frame> writes = CSequenceRig::Only(rig.TakeFrames(), Cmd::SetVerstaerkung);
        QCOMPARE(writes.size(), 6);
        QCOMPARE(rig.op.progressCaption, QStringLiteral("Datentransfer"));
        QCOMPARE(rig.op.progressTexts.last(), QStringLiteral("Verbinde Transmitter ..."));
        QCOMPARE(rig.op.progressPositions, QList<int>({1, 2, 3, 4, 5, 6}));
        QCOMPARE(rig.op.progressMaximum, 7);
        QVERIFY(!rig.op.progressOpen);
        QCOMPARE(writes.at(0).payload, QByteArray("0050263"));
        QCOMPARE(writes.at(4).payload, QByteArray("0351234"));
        QCOMPARE(words.at(0x35), quint16(0x1234));

        // A silent word: none of the six points changes.
        rig.doc.Abgleichdaten().m_nDac[0] = 1;
        words.resize(53);
        QVERIFY(!transfer.ReadDac2Points());
        QCOMPARE(rig.doc.Abgleichdaten().m_nDac[0], 1);
        QCOMPARE(rig.op.MessageTexts().last(), QStringLiteral("Empfangsfehler!"));
    }

    void vn62DacLoopTakesTheDialogsValuesWhateverEndsIt() {
        CSequenceRig rig(7);
        CCalibrationTransfer transfer(rig.link, rig.connection, rig.doc);
        CDacAbglVN62Loop loop(transfer, rig.connection, rig.doc, rig.op);
        rig.sim.Transmitter().CalWords()[5] = 611;
        rig.sim.Transmitter().CalWords()[54] = 3811;
        CScriptedDacView view;
        view.bDefaultFirst = true;
        view.script = {{CDacAbglVN62Loop::Action::Abbrechen}};
        QVERIFY(loop.Run(view));
        QCOMPARE(rig.doc.Abgleichdaten().m_nDac[0], 600);
        QCOMPARE(rig.doc.Abgleichdaten().m_nDac2[2], 3800);
        QVERIFY(CSequenceRig::Only(rig.TakeFrames(), Cmd::SetVerstaerkung).isEmpty());
        QVERIFY(!rig.link.Sio().IsPortOpen());

        view.script = {{CDacAbglVN62Loop::Action::Set, 4},
                       {CDacAbglVN62Loop::Action::Freigeben},
                       {CDacAbglVN62Loop::Action::Lesen},
                       {CDacAbglVN62Loop::Action::Ok}};
        QVERIFY(loop.Run(view));
        const QList<Frame> frames = rig.TakeFrames();
        const QList<Frame> dac = CSequenceRig::Only(frames, Cmd::SetDac);
        QCOMPARE(dac.size(), 2);
        QCOMPARE(dac.at(0).payload, QByteArray("002260")); // the transmitter's point of output 2 at 12 mA
        QCOMPARE(dac.at(1).payload, QByteArray("065535"));
        QCOMPARE(CSequenceRig::Only(frames, Cmd::GetAbgleichWort).size(), 12);
        QCOMPARE(CSequenceRig::Only(frames, Cmd::SetVerstaerkung).size(), 6);
        QVERIFY(rig.op.messages.isEmpty());
        QCOMPARE(view.shown.first().at(0), 611);
    }

    void rx93LoopsRepeatUntilLeft() {
        CSequenceRig rig(1);
        CRX93Commands rx93(rig.link, rig.connection);
        CScriptedRX93View view;
        view.repeats = {true, false};
        rx93.RunRelease(view);
        QCOMPARE(view.titles, (QStringList{"Enable Abgleich", "Enable Abgleich"}));
        QVERIFY(view.exchanges.at(1).bOk);
        QCOMPARE(CSequenceRig::Only(rig.TakeFrames(), Cmd::EnableAbgleich).size(), 2);
        QVERIFY(!rig.link.Sio().IsPortOpen());

        view.titles.clear();
        view.entries = {{"5", "4711"}, {"5", "70000"}, {"6", "815"}};
        view.repeats = {true, true};
        rx93.RunWordWrites(view); // the entry dialog is left after the third entry
        QCOMPARE(view.titles, (QStringList{"Set AbglData", "Set AbglData"}));
        QCOMPARE(view.errors.size(), 1);
        QCOMPARE(rig.sim.Transmitter().CalWords().at(5), quint16(4711));
        QCOMPARE(rig.sim.Transmitter().CalWords().at(6), quint16(815));
        QCOMPARE(rig.sim.Transmitter().StoreCount(), 2);
        QVERIFY(!rig.link.Sio().IsPortOpen());
    }

    void rx93WordWritesAreStored() {
        CSequenceRig rig(2);
        CRX93Commands rx93(rig.link, rig.connection);
        QCOMPARE(rx93.ConnectionTest(), QStringLiteral("Connecting Hardware...OK"));
        QVERIFY(rx93.BeginWordWrites().bOk);
        QString error;
        const std::optional<CRX93Commands::WordEntry> entry =
            CRX93Commands::ParseEntry(QStringLiteral("03"), QStringLiteral("12345"), error);
        QVERIFY(entry);
        QVERIFY(rx93.WriteWord(*entry).bOk);
        rx93.ClosePort();
        const QList<Frame> frames = rig.TakeFrames();
        QCOMPARE(CSequenceRig::Only(frames, Cmd::EnableAbgleich).size(), 1);
        QCOMPARE(CSequenceRig::Only(frames, Cmd::SetAbglData).first().payload, QByteArray("312345"));
        QCOMPARE(CSequenceRig::Only(frames, Cmd::StoreAbglData).size(), 1);
        QCOMPARE(rig.sim.Transmitter().CalWords().at(3), quint16(12345));
        QCOMPARE(rig.sim.Transmitter().StoreCount(), 1);

        for (const auto& [index, value] :
             {std::pair{"x", "1"}, {"-1", "1"}, {"208", "1"}, {"0", "65536"}, {"0", "abc"}}) {
            QVERIFY(
                !CRX93Commands::ParseEntry(QString::fromLatin1(index), QString::fromLatin1(value), error));
            QVERIFY(!error.isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(CalibrationTransferTest)
#include "CalibrationTransferTest.moc"
