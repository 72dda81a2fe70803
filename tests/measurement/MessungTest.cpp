// The measurement run against the in-process simulator on a virtual clock: the live values with the
// multi-value reply of the VN62, the units, the flow of "Messung..." through the dialog "Messwerte", and
// the failures a technician sees.

#include "measurement/Messung.h"

#include "SequenceRig.h"
#include "core/ProgramError.h"
#include "link/TransmitterSio.h"
#include "measurement/LoggenRules.h"
#include "transmitter/Commands.h"

#include <QTest>

namespace {

using Result = CMessung::LoggenResult;

CLogFormat Fixed() {
    return CLogFormat(QStringLiteral("dd.MM.yyyy"), QStringLiteral("HH:mm:ss"), QLatin1Char('.'));
}

/// A reply frame with the given data, as the transmitter sends it.
QByteArray Reply(const QByteArray& data) {
    return CTransmitterSio::FrameAround(data);
}

struct MessRig : CSequenceRig {
    explicit MessRig(int nTyp)
        : CSequenceRig(nTyp)
        , messung(link, transfer, doc, Fixed()) {}
    CMessung messung;
};

} // namespace

class MessungTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void multiValueReplyGivesMainValueAndBothPressures() {
        MessRig rig(7);
        rig.doc.SetEinheit(0);
        rig.messung.DecodeMultiValue(Reply("+012342-001502+000092"));
        QCOMPARE(rig.doc.GetDezimalstellen(), 2);
        QCOMPARE(rig.doc.GetMesswert(0), 12.34f);
        QCOMPARE(rig.doc.GetMesswert(1), -1.5f);
        QCOMPARE(rig.doc.GetMesswert(2), 0.09f);
    }

    void missingOrPartialPressuresAreZero() {
        MessRig rig(7);
        rig.doc.SetMesswert(1, 5.0f);
        rig.doc.SetMesswert(2, 6.0f);
        rig.messung.DecodeMultiValue(Reply("+001253"));
        QCOMPARE(rig.doc.GetDezimalstellen(), 3);
        QCOMPARE(rig.doc.GetMesswert(0), 0.125f);
        QCOMPARE(rig.doc.GetMesswert(1), 0.0f);
        QCOMPARE(rig.doc.GetMesswert(2), 0.0f);

        // A second group cut short is no value; the decimals digit is still the reply's last character.
        rig.doc.SetMesswert(1, 5.0f);
        rig.messung.DecodeMultiValue(Reply("+001251+0021"));
        QCOMPARE(rig.doc.GetDezimalstellen(), 1);
        QCOMPARE(rig.doc.GetMesswert(1), 0.0f);
    }

    void multiValueReplyWithoutDecimalsDigitIsAProgramError() {
        MessRig rig(7);
        QVERIFY_THROWS_EXCEPTION(CProgramError, rig.messung.DecodeMultiValue(Reply("+00125x")));
    }

    void unitsOfTheKA71ComeInTwoDigits() {
        MessRig ka71(10);
        ka71.messung.DecodeUnits(Reply("23"));
        QCOMPARE(ka71.doc.GetEinheit(), 2);
        QCOMPARE(ka71.doc.GetAnzeigeEinheit(), 3);

        MessRig rx31(2);
        rx31.messung.DecodeUnits(Reply("4"));
        QCOMPARE(rx31.doc.GetEinheit(), 4);
        QCOMPARE(rx31.doc.GetAnzeigeEinheit(), 4);
        // A character that is no digit would make a unit index of garbage: the units stay.
        rx31.messung.DecodeUnits(Reply("?"));
        QCOMPARE(rx31.doc.GetEinheit(), 4);
        QVERIFY_THROWS_EXCEPTION(CProgramError, ka71.messung.DecodeUnits(QByteArray("\x02\x03")));
    }

    void liveValuesOfTheVN62() {
        MessRig rig(7);
        QVERIFY(rig.transfer.ReceiveParameterSet());
        rig.TakeFrames();
        const qint64 before = rig.clock.NowMs();
        QVERIFY(rig.messung.ReadLiveValues());
        QVERIFY(rig.op.messages.isEmpty());
        QVERIFY(rig.clock.NowMs() - before >= 2500); // the transmitter gets its time to measure
        // The receive closed the port: the first command connects again.
        const QList<CSequenceRig::Frame> frames = rig.TakeFrames();
        QCOMPARE(frames.size(), 4);
        QCOMPARE(frames.at(0).command, Cmd::GetDeviceInfo);
        QCOMPARE(frames.at(1).command, Cmd::GetEinheit);
        QCOMPARE(frames.at(2).command, Cmd::GetAktMesswert);
        QCOMPARE(frames.at(3).command, Cmd::GetTemperatur);
        QVERIFY(rig.doc.GetMesswert(1) != 0.0f);
        QVERIFY(rig.doc.GetMesswert(2) != 0.0f);
        QVERIFY(rig.doc.GetTemperatur() > 10.0f && rig.doc.GetTemperatur() < 40.0f);
        QCOMPARE(rig.op.progressCaption, QStringLiteral("Datentransfer"));
        QCOMPARE(rig.op.progressTexts.last(), QStringLiteral("Lese aktuelle Temperatur ..."));
        QVERIFY(!rig.op.progressOpen);
    }

    void aSingleValueTypeClearsStalePressures() {
        MessRig rig(2);
        rig.doc.SetMesswert(1, 5.0f);
        QVERIFY(rig.messung.ReadLiveValues());
        QCOMPARE(rig.doc.GetMesswert(1), 0.0f);
    }

    void aSilentCommandEndsTheRunWithItsMessage() {
        MessRig rig(2);
        CSimulator::Faults faults;
        faults.silentCommands = {Cmd::GetTemperatur};
        rig.sim.SetFaults(faults);
        int shown = 0;
        rig.messung.Run(
            [&] {
                ++shown;
                return Result::Ok;
            },
            [] {});
        QCOMPARE(shown, 0);
        QCOMPARE(rig.op.MessageTexts(), QStringList{QStringLiteral("Fail to Connect Hardware!")});
        QVERIFY(!rig.op.progressOpen);
        QVERIFY(!rig.link.Sio().IsPortOpen());
    }

    void aFailedReceiveShowsNoDialog() {
        MessRig rig(2);
        CSimulator::Faults faults;
        faults.silentCommands = {Cmd::GetSeriennummer};
        rig.sim.SetFaults(faults);
        int shown = 0;
        rig.messung.Run(
            [&] {
                ++shown;
                return Result::Ok;
            },
            [] {});
        QCOMPARE(shown, 0);
        QVERIFY(rig.op.MessageTexts().contains(QStringLiteral("Empfangsfehler!")));
    }

    void datenHolenReadsTheLiveValuesAgainButNotTheParameterSet() {
        MessRig rig(2);
        rig.doc.SetLogIntervall(10);
        QList<Result> results{Result::DatenHolen, Result::Ok};
        int logging = 0;
        rig.messung.Run(
            [&] {
                // The user changed the interval before "Daten holen": only "OK" would store it.
                CLoggenRules::Values values = CLoggenRules::Load(rig.doc, QLocale::c());
                values.intervall = QStringLiteral("30");
                const Result result = results.takeFirst();
                if (result == Result::Ok) {
                    values.intervall = QStringLiteral("5");
                    CLoggenRules::Apply(values, rig.doc);
                }
                return result;
            },
            [&] { ++logging; });
        QVERIFY(results.isEmpty());
        QCOMPARE(logging, 0);
        QCOMPARE(rig.doc.GetLogIntervall(), 5);
        const QList<CSequenceRig::Frame> frames = rig.TakeFrames();
        QCOMPARE(CSequenceRig::Only(frames, Cmd::GetSeriennummer).size(), 1);
        QCOMPARE(CSequenceRig::Only(frames, Cmd::GetAktMesswert).size(), 2);
        QVERIFY(!rig.link.Sio().IsPortOpen());
    }

    void okWithLoggingOnRunsTheLoggingAndKeepsThePort() {
        MessRig rig(2);
        rig.doc.SetLogStatus(1);
        int logging = 0;
        rig.messung.Run([] { return Result::Ok; }, [&] { ++logging; });
        QCOMPARE(logging, 1);
        QVERIFY(rig.link.Sio().IsPortOpen());

        // "Abbrechen" never starts a logging run, even with the status on.
        rig.messung.Run([] { return Result::Abbrechen; }, [&] { ++logging; });
        QCOMPARE(logging, 1);
    }

    void loggenRulesRefuseIntervalsOutsideTwoToHundredTwenty() {
        MessRig rig(7);
        CLoggenRules::Values values = CLoggenRules::Load(rig.doc, QLocale::c());
        QVERIFY(values.bTemperatur && values.bDruecke);
        for (const char* bad : {"1", "121", "", "zwei", "-5", "2.5"}) {
            values.intervall = QString::fromLatin1(bad);
            const auto problem = CLoggenRules::Validate(values);
            QVERIFY2(problem, bad);
            QCOMPARE(problem->text, QStringLiteral("Geben Sie eine ganze Zahl zwischen 2 und 120 ein."));
        }
        for (const char* good : {"2", "120", " 60 "}) {
            values.intervall = QString::fromLatin1(good);
            QVERIFY2(!CLoggenRules::Validate(values), good);
        }
        MessRig rx26(3);
        const CLoggenRules::Values plain = CLoggenRules::Load(rx26.doc, QLocale::c());
        QVERIFY(!plain.bTemperatur && !plain.bDruecke);
    }
};

QTEST_GUILESS_MAIN(MessungTest)
#include "MessungTest.moc"
