// The analog calibration dialog's actions against the in-process simulator on a virtual clock: each
// button's command, what reaches the dialog's copy of the record and what reaches the document's.

#include "calibration/AnalogAbgleichLoop.h"

#include "SequenceRig.h"
#include "calibration/CalibrationTransfer.h"
#include "sim/SimTransmitter.h"
#include "transmitter/Commands.h"

#include <QTest>
#include <functional>

namespace {

using Action = CAnalogAbgleichLoop::Action;
using Values = CAnalogAbgleichRules::Values;
using Step = std::function<CAnalogAbgleichLoop::Outcome(Values&)>;

/// Plays the technician: each step may change the dialog's values and ends it with a button.
class CScriptedView : public CAnalogAbgleichLoop::IView {
public:
    QList<Step> steps;
    QList<Values> shown;

    CAnalogAbgleichLoop::Outcome Show(Values& values) override {
        shown.append(values);
        return steps.takeFirst()(values);
    }
};

Step Press(Action action, int nRow = 0) {
    return [action, nRow](Values&) { return CAnalogAbgleichLoop::Outcome{action, nRow}; };
}

struct Rig {
    explicit Rig(int nTyp)
        : rig(nTyp)
        , transfer(rig.link, rig.connection, rig.doc)
        , loop(rig.link, rig.connection, transfer, rig.doc) {}
    CSequenceRig rig;
    CCalibrationTransfer transfer;
    CAnalogAbgleichLoop loop;
};

} // namespace

class AnalogAbgleichLoopTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void refusesTheRX89() {
        for (const int typ : {0, 1}) {
            Rig r(typ);
            CScriptedView view;
            QVERIFY(!r.loop.Run(view));
            QVERIFY(view.shown.isEmpty());
            QCOMPARE(r.rig.op.MessageTexts(), QStringList{QStringLiteral("Gerät nicht kompatibel!")});
        }
    }

    void singleCommandsChangeOnlyTheDialogsCopy() {
        Rig r(2);
        CScriptedView view;
        view.steps = {Press(Action::GetAdc, 1),
                      [](Values& v) {
                          v.record.m_nDac[2] = 3390;
                          return CAnalogAbgleichLoop::Outcome{Action::SetDac, 2};
                      },
                      Press(Action::Freigeben),
                      Press(Action::SetGain),
                      Press(Action::GetTempAdc),
                      Press(Action::Ok)};
        const qint64 start = r.rig.clock.NowMs();
        QVERIFY(r.loop.Run(view));
        QVERIFY(r.rig.clock.NowMs() - start >= CAnalogAbgleichLoop::kWaitBeforeAdcMs);

        const QList<CSequenceRig::Frame> frames = r.rig.TakeFrames();
        QCOMPARE(CSequenceRig::Only(frames, Cmd::GetAktAdc).first().payload, QByteArray("0"));
        const QList<CSequenceRig::Frame> dac = CSequenceRig::Only(frames, Cmd::SetDac);
        QCOMPARE(dac.size(), 2);
        QCOMPARE(dac.at(0).payload, QByteArray("003390"));
        QCOMPARE(dac.at(1).payload, QByteArray("065535"));
        QCOMPARE(CSequenceRig::Only(frames, Cmd::SetVerstaerkung).first().payload, QByteArray("0110004"));
        QCOMPARE(CSequenceRig::Only(frames, Cmd::GetTempAdc).size(), 1);

        const QList<quint16> words = r.rig.sim.Transmitter().CalWords();
        const qint32 adc = view.shown.at(1).record.m_nAdc[1];
        QVERIFY2(adc >= words.at(0) && adc <= words.at(4), qPrintable(QString::number(adc)));
        QVERIFY(view.shown.last().record.m_nTemperaturAdc[0] > 0);
        QCOMPARE(r.rig.sim.Transmitter().Dac(), CSimTransmitter::kDacFree);
        // "OK" stores nothing: the document's record is still the empty one.
        QCOMPARE(r.rig.doc.Abgleichdaten().m_nAdc[1], 0);
        QVERIFY(!r.rig.doc.Abgleichdaten().m_bGueltig);
        QVERIFY(!r.rig.link.Sio().IsPortOpen());
    }

    void aSilentCommandSaysSoAndKeepsTheValue() {
        Rig r(2);
        CSimulator::Faults faults;
        faults.silentCommands = {Cmd::GetAktAdc, Cmd::SetDac};
        r.rig.sim.SetFaults(faults);
        CScriptedView view;
        view.steps = {Press(Action::GetAdc, 2), Press(Action::SetDac, 0), Press(Action::Ok)};
        QVERIFY(r.loop.Run(view));
        QCOMPARE(view.shown.at(1).record.m_nAdc[2], 34152); // the default record's, not the empty slot's 0
        QCOMPARE(r.rig.op.MessageTexts(), (QStringList{QStringLiteral("Kann ADC-Wert nicht auslesen!"),
                                                       QStringLiteral("Kann DAC nicht setzen!")}));
        QVERIFY(!r.rig.link.Sio().IsPortOpen());
    }

    void readThenSendDropsTheHundredthsOfTheOutputRange() {
        Rig r(2);
        r.rig.sim.Transmitter().CalWords()[9] = 2050; // output end 20.50 mA
        CScriptedView view;
        view.steps = {Press(Action::Auslesen), Press(Action::Senden), Press(Action::Abbrechen)};
        QVERIFY(r.loop.Run(view));
        QCOMPARE(view.shown.at(0).record.m_nAdc[0], 23504); // nothing read yet: the default record
        QCOMPARE(view.shown.at(1).fOutputEnd, 20.0);
        QCOMPARE(CAnalogAbgleichRules::RangeOf(view.shown.at(1).fOutputStart, view.shown.at(1).fOutputEnd),
                 CAnalogAbgleichRules::OutputRange::MilliAmp4To20);
        QCOMPARE(r.rig.sim.Transmitter().CalWords().at(9), quint16(2000));
        QCOMPARE(r.rig.doc.Abgleichdaten().m_nDac[4], 2000);
        QVERIFY(r.rig.doc.Abgleichdaten().m_bGueltig);
        QVERIFY(r.rig.op.messages.isEmpty());
    }

    void defaultsStayInTheDialogUntilSent() {
        Rig r(2);
        r.rig.doc.Abgleichdaten().m_bGueltig = true;
        r.rig.doc.Abgleichdaten().m_nGain = 1;
        r.rig.doc.Abgleichdaten().m_nDac = {500, 1900, 3300, 400, 2000};
        CScriptedView view;
        view.steps = {Press(Action::Default), Press(Action::DefDac), Press(Action::Abbrechen)};
        QVERIFY(r.loop.Run(view));
        QCOMPARE(view.shown.at(0).record.m_nGain, quint16(1));
        QCOMPARE(view.shown.at(1).record.m_nGain, quint16(4));
        QCOMPARE(view.shown.at(1).record.m_nDac[0], 500); // "Default" keeps the DAC values
        QCOMPARE(view.shown.at(2).record.m_nDac[0], 610);
        QCOMPARE(r.rig.doc.Abgleichdaten().m_nGain, quint16(1));
        QVERIFY(r.rig.TakeFrames().isEmpty());
    }
};

QTEST_GUILESS_MAIN(AnalogAbgleichLoopTest)
#include "AnalogAbgleichLoopTest.moc"
