// The simulator against the program's own link and document code, over an in-memory line on a virtual
// clock: identification and reset of every model, the echo of 3-wire lines, the interface commands, and
// every command family read back after it was written (single writes, memory images, calibration words,
// registers), measured values and the line timing.

#include "SimRig.h"
#include "base/Utils.h"
#include "document/BlockImage.h"
#include "document/QuillonDoc.h"
#include "document/ReplyDecoder.h"
#include "sim/SimCatalogue.h"

#include <QTest>
#include <cmath>

namespace {

using Kind = CSimInterface::Kind;

/// The interface the program can use with the type: the 3-wire RX26 only works behind a PL40.
Kind KindFor(int nTyp) {
    return nTyp == 4 ? Kind::PL40 : Kind::PL45;
}

float Rounded(float value, int decimals) {
    CUtils::RoundFloat(value, decimals);
    return value;
}

/// Reads unit, decimals and base range from the transmitter into the document, as the receive does.
void ReadRange(CSimRig& rig, CQuillonDoc& doc) {
    CReplyDecoder decoder(doc);
    doc.SetTyp(rig.sim.Transmitter().Typ());
    decoder.DecodeEinheit(*rig.Transfer(0x3E));
    const QByteArray start = *rig.Transfer(0x3B);
    decoder.DecodeDezimalstellen(start, 8);
    decoder.DecodeGrundAnfang(start);
    decoder.DecodeGrundEnde(*rig.Transfer(0x3C));
}

void AddTypeRows(int first, int last) {
    QTest::addColumn<int>("typ");
    for (int nTyp = first; nTyp <= last; ++nTyp) {
        QTest::addRow("type %d", nTyp) << nTyp;
    }
}

} // namespace

class CSimulatorTest : public QObject {
    Q_OBJECT

private slots:
    void identifiesEveryModel_data();
    void identifiesEveryModel();
    void resetTypesWaitForThePulse_data();
    void resetTypesWaitForThePulse();
    void rtsOnHoldsTheTransmitterInReset();
    void threeWireLineEchoes_data();
    void threeWireLineEchoes();
    void pl45AnswersItsOwnCommands();
    void pl40PassesInterfaceCommandsOn();
    void modeAnswerComesAfterTheEchoWait();
    void singleWritesReadBack_data();
    void singleWritesReadBack();
    void memoryImagesReadBack_data();
    void memoryImagesReadBack();
    void ka71TableOfFarApartPointsInterpolates();
    void blockTableReadsBack_data();
    void blockTableReadsBack();
    void registersAndCalibrationWords();
    void calibrationImageReadsBack_data();
    void calibrationImageReadsBack();
    void serialNumberReleaseAndDac();
    void malformedRequestsStayUnanswered();
    void measuredValuesMove_data();
    void measuredValuesMove();
    void vn62SendsThreeValues();
    void correctionsShiftTheMeasuredValue();
    void pacingTakesTheLineTime();
};

void CSimulatorTest::identifiesEveryModel_data() {
    QTest::addColumn<QString>("model");
    for (const CSimCatalogue::Model& model : CSimCatalogue::Models()) {
        QTest::newRow(model.name) << QString::fromLatin1(model.name);
    }
}

void CSimulatorTest::identifiesEveryModel() {
    QFETCH(QString, model);
    const CSimCatalogue::Model* entry = CSimCatalogue::FindModel(model);
    QVERIFY(entry != nullptr);
    CSimRig rig(entry->nTyp, KindFor(entry->nTyp), entry->kennung);
    QVERIFY(rig.Connect());

    // The program's own decoders derive the type and the extended set from the reply.
    const std::optional<QByteArray> reply = rig.Transfer(0x31);
    QVERIFY(reply);
    QCOMPARE(reply->size(), 12);
    QCOMPARE(static_cast<int>(reply->at(1)), 10);
    CQuillonDoc doc(rig.op, QString());
    doc.SetTyp(-1);
    doc.SetKennung(*reply);
    doc.SetErweitert(*reply);
    QCOMPARE(doc.GetTyp(), entry->nTyp);
    QCOMPARE(doc.GetKennung(), QByteArray(entry->kennung));
    const bool bErweitert = model == QLatin1String("rx31") || model == QLatin1String("ka71");
    QCOMPARE(doc.IsErweitert(), bErweitert);
}

void CSimulatorTest::resetTypesWaitForThePulse_data() {
    AddTypeRows(0, 10);
}

void CSimulatorTest::resetTypesWaitForThePulse() {
    QFETCH(int, typ);
    CSimRig rig(typ, Kind::PL40);
    QVERIFY(rig.Open());
    rig.link.Serial().SetRtsOff();
    const bool bNeedsReset = typ == 0 || typ == 1 || typ == 4 || typ == 6 || typ == 10;
    QCOMPARE(!rig.Transfer(0x31).has_value(), bNeedsReset);

    rig.ResetPulse();
    QVERIFY(rig.Transfer(0x31));
    // The line saw the pulse: on, then off a second later (the PL40's pulse).
    const QList<CMemoryDevice::RtsEdge>& edges = rig.device->RtsEdges();
    QVERIFY(edges.size() >= 2);
    QCOMPARE(edges.at(edges.size() - 2).on, true);
    QCOMPARE(edges.last().on, false);
    QCOMPARE(edges.last().atMs - edges.at(edges.size() - 2).atMs, 1000);
}

void CSimulatorTest::rtsOnHoldsTheTransmitterInReset() {
    CSimRig rig(2);
    QVERIFY(rig.Connect());
    rig.link.Serial().SetRtsOn();
    const int before = rig.sim.FrameCount();
    QVERIFY(!rig.Transfer(0x31));
    QCOMPARE(rig.sim.FrameCount() - before, 3); // heard three times, answered never

    // Restarting takes a moment: the first attempt right after RTS off goes unanswered, the retry not.
    rig.link.Serial().SetRtsOff();
    const int restart = rig.sim.FrameCount();
    QVERIFY(rig.Transfer(0x31));
    QCOMPARE(rig.sim.FrameCount() - restart, 2);
}

void CSimulatorTest::threeWireLineEchoes_data() {
    QTest::addColumn<int>("typ");
    QTest::addColumn<bool>("echo");
    QTest::newRow("RX26 3-wire") << 4 << true;
    QTest::newRow("KA28 3-wire") << 6 << true;
    QTest::newRow("RX31 2-wire") << 2 << false;
    QTest::newRow("KA71 2-wire") << 10 << false;
}

void CSimulatorTest::threeWireLineEchoes() {
    QFETCH(int, typ);
    QFETCH(bool, echo);
    CSimRig rig(typ, Kind::PL40);
    QVERIFY(rig.Connect());
    const QByteArray kennung = rig.sim.Transmitter().Kennung();

    // With the echo flag the program swallows the echo and gets the identification.
    QCOMPARE(rig.Data(0x31), kennung);
    // Without it the echo of the request is the first frame on the line.
    rig.link.Sio().SetEcho(false);
    const std::optional<QByteArray> reply = rig.Transfer(0x31);
    QVERIFY(reply);
    QCOMPARE(*reply == CTransmitterSio::BuildFrame(0x31, QByteArray()), echo);
    QCOMPARE(reply->mid(2, 8) == kennung, !echo);
}

void CSimulatorTest::pl45AnswersItsOwnCommands() {
    CSimRig rig(2, Kind::PL45);
    QVERIFY(rig.Open());
    // The interface answers even while the transmitter is held in reset.
    rig.link.Serial().SetRtsOn();
    const std::optional<QByteArray> info = rig.Transfer(0xF0);
    QVERIFY(info);
    QCOMPARE(info->size(), 31);
    QCOMPARE(info->mid(2, 6), QByteArray("45016A")); // interface bytes, firmware 106 = 1.06
    QCOMPARE(info->mid(8, 4), QByteArray("0001"));
    QCOMPARE(info->at(28), '1');

    std::optional<QByteArray> mode = rig.Transfer(0xF1, "0500");
    QVERIFY(mode);
    QCOMPARE(static_cast<quint8>(mode->at(2)), quint8(0x80));
    QCOMPARE(rig.sim.Interface().Mode(), 5);
    mode = rig.Transfer(0xF1, "0700"); // a mode the interface does not know
    QVERIFY(mode);
    QVERIFY(static_cast<quint8>(mode->at(2)) != 0x80);
    QCOMPARE(rig.sim.Interface().Mode(), 5);
    mode = rig.Transfer(0xF1, "0000");
    QCOMPARE(static_cast<quint8>(mode->at(2)), quint8(0x80));
    QCOMPARE(rig.sim.Interface().Mode(), 0);
}

void CSimulatorTest::pl40PassesInterfaceCommandsOn() {
    CSimRig rig(2, Kind::PL40);
    QVERIFY(rig.Connect());
    const int before = rig.sim.FrameCount();
    QVERIFY(!rig.Transfer(0xF0));
    QVERIFY(!rig.Transfer(0xF1, "0500"));
    QCOMPARE(rig.sim.FrameCount() - before, 6); // the transmitter heard them and does not know them
    QVERIFY(rig.Transfer(0x31));
}

void CSimulatorTest::modeAnswerComesAfterTheEchoWait() {
    // KA28 behind a PL45: the port is open with the echo flag, the interface's own frames are not
    // echoed, and its mode answer must survive the program's echo wait.
    CSimRig rig(6, Kind::PL45);
    QVERIFY(rig.Connect());
    QCOMPARE(rig.sim.Interface().Mode(), 5);
    rig.link.Sio().SetEcho(false); // as the interface search does for 0xF0
    const std::optional<QByteArray> info = rig.Transfer(0xF0);
    QVERIFY(info);
    QCOMPARE(info->size(), 31);
}

void CSimulatorTest::singleWritesReadBack_data() {
    AddTypeRows(0, 9);
}

void CSimulatorTest::singleWritesReadBack() {
    QFETCH(int, typ);
    CSimRig rig(typ, KindFor(typ));
    QVERIFY(rig.Connect());
    CQuillonDoc doc(rig.op, QString());
    ReadRange(rig, doc);
    const int dez = doc.GetDezimalstellen();
    const float span = doc.GetGrundEnde() - doc.GetGrundAnfang();
    const float ma = Rounded(doc.GetGrundAnfang() + 0.125f * span, dez);
    const float me = Rounded(doc.GetGrundEnde() - 0.25f * span, dez);
    const float offset = Rounded(-0.01f * span, dez);

    // The command sequence of the send for types 0 and 1, and the correction commands.
    const struct {
        quint8 command;
        QByteArray payload;
    } writes[] = {
        {0x45, CUtils::FormatScaled(ma, dez)},
        {0x46, CUtils::FormatScaled(me, dez)},
        {0x49, CUtils::FormatScaled(1.5f, 1)},
        {0x4A, "Kessel 3"},
        {0x82, CUtils::FormatScaled(3.9f, 2)},
        {0x83, CUtils::FormatScaled(21.0f, 2)},
        {0x81, CUtils::FormatScaled(3.6f, 2)},
        {0x47, CUtils::FormatScaled(offset, dez)},
        {0x48, CUtils::FormatScaled(1.0f - 0.2f / 100.0f, 4)},
        {0x7A, "000025"},
        {0x79, "000007"},
    };
    for (const auto& write : writes) {
        QVERIFY2(rig.Transfer(write.command, write.payload), qPrintable(QString::number(write.command, 16)));
    }

    CQuillonDoc back(rig.op, QString());
    ReadRange(rig, back);
    CReplyDecoder decoder(back);
    decoder.DecodeMessAnfang(*rig.Transfer(0x35));
    decoder.DecodeMessEnde(*rig.Transfer(0x36));
    decoder.DecodeDaempfung(*rig.Transfer(0x39));
    decoder.DecodeBezeichnung(*rig.Transfer(0x3A));
    decoder.DecodeStromgrenzeMin(*rig.Transfer(0x72));
    decoder.DecodeStromgrenzeMax(*rig.Transfer(0x73));
    decoder.DecodeFehlerstrom(*rig.Transfer(0x71));
    decoder.DecodeOffset(*rig.Transfer(0x37));
    decoder.DecodeSpanne(*rig.Transfer(0x38));
    decoder.DecodeNullpunktsfenster(*rig.Transfer(0x77));
    decoder.DecodeTastatursperre(*rig.Transfer(0x76));
    QCOMPARE(back.GetMessAnfang(), ma);
    QCOMPARE(back.GetMessEnde(), me);
    QCOMPARE(back.GetDaempfung(), 1.5f);
    QCOMPARE(back.GetBezeichnung(), QByteArray("Kessel 3").leftJustified(20, ' '));
    QCOMPARE(back.GetStromgrenzeMin(), 3.9f);
    QCOMPARE(back.GetStromgrenzeMax(), 21.0f);
    QCOMPARE(back.GetFehlerstrom(), 3.6f);
    QCOMPARE(back.GetOffset(), offset);
    QCOMPARE(back.GetSpanne(), 0.2f);
    QCOMPARE(back.GetNullpunktsfenster(), qint16(25));
    QCOMPARE(back.GetTastatursperre(), qint16(7));
}

void CSimulatorTest::memoryImagesReadBack_data() {
    AddTypeRows(2, 10);
}

void CSimulatorTest::memoryImagesReadBack() {
    QFETCH(int, typ);
    const bool bKA71 = typ == 10;
    CSimRig rig(typ, KindFor(typ));
    QVERIFY(rig.Connect());
    CQuillonDoc doc(rig.op, QString());
    ReadRange(rig, doc);
    const int dez = doc.GetDezimalstellen();
    const float span = doc.GetGrundEnde() - doc.GetGrundAnfang();
    if (typ == 2) {
        doc.SetMessAnfang(12.5f); // outside the base range, but the transmitter keeps what it is given
        doc.SetMessEnde(Rounded(doc.GetGrundEnde() - 0.5f * span, dez));
    } else if (bKA71) {
        doc.SetMessAnfang(250.0f); // display unit mbar: 0.25 bar
        doc.SetMessEnde(2250.0f);
    } else {
        doc.SetMessAnfang(Rounded(doc.GetGrundAnfang() + 0.1f * span, dez));
        doc.SetMessEnde(Rounded(doc.GetGrundEnde() - 0.2f * span, dez));
    }
    doc.SetOffset(Rounded(0.02f * span, dez));
    doc.SetSpanne(-0.3f);
    doc.SetDaempfung(2.5f);
    doc.SetTempDaempfung(bKA71 ? 0.0f : 4.5f);
    doc.SetStromgrenzeMin(3.7f);
    doc.SetStromgrenzeMax(21.5f);
    doc.SetFehlerstrom(3.55f);
    doc.SetTastatursperre(4);
    doc.SetNullpunktsfenster(33);
    doc.SetBezeichnung("Behaelter 12");
    doc.SetFreiDezimalpunkt(1);
    doc.SetFreiAnfang(0);
    doc.SetFreiEnde(5000);
    doc.SetMedium(2);
    doc.SetLinTabAnzahl(3);
    const float x[] = {bKA71 ? 0.0f : 4.0f, bKA71 ? 5000.0f : 12.0f, bKA71 ? 10000.0f : 20.0f};
    const float y[] = {bKA71 ? 0.0f : doc.GetMessAnfang(),
                       bKA71 ? 1500.0f : doc.GetMessAnfang() + 0.25f * span,
                       bKA71 ? 5000.0f : doc.GetMessEnde()};
    for (int i = 0; i < 3; ++i) {
        doc.SetLinTabX(i, x[i]);
        doc.SetLinTabY(i, y[i]);
    }

    const CBlockImage images(doc);
    QVERIFY(rig.SendImage('1', bKA71 ? images.BuildParameterBlockKA71() : images.BuildParameterBlock()));
    QVERIFY(rig.SendImage('2', bKA71 ? images.BuildLinTabBlockKA71() : images.BuildLinTabBlock()));

    // A fresh receive of everything the image carried.
    CQuillonDoc back(rig.op, QString());
    ReadRange(rig, back);
    CReplyDecoder decoder(back);
    if (bKA71) {
        for (int index = 0; index < 5; ++index) {
            decoder.DecodeFreiBereich(*rig.Transfer(0x90, QByteArray(1, static_cast<char>('0' + index))),
                                      index);
        }
        QCOMPARE(back.GetAnzeigeEinheit(), 2);
        QCOMPARE(back.GetFreiDezimalpunkt(), 1);
        QCOMPARE(back.GetFreiEnde(), qint16(5000));
        QCOMPARE(back.GetMedium(), 2);
    }
    decoder.DecodeMessAnfang(*rig.Transfer(0x35));
    decoder.DecodeMessEnde(*rig.Transfer(0x36));
    decoder.DecodeOffset(*rig.Transfer(0x37));
    decoder.DecodeSpanne(*rig.Transfer(0x38));
    decoder.DecodeDaempfung(*rig.Transfer(0x39));
    decoder.DecodeTempDaempfung(*rig.Transfer(0x75));
    decoder.DecodeBezeichnung(*rig.Transfer(0x3A));
    decoder.DecodeStromgrenzeMin(*rig.Transfer(0x72));
    decoder.DecodeStromgrenzeMax(*rig.Transfer(0x73));
    decoder.DecodeFehlerstrom(*rig.Transfer(0x71));
    decoder.DecodeTastatursperre(*rig.Transfer(0x76));
    decoder.DecodeNullpunktsfenster(*rig.Transfer(0x77));
    decoder.DecodeLinTabAnzahl(*rig.Transfer(0x74));
    QCOMPARE(back.GetLinTabAnzahl(), 3);
    for (int i = 0; i < 3; ++i) {
        const std::optional<QByteArray> point = rig.Transfer(0x3F, QByteArray(1, static_cast<char>('0' + i)));
        QVERIFY(point);
        QCOMPARE(point->size(), 20);
        if (bKA71) {
            decoder.DecodeLinTabPunktKA71(*point, i);
        } else {
            decoder.DecodeLinTabPunkt(*point, i);
        }
        QCOMPARE(back.GetLinTabX(i), x[i]);
        QVERIFY2(qAbs(back.GetLinTabY(i) - y[i]) < 0.0001f * span + 1e-6f, qPrintable(QString::number(i)));
    }
    QCOMPARE(back.GetMessAnfang(), doc.GetMessAnfang());
    QCOMPARE(back.GetMessEnde(), doc.GetMessEnde());
    QCOMPARE(back.GetOffset(), doc.GetOffset());
    QCOMPARE(back.GetSpanne(), -0.3f);
    QCOMPARE(back.GetDaempfung(), 2.5f);
    QCOMPARE(back.GetTempDaempfung(), doc.GetTempDaempfung());
    QCOMPARE(back.GetStromgrenzeMin(), 3.7f);
    QCOMPARE(back.GetStromgrenzeMax(), 21.5f);
    QCOMPARE(back.GetFehlerstrom(), 3.55f);
    QCOMPARE(back.GetTastatursperre(), qint16(4));
    QCOMPARE(back.GetNullpunktsfenster(), qint16(33));
    QCOMPARE(back.GetBezeichnung(), QByteArray("Behaelter 12").leftJustified(20, ' '));
    if (bKA71) {
        // With a table in use the KA71 shows the free range: about 45 % of the base range lies between
        // the points (5000, 1500) and (10000, 5000), in tenths.
        const std::optional<QByteArray> reply = rig.Transfer(0x32);
        decoder.DecodeDezimalstellen(*reply);
        decoder.DecodeMesswert(*reply);
        QVERIFY2(back.GetMesswert(0) > 110.0f && back.GetMesswert(0) < 160.0f,
                 qPrintable(QString::number(back.GetMesswert(0))));
    }
}

void CSimulatorTest::ka71TableOfFarApartPointsInterpolates() {
    // Two points whose values lie 2.2e9 apart, centred on the middle of the scale: whatever the pressure,
    // the display shows a value within +-5500 counts of zero, never the clamped end of a wrapped sum.
    CSimRig rig(10, Kind::PL45);
    QVERIFY(rig.Connect());
    CQuillonDoc doc(rig.op, QString());
    ReadRange(rig, doc);
    doc.SetLinTabAnzahl(2);
    doc.SetLinTabX(0, 5000.0f - 1.0e9f);
    doc.SetLinTabY(0, -1.1e9f);
    doc.SetLinTabX(1, 5000.0f + 1.0e9f);
    doc.SetLinTabY(1, 1.1e9f);
    const CBlockImage images(doc);
    QVERIFY(rig.SendImage('1', images.BuildParameterBlockKA71()));
    QVERIFY(rig.SendImage('2', images.BuildLinTabBlockKA71()));
    const std::optional<QByteArray> reply = rig.Transfer(0x32);
    QVERIFY(reply);
    const double counts = CUtils::ParseReplyValue(*reply, 0);
    QVERIFY2(std::abs(counts) < 6000.0, qPrintable(QString::number(counts)));
}

void CSimulatorTest::blockTableReadsBack_data() {
    AddTypeRows(0, 1);
}

void CSimulatorTest::blockTableReadsBack() {
    QFETCH(int, typ);
    CSimRig rig(typ, Kind::PL45);
    QVERIFY(rig.Connect());
    // Ten blocks of three points, words of x * 100 and y * 10, as the send writes them.
    for (int block = 0; block < 10; ++block) {
        QByteArray payload = QByteArray::number(block);
        for (int k = 0; k < 3; ++k) {
            const int point = 3 * block + k;
            payload += CUtils::WordToHexHighFirst(static_cast<quint16>(point * 150 - 150));
            payload += CUtils::WordToHexHighFirst(static_cast<quint16>(-point * 10));
        }
        QVERIFY(rig.Transfer(0x4F, payload));
    }
    QVERIFY(rig.Transfer(0x84, "30"));
    QCOMPARE(rig.Data(0x74), QByteArray("30"));

    CQuillonDoc doc(rig.op, QString());
    doc.SetTyp(typ);
    doc.SetLinTabOption(0); // second coordinate in tenths
    CReplyDecoder decoder(doc);
    for (int block = 0; block < 10; ++block) {
        const std::optional<QByteArray> reply = rig.Transfer(0x3F, QByteArray::number(block));
        QVERIFY(reply);
        QCOMPARE(reply->size(), 28);
        decoder.DecodeLinTabBlock(*reply, block);
    }
    QCOMPARE(doc.GetLinTabX(0), -1.5f);
    QCOMPARE(doc.GetLinTabX(29), 42.0f);
    QCOMPARE(doc.GetLinTabY(0), 0.0f);
    QCOMPARE(doc.GetLinTabY(17), -17.0f);
    // 31 points do not fit the table.
    QVERIFY(!rig.Transfer(0x84, "31"));
    QCOMPARE(rig.Data(0x74), QByteArray("30"));
}

void CSimulatorTest::registersAndCalibrationWords() {
    CSimRig rig(3); // RX26 2-wire, the calibration wizard's family
    QVERIFY(rig.Connect());
    QCOMPARE(rig.Data(0x51, QByteArray(1, '0' + 13)), QByteArray("10000")); // factory span: neutral

    // Register "0xx" is calibration word xx (the gain is 011), "1xx" word xx of the parameter area.
    QVERIFY(rig.Transfer(0x65, "011" + CUtils::WordToHexHighFirst(0x0004)));
    QCOMPARE(rig.Data(0x51, QByteArray(1, '0' + 17)), QByteArray("00004"));
    QVERIFY(rig.Transfer(0x65, "100" + CUtils::WordToHexHighFirst(150)));
    QVERIFY(rig.Transfer(0x65, "00C" + CUtils::WordToHexHighFirst(static_cast<quint16>(-25))));
    QCOMPARE(rig.Data(0x35), QByteArray("+001502"));
    QCOMPARE(rig.Data(0x51, QByteArray(1, '0' + 12)), QByteArray("65511"));

    // Single word writes ("a" with "%c%05d") take effect at once; "c" stores them.
    QVERIFY(rig.Transfer(0x50));
    QVERIFY(rig.sim.Transmitter().CalibrationEnabled());
    QVERIFY(rig.Transfer(0x61, QByteArray(1, '0' + 33) + "12345"));
    QVERIFY(rig.Transfer(0x63));
    QCOMPARE(rig.Data(0x51, QByteArray(1, '0' + 33)), QByteArray("12345"));
    QCOMPARE(rig.sim.Transmitter().StoreCount(), 1);

    // A restart locks the calibration memory again.
    rig.ResetPulse();
    QVERIFY(!rig.sim.Transmitter().CalibrationEnabled());
}

void CSimulatorTest::calibrationImageReadsBack_data() {
    QTest::addColumn<int>("typ");
    QTest::addColumn<int>("words");
    QTest::addColumn<int>("serialWord");
    QTest::newRow("RX31 extended") << 2 << 48 << 37;
    QTest::newRow("VN62") << 7 << 75 << 37;
    QTest::newRow("KA71") << 10 << 44 << 35;
}

void CSimulatorTest::calibrationImageReadsBack() {
    QFETCH(int, typ);
    QFETCH(int, words);
    QFETCH(int, serialWord);
    CSimRig rig(typ);
    QVERIFY(rig.Connect());
    QList<quint16> record;
    for (int i = 0; i < words; ++i) {
        record.append(static_cast<quint16>(1000 + 37 * i));
    }
    const QByteArray serial = "654321.09.876   ";
    for (int i = 0; i < 8; ++i) {
        record[serialWord + i] = static_cast<quint16>(static_cast<quint8>(serial.at(2 * i)) |
                                                      (static_cast<quint8>(serial.at(2 * i + 1)) << 8));
    }
    QByteArray image;
    for (const quint16 word : record) {
        image += CUtils::WordToHexLowFirst(word);
    }
    QVERIFY(rig.SendImage('0', image));
    for (int i = 0; i < words; ++i) {
        QCOMPARE(rig.Data(0x51, QByteArray(1, static_cast<char>('0' + i))),
                 QByteArray::number(record.at(i)).rightJustified(5, '0'));
    }
    // The serial number the transmitter reports is the one in its record.
    QCOMPARE(rig.Data(0x3D), serial);
}

void CSimulatorTest::serialNumberReleaseAndDac() {
    CSimRig rig(2);
    QVERIFY(rig.Connect());
    QVERIFY(rig.Transfer(0x50));
    QVERIFY(rig.Transfer(0x62, "123456.78.901"));
    const std::optional<QByteArray> serial = rig.Transfer(0x3D);
    CQuillonDoc doc(rig.op, QString());
    CReplyDecoder(doc).DecodeSeriennummer(*serial);
    QCOMPARE(doc.GetSeriennummer(), QByteArray("123456.78.901"));
    // In the record the text starts at word 37, earlier character in the low byte: 31 32 ...
    QCOMPARE(rig.Data(0x51, QByteArray(1, '0' + 37)), QByteArray::number(0x3231));

    // Lock and release go to the record's "EnableParametrierung" (word 19).
    QVERIFY(rig.Transfer(0x40, "0"));
    QVERIFY(!rig.sim.Transmitter().Released());
    QCOMPARE(rig.Data(0x51, QByteArray(1, '0' + 19)), QByteArray("00000"));
    QVERIFY(rig.Transfer(0x40, "1"));
    QCOMPARE(rig.Data(0x51, QByteArray(1, '0' + 19)), QByteArray("00001"));

    // A set converter value drives the output (points 600 at 4 mA and 3280 at 20 mA); 65535 frees it.
    QVERIFY(rig.Transfer(0x64, "001000"));
    QCOMPARE(rig.Data(0x30), QByteArray("+006392")); // 4 + 16 * 400 / 2680 = 6.39 mA
    QVERIFY(rig.Transfer(0x64, "065535"));
    const double current = CUtils::ParseReplyValue(*rig.Transfer(0x30));
    QVERIFY(current >= 3.8 && current <= 22.5);
    QVERIFY(qAbs(current - 6.39) > 0.01);
}

void CSimulatorTest::malformedRequestsStayUnanswered() {
    CSimRig rig(2);
    QVERIFY(rig.Connect());
    const struct {
        quint8 command;
        QByteArray payload;
    } requests[] = {
        {0x45, "+12a45"},                    // not a number
        {0x45, "+99999"},                    // beyond a 16-bit word
        {0x4F, "0000100020003000400050006"}, // block table of types 0 and 1 only
        {0x3F, "U"},                         // point 37 of 30
        {0x51, QByteArray(1, char(0xF0))},   // word 192 of 160
        {0x86, "0012345678"},                // block without its begin
        {0x65, "2110004"},                   // no such register page
        {0x90, "0"},                         // extra values of the KA71 only
        {0x40, "2"},
        {0x99, ""}, // no such command
    };
    for (const auto& request : requests) {
        QVERIFY2(!rig.Transfer(request.command, request.payload), request.payload.constData());
    }
    QCOMPARE(rig.Data(0x35), QByteArray("+000003")); // nothing of it changed the range start
}

void CSimulatorTest::measuredValuesMove_data() {
    AddTypeRows(0, 10);
}

void CSimulatorTest::measuredValuesMove() {
    QFETCH(int, typ);
    CSimRig rig(typ, KindFor(typ));
    QVERIFY(rig.Connect());
    CQuillonDoc doc(rig.op, QString());
    ReadRange(rig, doc);
    CReplyDecoder decoder(doc);
    doc.SetAnzeigeEinheit(
        rig.sim.Transmitter().ParamWord(rig.sim.Transmitter().ParamLayout().anzeigeEinheit));

    QList<float> values;
    for (int i = 0; i < 3; ++i) {
        const std::optional<QByteArray> reply = rig.Transfer(0x32);
        QVERIFY(reply);
        QCOMPARE(reply->size(), typ == 7 ? 25 : 11);
        decoder.DecodeDezimalstellen(*reply);
        decoder.DecodeMesswert(*reply);
        values.append(doc.GetMesswert(0));
        rig.clock.SleepMs(20000);
    }
    QVERIFY(values.at(0) != values.at(1) || values.at(1) != values.at(2));
    const float lo = bool(typ == 10) ? 0.0f : doc.GetGrundAnfang();
    const float hi = bool(typ == 10) ? 2500.0f : doc.GetGrundEnde(); // the KA71 shows mbar
    for (const float value : values) {
        QVERIFY2(value >= lo && value <= hi, qPrintable(QString::number(value)));
    }

    decoder.DecodeTemperatur(*rig.Transfer(0x34));
    QVERIFY(doc.GetTemperatur() > 15.0f && doc.GetTemperatur() < 30.0f);

    const QByteArray adc = rig.Data(0x33, "0");
    QCOMPARE(adc.size(), typ == 7 ? 12 : 6);
    QVERIFY(adc.left(6).toInt() >= 20000 && adc.left(6).toInt() <= 40000);
    const QByteArray tempAdc = rig.Data(0x78, "0");
    QCOMPARE(tempAdc.size(), 6);
    QVERIFY(tempAdc.toInt() > 35000 && tempAdc.toInt() < 45000);
}

void CSimulatorTest::vn62SendsThreeValues() {
    CSimRig rig(7);
    QVERIFY(rig.Connect());
    for (int i = 0; i < 5; ++i) {
        const QByteArray data = rig.Data(0x32);
        QCOMPARE(data.size(), 21);
        QByteArray group[3];
        double value[3];
        for (int k = 0; k < 3; ++k) {
            group[k] = data.mid(7 * k, 7);
            QCOMPARE(group[k].at(6), '1'); // every group carries the device's decimals
            value[k] = group[k].left(6).toDouble() / 10.0;
        }
        // The main value is the difference of P1 and P2 (each rounded to its last digit).
        QVERIFY(qAbs(value[0] - (value[1] - value[2])) <= 0.15);
        QVERIFY(value[1] > value[2]);
        rig.clock.SleepMs(7000);
    }
}

void CSimulatorTest::correctionsShiftTheMeasuredValue() {
    CSimRig plain(5);
    CSimRig corrected(5);
    QVERIFY(plain.Connect());
    QVERIFY(corrected.Connect());
    QVERIFY(corrected.Transfer(0x47, CUtils::FormatScaled(0.5f, 3)));
    plain.clock.AdvanceTo(60000);
    corrected.clock.AdvanceTo(60000);
    const double a = CUtils::ParseReplyValue(*plain.Transfer(0x32));
    const double b = CUtils::ParseReplyValue(*corrected.Transfer(0x32));
    QVERIFY2(qAbs(b - a - 0.5) <= 0.0011, qPrintable(QStringLiteral("%1 %2").arg(a).arg(b)));
}

void CSimulatorTest::pacingTakesTheLineTime() {
    CSimRig quick(2);
    QVERIFY(quick.Open());
    qint64 start = quick.clock.NowMs();
    QVERIFY(quick.Transfer(0x31));
    const qint64 quickMs = quick.clock.NowMs() - start;

    CSimRig paced(2);
    paced.sim.SetBaud(1200);
    QVERIFY(paced.Open());
    start = paced.clock.NowMs();
    QVERIFY(paced.Transfer(0x31));
    const qint64 pacedMs = paced.clock.NowMs() - start;
    // 5 request bytes and 12 reply bytes at 8.33 ms each, plus the answer latency.
    QVERIFY2(pacedMs - quickMs >= 17 * 8 + 15 - 5 && pacedMs - quickMs <= 17 * 9 + 15,
             qPrintable(QStringLiteral("%1 / %2").arg(pacedMs).arg(quickMs)));
}

QTEST_GUILESS_MAIN(CSimulatorTest)
#include "SimulatorTest.moc"
