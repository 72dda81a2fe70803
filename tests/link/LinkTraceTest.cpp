// The link's trace ring: what each exchange leaves in it (frames, dropped replies, time-outs, repeated
// attempts) and that hours of exchanges never grow it past its bound.

#include "link/LinkTrace.h"

#include "ScriptedOperator.h"
#include "ScriptedPeer.h"
#include "core/VirtualClock.h"
#include "link/MemoryDevice.h"
#include "link/TransmitterLink.h"

#include <QTest>

namespace {

using Direction = CLinkTrace::Direction;
using Status = CLinkTrace::Status;

} // namespace

class LinkTraceTest : public QObject {
    Q_OBJECT

    struct Rig {
        CScriptedOperator op;
        CVirtualClock clock{1000};
        CMemoryDevice* device = nullptr; // owned by the link
        std::unique_ptr<CTransmitterLink> link;
        std::unique_ptr<CScriptedPeer> peer;
        CLinkTrace trace;

        explicit Rig(int nCapacity = CLinkTrace::kDefaultCapacity)
            : trace(nCapacity) {
            auto memory = std::make_unique<CMemoryDevice>(clock);
            device = memory.get();
            link = std::make_unique<CTransmitterLink>(op, clock, std::move(memory));
            link->PortMap().SetAvailableDevices({QStringLiteral("/dev/ttyUSB0")});
            link->Sio().SetTrace(&trace);
            peer = std::make_unique<CScriptedPeer>(*device);
            link->Sio().OpenPortSilent(0, false);
        }
    };

    static QList<std::pair<Direction, Status>> Kinds(const QList<CLinkTrace::Entry>& entries) {
        QList<std::pair<Direction, Status>> kinds;
        for (const CLinkTrace::Entry& entry : entries) {
            kinds.append({entry.direction, entry.status});
        }
        return kinds;
    }

private Q_SLOTS:
    void everyAttemptAndItsFaultIsRecordedInOrder() {
        Rig rig;
        int calls = 0;
        rig.peer->SetHandler([&calls](const CScriptedPeer::Request&) -> std::optional<QByteArray> {
            QByteArray frame = CScriptedPeer::ReplyFrame("+000003");
            switch (++calls) {
            case 1:
                frame[frame.size() - 2] = static_cast<char>(frame.at(frame.size() - 2) ^ 0x01);
                return frame;
            case 2:
                return std::nullopt;
            default:
                return frame;
            }
        });
        QByteArray reply;
        QVERIFY(rig.link->Transfer(0x39, QByteArray(), reply));

        const QList<CLinkTrace::Entry> entries = rig.trace.Entries();
        const QList<std::pair<Direction, Status>> expected = {
            {Direction::Tx, Status::Ok},         {Direction::Rx, Status::ChecksumWrong},
            {Direction::Event, Status::Timeout}, {Direction::Event, Status::Retry},
            {Direction::Tx, Status::Ok},         {Direction::Event, Status::Timeout},
            {Direction::Event, Status::Retry},   {Direction::Tx, Status::Ok},
            {Direction::Rx, Status::Ok},
        };
        QCOMPARE(Kinds(entries), expected);
        for (const CLinkTrace::Entry& entry : entries) {
            QCOMPARE(entry.command, quint8(0x39)); // a reply and an event name the command they belong to
        }
        QCOMPARE(entries.at(0).bytes, CTransmitterSio::BuildFrame(0x39, QByteArray()));
        QCOMPARE(entries.at(3).nAttempt, 1);
        QCOMPARE(entries.at(6).nAttempt, 2);
        QCOMPARE(entries.last().bytes, reply);
        // The dropped reply keeps the bytes that arrived, the wrong checksum included.
        QCOMPARE(entries.at(1).bytes.size(), reply.size() - 1);
        QVERIFY(entries.at(0).nClockMs < entries.at(4).nClockMs);
        for (int i = 1; i < entries.size(); ++i) {
            QCOMPARE(entries.at(i).nSequence, entries.at(i - 1).nSequence + 1);
        }
    }

    void aStrayLengthByteIsRecordedAsDropped() {
        Rig rig;
        rig.peer->SetHandler([](const CScriptedPeer::Request&) {
            return QByteArray::fromHex("027f") + CScriptedPeer::ReplyFrame("1");
        });
        QVERIFY(rig.link->Transfer(0x3E));
        const QList<CLinkTrace::Entry> entries = rig.trace.Entries();
        QCOMPARE(entries.size(), 3);
        QCOMPARE(entries.at(1).status, Status::BadLength);
        QCOMPARE(entries.at(1).bytes, QByteArray::fromHex("027f"));
        QCOMPARE(entries.at(2).status, Status::Ok);
    }

    void hoursOfLoggingNeverGrowTheRingPastItsBound() {
        // Three hours of samples every two seconds, every tenth one unanswered.
        Rig rig;
        int calls = 0;
        rig.peer->SetHandler([&calls](const CScriptedPeer::Request&) -> std::optional<QByteArray> {
            if (++calls % 10 == 0) {
                return std::nullopt;
            }
            return CScriptedPeer::ReplyFrame("+001234");
        });
        const qint64 start = rig.clock.NowMs();
        int maxSize = 0;
        while (rig.clock.NowMs() - start < 3LL * 3600 * 1000) {
            rig.link->Transfer(0x32);
            maxSize = std::max(maxSize, rig.trace.Size());
            rig.clock.SleepMs(2000);
        }
        QVERIFY(rig.trace.LastSequence() > 4u * CLinkTrace::kDefaultCapacity);
        QCOMPARE(maxSize, CLinkTrace::kDefaultCapacity);
        QCOMPARE(rig.trace.Size(), CLinkTrace::kDefaultCapacity);
        // What is held is the newest, without a gap.
        const QList<CLinkTrace::Entry> entries = rig.trace.Entries();
        QCOMPARE(entries.last().nSequence, rig.trace.LastSequence());
        QCOMPARE(entries.first().nSequence, rig.trace.LastSequence() - CLinkTrace::kDefaultCapacity + 1);
        QCOMPARE(rig.trace.EntriesAfter(rig.trace.LastSequence() - 5).size(), 5);
    }
};

QTEST_GUILESS_MAIN(LinkTraceTest)
#include "LinkTraceTest.moc"
