#include "SequenceRig.h"

#include "sim/SimTransmitter.h"

std::unique_ptr<CMemoryDevice> CSequenceRig::MakeDevice(CVirtualClock& clock, CMemoryDevice*& raw) {
    auto device = std::make_unique<CMemoryDevice>(clock);
    raw = device.get();
    return device;
}

CSequenceRig::CSequenceRig(int nTyp, CSimInterface::Kind kind, const QByteArray& kennung)
    : clock(1000)
    , link(op, clock, MakeDevice(clock, device))
    , sim(CSimTransmitter(nTyp, kennung), kind)
    , peer(*device, sim)
    , doc(op, QString())
    , connection(link, doc)
    , transfer(link, connection, doc) {
    link.PortMap().Pin(1, QStringLiteral("/dev/ttyUSB0"));
    doc.SetTyp(nTyp);
    doc.SetComPort(0);
    doc.SetInterfaceVersion(kind == CSimInterface::Kind::PL45 ? 1 : 0);
}

QList<CSequenceRig::Frame> CSequenceRig::TakeFrames() {
    const QByteArray written = device->Written();
    device->ClearWritten();
    QList<Frame> frames;
    qsizetype i = 0;
    while (i + 1 < written.size()) {
        const int length = static_cast<quint8>(written.at(i + 1));
        if (written.at(i) != '\x02' || i + length + 2 > written.size()) {
            ++i;
            continue;
        }
        frames.append({static_cast<quint8>(written.at(i + 2)), written.mid(i + 3, length - 3)});
        i += length + 2;
    }
    return frames;
}

QList<CSequenceRig::Frame> CSequenceRig::Only(const QList<Frame>& frames, quint8 command) {
    QList<Frame> selected;
    for (const Frame& frame : frames) {
        if (frame.command == command) {
            selected.append(frame);
        }
    }
    return selected;
}
