// The simulator's request reader: the bytes a program sends to quillon-sim, as raw line noise and as
// frames with valid checksums around any command and payload (so that the transmitter models see them),
// for every type behind either interface, with and without pacing. Nothing may crash the simulator, and
// every reply it sends must be whole frames.

#include "FuzzFrames.h"
#include "link/TransmitterSio.h"
#include "sim/Simulator.h"

#include <QByteArray>
#include <fuzzer/FuzzedDataProvider.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const int nTyp = input.ConsumeIntegralInRange<int>(0, 10);
    const auto kind = input.ConsumeBool() ? CSimInterface::Kind::PL45 : CSimInterface::Kind::PL40;
    CSimulator simulator(CSimTransmitter(nTyp), kind);
    simulator.SetBaud(input.ConsumeBool() ? 1200 : 0);
    simulator.SetResetRequired(input.ConsumeBool());

    qint64 nowMs = 0;
    int requests = 0;
    while (input.remaining_bytes() > 0 && requests++ < 32) {
        QByteArray bytes;
        if (input.ConsumeBool()) {
            const auto command = input.ConsumeIntegral<quint8>();
            const size_t length = input.ConsumeIntegralInRange<size_t>(0, CSimulator::kMaxRequestLength - 3);
            bytes =
                CTransmitterSio::FrameAround(QByteArray(1, static_cast<char>(command)) +
                                             QByteArray::fromStdString(input.ConsumeBytesAsString(length)));
        } else {
            const size_t length = input.ConsumeIntegralInRange<size_t>(1, 64);
            bytes = QByteArray::fromStdString(input.ConsumeBytesAsString(length));
        }
        if (input.ConsumeBool()) {
            simulator.OnRts(true, nowMs);
            simulator.OnRts(false, nowMs + 10);
            nowMs += 400;
        }
        QByteArray answer;
        for (const char byte : bytes) {
            for (const CSimulator::Output& out : simulator.OnHostByte(static_cast<quint8>(byte), nowMs)) {
                // The echo of a 3-wire line repeats held bytes at the time they reached the line.
                FuzzFrames::Check(out.atMs >= nowMs || CSimCatalogue::IsDreiLeiter(nTyp),
                                  "an answer byte is never due before its request");
                answer.append(static_cast<char>(out.byte));
            }
        }
        nowMs += 2500;
        const qsizetype stx = answer.indexOf('\x02');
        if (CSimCatalogue::IsDreiLeiter(nTyp) || stx < 0) {
            continue; // an echoing line repeats the request first
        }
        // Line noise may hold several requests; each answer is a whole frame of its own.
        QByteArrayView rest = QByteArrayView(answer).sliced(stx);
        while (!rest.isEmpty()) {
            FuzzFrames::Check(rest.size() >= 4, "an answer is a whole frame");
            const qsizetype length = static_cast<quint8>(rest[1]) + 2;
            FuzzFrames::Check(length <= rest.size() && FuzzFrames::IsWholeFrame(rest.first(length)),
                              "the simulator answers with whole frames");
            rest = rest.sliced(length);
        }
    }
    return 0;
}
