#include "SimRig.h"

#include "base/Utils.h"
#include "sim/SimCatalogue.h"

#include <QTest>

std::unique_ptr<CMemoryDevice> CSimRig::MakeDevice(CVirtualClock& clock, CMemoryDevice*& raw) {
    auto device = std::make_unique<CMemoryDevice>(clock);
    raw = device.get();
    return device;
}

CSimRig::CSimRig(int nTyp, CSimInterface::Kind kind, const QByteArray& kennung)
    : clock(1000)
    , link(op, clock, MakeDevice(clock, device))
    , sim(CSimTransmitter(nTyp, kennung), kind)
    , peer(*device, sim) {
    link.PortMap().Pin(1, QStringLiteral("/dev/sim"));
}

bool CSimRig::Open() {
    return link.Sio().OpenPortSilent(0, CSimCatalogue::IsDreiLeiter(sim.Transmitter().Typ()));
}

void CSimRig::ResetPulse() {
    const bool bPl45 = sim.Interface().GetKind() == CSimInterface::Kind::PL45;
    link.Serial().SetRtsOn();
    clock.SleepMs(bPl45 ? 200 : 1000);
    link.Serial().SetRtsOff();
    clock.SleepMs(1000);
}

bool CSimRig::Connect() {
    const int nTyp = sim.Transmitter().Typ();
    if (!Open()) {
        return false;
    }
    if (CSimCatalogue::NeedsReset(nTyp)) {
        if (sim.Interface().GetKind() == CSimInterface::Kind::PL45) {
            const QByteArray mode = nTyp == 6 ? "0500" : "0000";
            const std::optional<QByteArray> reply = Transfer(0xF1, mode);
            if (!reply || static_cast<quint8>(reply->at(2)) != 0x80) {
                return false;
            }
            clock.SleepMs(500);
        }
        ResetPulse();
    } else {
        link.Serial().SetRtsOff();
    }
    const std::optional<QByteArray> id = Transfer(0x31);
    return id && id->size() == 12;
}

std::optional<QByteArray> CSimRig::Transfer(quint8 command, const QByteArray& payload) {
    QByteArray request = payload;
    QByteArray reply;
    if (!link.TransferCommand(command, request, reply)) {
        return std::nullopt;
    }
    return reply;
}

QByteArray CSimRig::Data(quint8 command, const QByteArray& payload) {
    const std::optional<QByteArray> reply = Transfer(command, payload);
    if (!reply) {
        QTest::qFail(
            qPrintable(QStringLiteral("no reply to command %1").arg(command, 2, 16, QLatin1Char('0'))),
            __FILE__, __LINE__);
        return QByteArray();
    }
    return reply->mid(2, static_cast<quint8>(reply->at(1)) - 2);
}

bool CSimRig::SendImage(char area, const QByteArray& image) {
    if (!Transfer(0x85, QByteArray(1, area))) {
        return false;
    }
    for (int offset = 0; offset < image.size(); offset += 20) {
        const QByteArray block =
            CUtils::ByteToHex(static_cast<quint8>((offset / 2) & 0xFF)) + image.mid(offset, 20);
        if (!Transfer(0x86, block)) {
            return false;
        }
    }
    return Transfer(0x87, QByteArray(1, area)).has_value();
}
