// The service transfers of the factory functions against the in-process simulator: their payloads,
// the values they read, their messages, and the serial number change.

#include "transmitter/ServiceTransfer.h"

#include "SequenceRig.h"
#include "link/TransmitterSio.h"
#include "transmitter/Commands.h"

#include <QTest>

namespace {

using Frame = CSequenceRig::Frame;

struct ServiceRig : CSequenceRig {
    explicit ServiceRig(int nTyp)
        : CSequenceRig(nTyp)
        , service(link, connection, doc) {}
    CServiceTransfer service;
};

void Silence(CSequenceRig& rig, quint8 command) {
    CSimulator::Faults faults;
    faults.silentCommands = {command};
    rig.sim.SetFaults(faults);
}

} // namespace

class ServiceTransferTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void dacAndGainPayloads() {
        ServiceRig rig(2);
        QVERIFY(rig.service.ServiceSetGain(0x1A2));
        QVERIFY(rig.service.ServiceSetDac(4711));
        const QList<Frame> frames = rig.TakeFrames();
        QCOMPARE(CSequenceRig::Only(frames, Cmd::SetVerstaerkung).value(0).payload, QByteArray("01101A2"));
        QCOMPARE(CSequenceRig::Only(frames, Cmd::SetDac).value(0).payload, QByteArray("004711"));
        QVERIFY(rig.link.Sio().IsPortOpen()); // the next transfer of the calibration page follows at once
        QVERIFY(rig.op.messages.isEmpty());
        QCOMPARE(rig.sim.Transmitter().Dac(), 4711);
    }

    void failedTransfersSayWhatCouldNotBeDone() {
        ServiceRig rig(2);
        Silence(rig, Cmd::SetDac);
        QVERIFY(!rig.service.ServiceSetDac(1));
        Silence(rig, Cmd::SetVerstaerkung);
        QVERIFY(!rig.service.ServiceSetGain(1));
        Silence(rig, Cmd::GetTempAdc);
        QCOMPARE(rig.service.ServiceGetTempAdc(), std::nullopt);
        QCOMPARE(rig.op.messages.size(), 3);
        QCOMPARE(rig.op.messages.at(0).text, QStringLiteral("Kann DAC nicht setzen!"));
        QCOMPARE(rig.op.messages.at(0).caption, QStringLiteral("SetDAC"));
        QCOMPARE(rig.op.messages.at(1).text, QStringLiteral("Kann Verstärkung nicht setzen!"));
        QCOMPARE(rig.op.messages.at(1).caption, QStringLiteral("SetVerstärkung"));
        QCOMPARE(rig.op.messages.at(2).text, QStringLiteral("Kann ADC-Wert nicht auslesen!"));
        QCOMPARE(rig.op.messages.at(2).caption, QStringLiteral("GetADC"));
    }

    void converterValuesFromTheReply() {
        QCOMPARE(CServiceTransfer::LeadingNumber(CTransmitterSio::FrameAround("012345678901"), 6), 12345);
        QCOMPARE(CServiceTransfer::LeadingNumber(CTransmitterSio::FrameAround("12x456"), 6), 12);
        QCOMPARE(CServiceTransfer::LeadingNumber(QByteArray("\x02"), 6), 0);
        QCOMPARE(CServiceTransfer::DecimalPrefix("99999999999999"), 999999999); // never beyond 32 bits

        ServiceRig rig(2);
        const std::optional<qint32> adc = rig.service.ServiceGetAdc();
        QVERIFY(adc && *adc > 0 && *adc <= 65535);
        QVERIFY(rig.service.ServiceGetTempAdc().value_or(0) > 0);
        const QList<Frame> frames = rig.TakeFrames();
        QCOMPARE(CSequenceRig::Only(frames, Cmd::GetAktAdc).value(0).payload, QByteArray("0"));
        QCOMPARE(CSequenceRig::Only(frames, Cmd::GetTempAdc).value(0).payload, QByteArray("0"));
    }

    void adcValuesShowFourChannelsAndTheTemperature() {
        QCOMPARE(CServiceTransfer::AdcGroups(CTransmitterSio::FrameAround("012345678901")),
                 (std::array<quint16, 4>{12345, static_cast<quint16>(678901), 0, 0}));
        CServiceTransfer::AdcValues werte;
        werte.kanal = {12345, 8, 0, 0};
        werte.temperatur = 65535;
        QCOMPARE(CServiceTransfer::AdcText(werte),
                 QStringLiteral("ADC-Werte:\n"
                                "ADC[0]: 012345 (0x3039)  *1/8 = 001543\n"
                                "ADC[1]: 000008 (0x0008)  *1/8 = 000001\n"
                                "ADC[2]: 000000 (0x0000)  *1/8 = 000000\n"
                                "ADC[3]: 000000 (0x0000)  *1/8 = 000000\n"
                                "\nADC-Temperatur: 065535 (0xffff)  *1/8 = 008191\n"));

        ServiceRig rig(7); // the VN62 answers with two groups
        QVERIFY(rig.service.ShowAdcValues());
        QCOMPARE(rig.op.messages.size(), 1);
        QCOMPARE(rig.op.messages.first().caption, QStringLiteral("Aktuelle ADC-Werte"));
        QVERIFY(rig.op.messages.first().text.contains(QStringLiteral("ADC[2]: 000000 (0x0000)")));
        QVERIFY(!rig.op.messages.first().text.contains(QStringLiteral("ADC[1]: 000000")));

        Silence(rig, Cmd::GetTempAdc);
        QVERIFY(!rig.service.ShowAdcValues());
        QCOMPARE(rig.op.messages.last().text, QStringLiteral("Fehler beim Abfragen\nder ADC-Werte!"));
        QCOMPARE(rig.op.messages.last().icon, IOperator::Icon::Error);
    }

    void serialNumberChange() {
        const auto parts = CServiceTransfer::SplitSerialNumber("654321.12.345");
        QCOMPARE(parts, (std::array<QByteArray, 3>{"654321", "12", "345"}));
        QCOMPARE(CServiceTransfer::SplitSerialNumber("12"), (std::array<QByteArray, 3>{"12", "", ""}));

        ServiceRig rig(2);
        QVERIFY(rig.service.ChangeSerialNumber("123456", "78", "901"));
        const QList<Frame> frames = rig.TakeFrames();
        QList<quint8> commands;
        for (const Frame& frame : frames) {
            commands.append(frame.command);
        }
        QVERIFY(commands.contains(Cmd::EnableAbgleich));
        QVERIFY(commands.indexOf(Cmd::EnableAbgleich) < commands.indexOf(Cmd::SetSeriennummer));
        QCOMPARE(frames.last().command, Cmd::SetSeriennummer);
        QCOMPARE(frames.last().payload, QByteArray("123456.78.901"));
        QCOMPARE(rig.doc.GetSeriennummer(), QByteArray("123456.78.901"));
        QCOMPARE(rig.sim.Transmitter().Serial().left(13), QByteArray("123456.78.901"));

        Silence(rig, Cmd::SetSeriennummer);
        QVERIFY(!rig.service.ChangeSerialNumber("111111", "22", "333"));
        QCOMPARE(rig.doc.GetSeriennummer(), QByteArray("111111.22.333")); // kept although not sent
        QCOMPARE(rig.op.messages.last().text, QStringLiteral("Fehler beim Übertragen\nder Seriennummer!"));
    }
};

QTEST_GUILESS_MAIN(ServiceTransferTest)
#include "ServiceTransferTest.moc"
