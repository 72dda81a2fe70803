// Offset and span correction: the read and write sequences against the in-process simulator, the
// identification rule for zero window and key lock, the dialog's limits, and the loop of "Konfiguration...".

#include "SequenceRig.h"
#include "base/Utils.h"
#include "link/TransmitterSio.h"
#include "measurement/KalibrierungRules.h"
#include "measurement/KorrekturSchleife.h"
#include "measurement/KorrekturTransfer.h"
#include "transmitter/Commands.h"

#include <QTest>

namespace {

using Frame = CSequenceRig::Frame;
using Result = CKorrekturSchleife::Result;

struct KorrekturRig : CSequenceRig {
    explicit KorrekturRig(int nTyp, const QByteArray& kennung = QByteArray())
        : CSequenceRig(nTyp, CSimInterface::Kind::PL45, kennung)
        , korrektur(link, connection, transfer, doc) {}
    CKorrekturTransfer korrektur;
};

QList<quint8> Commands(const QList<Frame>& frames) {
    QList<quint8> commands;
    for (const Frame& frame : frames) {
        commands.append(frame.command);
    }
    return commands;
}

} // namespace

class KorrekturTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void zeroWindowAndKeyLockByIdentification() {
        const auto has = [](const QByteArray& kennung) {
            return CKorrekturTransfer::HasNullpunktUndSperre(CTransmitterSio::FrameAround(kennung));
        };
        QVERIFY(!has("V22-0100"));
        QVERIFY(!has("V23-0100"));
        QVERIFY(!has("RX31-302"));
        QVERIFY(!has("RX30-302"));
        QVERIFY(has("RX31-309"));
        QVERIFY(has("RX30-L21"));
        QVERIFY(has("KA52-302"));          // only the RX30 and RX31 of version 302 lack them
        QVERIFY(has("VN62-101") == false); // begins with "V"
    }

    void writeSequenceSendsCorrectionsZeroWindowAndKeyLock() {
        KorrekturRig rig(2);
        QVERIFY(rig.transfer.ReceiveParameterSet());
        const int dez = rig.doc.GetDezimalstellen();
        rig.doc.SetOffset(0.5f);
        rig.doc.SetSpanne(2.0f);
        rig.doc.SetNullpunktsfenster(12);
        rig.doc.SetTastatursperre(-3);
        rig.TakeFrames();
        QVERIFY(rig.korrektur.WriteSequence());
        QVERIFY2(rig.op.messages.isEmpty(), qPrintable(rig.op.MessageTexts().join(" | ")));
        const QList<Frame> frames = rig.TakeFrames();
        QCOMPARE(CSequenceRig::Only(frames, Cmd::SetOffset).value(0).payload,
                 CUtils::FormatScaled(0.5f, dez));
        QCOMPARE(CSequenceRig::Only(frames, Cmd::SetSpanne).value(0).payload, QByteArray("+09800"));
        QCOMPARE(CSequenceRig::Only(frames, Cmd::SetNullpunktsfenster).value(0).payload,
                 QByteArray("000012"));
        QCOMPARE(CSequenceRig::Only(frames, Cmd::SetTastatursperre).value(0).payload, QByteArray("-00003"));
        const QList<quint8> tail = Commands(frames).mid(Commands(frames).indexOf(Cmd::SetOffset));
        QCOMPARE(tail, (QList<quint8>{Cmd::SetOffset, Cmd::SetSpanne, Cmd::SetNullpunktsfenster,
                                      Cmd::SetTastatursperre, Cmd::GetAktMesswert, Cmd::GetTemperatur}));
        QVERIFY(!rig.link.Sio().IsPortOpen());
        QVERIFY(!rig.op.progressOpen);

        // What was written reads back: a fresh document reads the corrections on its first access.
        rig.doc.SetOffset(0.0f);
        rig.doc.SetSpanne(0.0f);
        rig.korrektur.SetFirstAccess(true);
        QVERIFY(rig.korrektur.ReadSequence(true));
        QVERIFY(!rig.korrektur.IsFirstAccess());
        QCOMPARE(rig.doc.GetOffset(), 0.5f);
        QCOMPARE(rig.doc.GetSpanne(), 2.0f);
        QCOMPARE(rig.doc.GetNullpunktsfenster(), qint16(12));
        QCOMPARE(rig.doc.GetTastatursperre(), qint16(-3));
    }

    void version302GetsNoZeroWindowNorKeyLock() {
        KorrekturRig rig(2, "RX31-302");
        QVERIFY(rig.transfer.ReceiveParameterSet());
        rig.TakeFrames();
        QVERIFY(rig.korrektur.WriteSequence());
        const QList<Frame> frames = rig.TakeFrames();
        QVERIFY(CSequenceRig::Only(frames, Cmd::SetNullpunktsfenster).isEmpty());
        QVERIFY(CSequenceRig::Only(frames, Cmd::SetTastatursperre).isEmpty());
        QCOMPARE(CSequenceRig::Only(frames, Cmd::GetAktMesswert).size(), 1);
        QVERIFY(rig.op.progressTexts.contains(QStringLiteral("Lese aktuellen Messwert ...")));
    }

    void writeStopsAtAChangedRangeAndAtASilentStep() {
        KorrekturRig rig(2);
        QVERIFY(rig.transfer.ReceiveParameterSet());
        rig.doc.SetGrundEnde(rig.doc.GetGrundEnde() + 1.0f);
        rig.TakeFrames();
        QVERIFY(!rig.korrektur.WriteSequence());
        QVERIFY(CSequenceRig::Only(rig.TakeFrames(), Cmd::SetOffset).isEmpty());

        KorrekturRig silent(2);
        QVERIFY(silent.transfer.ReceiveParameterSet());
        CSimulator::Faults faults;
        faults.silentCommands = {Cmd::SetSpanne};
        silent.sim.SetFaults(faults);
        silent.TakeFrames();
        QVERIFY(!silent.korrektur.WriteSequence());
        QVERIFY(CSequenceRig::Only(silent.TakeFrames(), Cmd::SetNullpunktsfenster).isEmpty());
        QVERIFY(!silent.link.Sio().IsPortOpen());
    }

    void writeWithoutTransmitterNamesTheRange() {
        KorrekturRig rig(2);
        CSimulator::Faults faults;
        faults.silentCommands = {Cmd::GetDeviceInfo};
        rig.sim.SetFaults(faults);
        QVERIFY(!rig.korrektur.WriteSequence());
        QCOMPARE(
            rig.op.MessageTexts().last(),
            QStringLiteral("Messbereich im Transmitter unterscheidet sich\nvom eingestellten Bereich!."));
    }

    void readSequenceReadsOnlyWhatItIsAskedFor() {
        KorrekturRig rig(0);
        rig.korrektur.SetFirstAccess(false);
        QVERIFY(rig.korrektur.ReadSequence(false));
        const QList<quint8> plain = Commands(rig.TakeFrames());
        QCOMPARE(plain.mid(plain.indexOf(Cmd::GetAktMesswert)), // after the connect
                 (QList<quint8>{Cmd::GetAktMesswert, Cmd::GetAktMesswert, Cmd::GetTemperatur}));
        QVERIFY(rig.korrektur.ReadSequence(true));
        const QList<quint8> withCorrections = Commands(rig.TakeFrames());
        QVERIFY(withCorrections.contains(Cmd::GetSpanne));
        QVERIFY(!withCorrections.contains(Cmd::GetNullpunktsfenster)); // the RX89 has none

        CSimulator::Faults faults;
        faults.silentCommands = {Cmd::GetOffset};
        rig.sim.SetFaults(faults);
        QVERIFY(!rig.korrektur.ReadSequence(true));
        QCOMPARE(rig.op.MessageTexts().last(), QStringLiteral("Fail to receive data!"));
    }

    void resetTouchesOnlyTheDialog() {
        KorrekturRig rig(0);
        rig.doc.SetGrundAnfang(0.0f);
        rig.doc.SetGrundEnde(10.0f);
        rig.doc.SetOffset(0.25f);
        rig.doc.SetSpanne(1.5f);
        rig.doc.SetDezimalstellen(2);
        const CKalibrierungRules rules(QLocale(QLocale::German, QLocale::Germany));
        CKalibrierungRules::Values values = rules.Load(rig.doc);
        QCOMPARE(values.offset, QStringLiteral("0,25"));
        QCOMPARE(values.spanne, QStringLiteral("1,50"));
        QCOMPARE(values.span, 10.0);
        rules.Reset(values);
        QCOMPARE(values.offset, QStringLiteral("0,00"));
        QCOMPARE(rig.doc.GetOffset(), 0.25f);
        values.offset = QStringLiteral("-0,5");
        rules.Apply(values, rig.doc);
        QCOMPARE(rig.doc.GetOffset(), -0.5f);
        QCOMPARE(rig.doc.GetSpanne(), 0.0f);
    }

    void loopReadsTheParameterSetOnlyOnItsFirstAccess() {
        KorrekturRig rig(0);
        CKorrekturSchleife loop(rig.korrektur, rig.doc);
        QList<Result> results{Result::NeuerMesswert, Result::Auslesen, Result::Uebertragen,
                              Result::Abbrechen};
        loop.Run(CKalibrierungRules(QLocale::c()), [&](CKalibrierungRules::Values& values) {
            const Result result = results.takeFirst();
            if (result == Result::Uebertragen) {
                values.offset = QStringLiteral("0.1");
                values.spanne = QStringLiteral("-1");
            }
            return result;
        });
        QVERIFY(results.isEmpty());
        const QList<Frame> frames = rig.TakeFrames();
        QCOMPARE(CSequenceRig::Only(frames, Cmd::GetSeriennummer).size(), 1);
        QCOMPARE(CSequenceRig::Only(frames, Cmd::SetSpanne).value(0).payload, QByteArray("+10100"));
        QCOMPARE(rig.doc.GetSpanne(), -1.0f);
        QVERIFY2(rig.op.messages.isEmpty(), qPrintable(rig.op.MessageTexts().join(" | ")));
    }

    void loopReportsAFailedWriteAndGoesOn() {
        KorrekturRig rig(0);
        CSimulator::Faults faults;
        faults.silentCommands = {Cmd::SetOffset};
        rig.sim.SetFaults(faults);
        CKorrekturSchleife loop(rig.korrektur, rig.doc);
        QList<Result> results{Result::Auslesen, Result::Uebertragen, Result::Ok};
        loop.Run(CKalibrierungRules(QLocale::c()),
                 [&](CKalibrierungRules::Values&) { return results.takeFirst(); });
        QVERIFY(results.isEmpty());
        QCOMPARE(rig.op.MessageTexts().last(), QStringLiteral("Sendefehler!"));
    }

    void aFailedReadEndsTheLoop() {
        KorrekturRig rig(0);
        CSimulator::Faults faults;
        faults.silentCommands = {Cmd::GetTemperatur};
        rig.sim.SetFaults(faults);
        CKorrekturSchleife loop(rig.korrektur, rig.doc);
        int shown = 0;
        loop.Run(CKalibrierungRules(QLocale::c()), [&](CKalibrierungRules::Values&) {
            ++shown;
            return Result::NeuerMesswert;
        });
        QCOMPARE(shown, 1);
        QCOMPARE(rig.op.MessageTexts().last(), QStringLiteral("Fail to receive data!"));
    }
};

QTEST_GUILESS_MAIN(KorrekturTest)
#include "KorrekturTest.moc"
