// The frame receiver fed with whatever a line may carry: bytes in bursts with pauses between them, as
// noise, broken and whole frames arrive from an interface. Every reply ReceiveFrame hands on must be one
// whole frame that was on the line, and a receive that gets nothing must end 19 to 20 ticks after the
// last byte, never later.

#include "FuzzFrames.h"
#include "FuzzOperator.h"
#include "core/VirtualClock.h"
#include "link/MemoryDevice.h"
#include "link/TransmitterSio.h"

#include <QList>
#include <fuzzer/FuzzedDataProvider.h>

namespace {

constexpr qint64 kStartMs = 1000;
constexpr int kMaxBursts = 64;
constexpr qint64 kTimeoutMs = qint64{CTransmitterSio::kTicks} * CTransmitterSio::kTickMs;

struct Burst {
    qint64 atMs;
    QByteArray bytes;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    CFuzzOperator op;
    CVirtualClock clock(kStartMs);
    auto memory = std::make_unique<CMemoryDevice>(clock);
    CMemoryDevice& device = *memory;
    CTransmitterSio sio(op, clock, std::move(memory));
    sio.Serial().PortMap().SetAvailableDevices({QStringLiteral("/dev/ttyUSB0")});
    FuzzFrames::Check(sio.OpenPortSilent(0, false), "the in-memory port opens");

    // Bursts of bytes; a pause of up to 2.55 s after each, so time-outs fall between and inside frames.
    QList<Burst> bursts;
    QByteArray line;
    qint64 atMs = kStartMs;
    while (input.remaining_bytes() > 0 && bursts.size() < kMaxBursts) {
        const qint64 pauseMs = qint64{input.ConsumeIntegral<quint8>()} * 10;
        const size_t count = input.ConsumeIntegralInRange<size_t>(1, 64);
        const std::string bytes = input.ConsumeBytesAsString(count);
        if (bytes.empty()) {
            break;
        }
        bursts.append({atMs, QByteArray::fromStdString(bytes)});
        device.Deliver(bursts.last().bytes, atMs);
        line += bursts.last().bytes;
        atMs += pauseMs;
    }

    for (;;) {
        const qint64 startMs = clock.NowMs();
        QByteArray reply;
        if (sio.ReceiveFrame(reply)) {
            FuzzFrames::Check(FuzzFrames::IsWholeFrame(reply), "a received reply is one whole frame");
            FuzzFrames::Check(line.contains(reply), "a received reply was on the line");
            continue;
        }
        qint64 lastByteMs = startMs;
        for (const Burst& burst : bursts) {
            if (burst.atMs <= clock.NowMs()) {
                lastByteMs = qMax(lastByteMs, burst.atMs);
            }
        }
        const qint64 silenceMs = clock.NowMs() - lastByteMs;
        FuzzFrames::Check(silenceMs >= kTimeoutMs - CTransmitterSio::kTickMs && silenceMs <= kTimeoutMs,
                          "a receive without a frame ends 19 to 20 ticks after the last byte");
        FuzzFrames::Check(reply.isEmpty(), "a failed receive leaves the reply alone");
        if (device.BytesWaiting() == 0 && clock.NowMs() > atMs) {
            break;
        }
    }
    return 0;
}
