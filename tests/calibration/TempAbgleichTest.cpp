// The temperature calibration: its checksum and compensation arithmetic, and reading and writing it
// against the in-process simulator on a virtual clock.

#include "calibration/TempAbgleich.h"

#include "SequenceRig.h"
#include "calibration/TempAbgleichTransfer.h"
#include "sim/SimTransmitter.h"
#include "transmitter/Commands.h"

#include <QTest>

namespace {

using T = CTempAbgleich;
using Frame = CSequenceRig::Frame;

constexpr int kTyp = 1;

/// Values as a technician enters them, with their checksum.
T::Values Measured() {
    T::Values w;
    w.iMin = {1600, 1610, 1590, 1605, 1620, 1585};
    w.iMax = {8000, 8010, 7990, 8020, 7980, 8005};
    w.temp = {-10, 0, 25, 50, 85, 120};
    w.checksum = T::Checksum(w);
    return w;
}

/// References with usable differences, A5/B5 and sentinels in every slot.
void PrepareMemory(CSimTransmitter& tx, quint16 a5 = 12000, quint16 b5 = 52000) {
    QList<quint16>& words = tx.CalWords();
    words[21] = 1000;
    words[22] = 3000;
    words[28] = 2000;
    words[29] = 10000;
    for (int w = 0; w <= 53; ++w) {
        if (w < 21 || w > 29) {
            words[w] = static_cast<quint16>(40000 + w);
        }
    }
    words[5] = a5;
    words[12] = b5;
}

bool Sent(const QList<Frame>& frames, quint8 command) {
    return !CSequenceRig::Only(frames, command).isEmpty();
}

} // namespace

class TempAbgleichTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void checksumKeepsTheSignOfTheSumBelowTenThousand() {
        T::Values w;
        w.iMin[0] = 5000;
        QCOMPARE(T::Checksum(w), 5000);
        w.iMin[1] = 6000;
        QCOMPARE(T::Checksum(w), 1000);
        T::Values negative;
        negative.temp[0] = -10;
        QCOMPARE(T::Checksum(negative), -10);
        // Values beyond 16 bits count as the word they are sent as.
        T::Values wide;
        wide.iMax[2] = 65535;
        QCOMPARE(T::Checksum(wide), -1);
    }

    void temperatureAndCurrentWords() {
        QCOMPARE(T::TemperatureWord(25), 320);
        QCOMPARE(T::TemperatureWord(-10), -128);
        // 3 °C tells the order apart: 48 / 10 truncates to 4 before the factor 8 (3 x 128 / 10 is 38), and
        // below zero the division truncates toward zero (-4, not -5).
        QCOMPARE(T::TemperatureWord(3), 32);
        QCOMPARE(T::TemperatureWord(-3), -32);
        T::Speicher m;
        m.r = {1000, 3000, 2000, 10000};
        m.a[5] = 12000;
        m.b[5] = 20000;
        QCOMPARE(T::CurrentWord(1600, m), 12000);
        QCOMPARE(T::CurrentWord(8000, m), 20000);
        QCOMPARE(T::CurrentWord(4800, m), 16000);
        // Every division truncates on its own: 100 x 8000 / 6400 = 125, x 2000 / 8000 = 31 (not 31.25),
        // x 8000 / 2000 = 124; one fraction of the whole would give 125. Below 4 mA toward zero as well.
        QCOMPARE(T::CurrentWord(1700, m), 12124);
        QCOMPARE(T::CurrentWord(1500, m), 11876);
        QCOMPARE(T::Slot(4), 4);
        QCOMPARE(T::Slot(5), 6);
    }

    void validationNamesTheFirstValueOutOfRange() {
        T::Values w = Measured();
        QVERIFY(!T::Validate(w));
        w.temp[3] = -1000;
        const std::optional<ValidationProblem> problem = T::Validate(w);
        QVERIFY(problem);
        QCOMPARE(problem->field, T::FieldOf(2, 3));
        QCOMPARE(problem->text, QStringLiteral("Geben Sie eine ganze Zahl zwischen -999 und 9999 ein."));
        w.temp[3] = 0;
        w.iMin[0] = 10000;
        QCOMPARE(T::Validate(w)->field, T::FieldOf(0, 0));
        // Cold points only: the checksum that "Empfangen" shows is negative and must be sendable.
        T::Values kalt;
        kalt.temp = {-20, -15, -10, -5, -1, -30};
        kalt.checksum = T::Checksum(kalt);
        QCOMPARE(kalt.checksum, -81);
        QVERIFY(!T::Validate(kalt));
        kalt.checksum = 10000;
        QCOMPARE(T::Validate(kalt)->field, T::FieldOf(3, 0));
    }

    void writeFillsTheSlotsAndLeavesSlotFive() {
        CSequenceRig rig(kTyp);
        PrepareMemory(rig.sim.Transmitter());
        CTempAbgleichTransfer transfer(rig.link, rig.connection);
        const T::Values w = Measured();
        QVERIFY2(transfer.WriteTemperatureData(w), qPrintable(rig.op.MessageTexts().join(" | ")));
        QVERIFY(rig.op.messages.isEmpty());
        const QList<quint16>& words = rig.sim.Transmitter().CalWords();
        // Entry 0 at 1600/8000 gives A5 and B5; the sixth entry lands in slot 6.
        QCOMPARE(words.at(0), 12000);
        QCOMPARE(words.at(7), 52000);
        QCOMPARE(words.at(14), T::Word(-128));
        QCOMPARE(words.at(16), 320);
        QCOMPARE(words.at(38), 1585);
        QCOMPARE(words.at(45), 8005);
        QCOMPARE(words.at(52), 120);
        QCOMPARE(words.at(20), T::Word(T::TemperatureWord(120)));
        QCOMPARE(words.at(53), T::Word(w.checksum));
        for (const int untouched : {5, 12, 19, 37, 44, 51}) {
            QCOMPARE(words.at(untouched), untouched == 5    ? 12000
                                          : untouched == 12 ? 52000
                                                            : 40000 + untouched);
        }
        const QList<Frame> frames = rig.TakeFrames();
        QCOMPARE(CSequenceRig::Only(frames, Cmd::SetAbglData).size(), 21 + 18 + 1);
        QCOMPARE(CSequenceRig::Only(frames, Cmd::SetAbglData).first().payload, QByteArray("012000"));
        QVERIFY(Sent(frames, Cmd::StoreAbglData));
        QVERIFY(!rig.op.progressOpen);
        QCOMPARE(rig.op.progressMaximum, 21);

        // Read back at once, the values pass the checksum again.
        T::Values back;
        QVERIFY(transfer.ReadTemperatureData(back));
        QCOMPARE(back.iMin, w.iMin);
        QCOMPARE(back.iMax, w.iMax);
        QCOMPARE(back.temp, w.temp);
        QCOMPARE(back.checksum, w.checksum);
        QCOMPARE(rig.op.progressTexts.last(), QStringLiteral("Lese Temperaturabgleich..."));
        QVERIFY(transfer.WriteTemperatureData(back));
    }

    void refusalsSendNothingToWrite_data() {
        QTest::addColumn<int>("changedValue");
        QTest::addColumn<int>("r2");
        QTest::addColumn<int>("r1");
        QTest::addColumn<QString>("message");
        QTest::addRow("one value changed, checksum not") << 1 << 2000 << 3000 << "Falsche Checksumme!";
        QTest::addRow("r3 equal to r2") << 0 << 10000 << 3000 << "Die Referenzwörter";
        QTest::addRow("r1 equal to r0") << 0 << 2000 << 1000 << "Die Referenzwörter";
    }

    void refusalsSendNothingToWrite() {
        QFETCH(int, changedValue);
        QFETCH(int, r2);
        QFETCH(int, r1);
        QFETCH(QString, message);
        CSequenceRig rig(kTyp);
        PrepareMemory(rig.sim.Transmitter());
        rig.sim.Transmitter().CalWords()[28] = static_cast<quint16>(r2);
        rig.sim.Transmitter().CalWords()[22] = static_cast<quint16>(r1);
        const QList<quint16> before = rig.sim.Transmitter().CalWords();
        CTempAbgleichTransfer transfer(rig.link, rig.connection);
        T::Values w = Measured();
        w.iMax[4] += changedValue;
        QVERIFY(!transfer.WriteTemperatureData(w));
        QCOMPARE(rig.op.messages.size(), 1);
        QVERIFY2(rig.op.messages.first().text.startsWith(message), qPrintable(rig.op.messages.first().text));
        const QList<Frame> frames = rig.TakeFrames();
        QVERIFY(!Sent(frames, Cmd::SetAbglData));
        QVERIFY(!Sent(frames, Cmd::StoreAbglData));
        QCOMPARE(rig.sim.Transmitter().CalWords(), before);
        QVERIFY(!rig.op.progressOpen);
        QCOMPARE(rig.op.bereitCalls.isEmpty() || rig.op.bereitCalls.last(), true);
    }

    void readSkipsTheReferenceSlotAndSignsTemperatures() {
        CSequenceRig rig(kTyp);
        QList<quint16>& words = rig.sim.Transmitter().CalWords();
        for (int s = 0; s < 7; ++s) {
            words[32 + s] = static_cast<quint16>(1000 + s);
            words[39 + s] = static_cast<quint16>(50000 + s); // unsigned beyond 32767
            words[46 + s] = static_cast<quint16>(-5 - s);
        }
        CTempAbgleichTransfer transfer(rig.link, rig.connection);
        T::Values w;
        QVERIFY(transfer.ReadTemperatureData(w));
        QCOMPARE(w.iMin, (T::Row{1000, 1001, 1002, 1003, 1004, 1006}));
        QCOMPARE(w.iMax[5], 50006);
        QCOMPARE(w.temp, (T::Row{-5, -6, -7, -8, -9, -11}));
        QCOMPARE(w.checksum, T::Checksum(w));
        const QList<Frame> reads = CSequenceRig::Only(rig.TakeFrames(), Cmd::GetAbgleichWort);
        QCOMPARE(reads.size(), 21);
        QCOMPARE(reads.first().payload, QByteArray(1, char(32 + '0')));
        QCOMPARE(reads.last().payload, QByteArray(1, char(52 + '0')));
        QCOMPARE(rig.op.progressMaximum, 23);
    }
};

QTEST_GUILESS_MAIN(TempAbgleichTest)
#include "TempAbgleichTest.moc"
