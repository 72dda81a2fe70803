// TransferCommand and the frame exchange over an in-memory line with a virtual clock: time-outs,
// attempts, echo, stale input and the connect-on-demand hook.

#include "ScriptedOperator.h"
#include "ScriptedPeer.h"
#include "core/ProgramError.h"
#include "core/VirtualClock.h"
#include "link/MemoryDevice.h"
#include "link/TransmitterLink.h"

#include <QTest>

namespace {

/// The rest of the line after every exchange.
constexpr int kRestMs = CTransmitterLink::kRestPauses * CTransmitterLink::kRestPauseMs;

} // namespace

class TransferCommandTest : public QObject {
    Q_OBJECT

    struct Rig {
        CScriptedOperator op;
        CVirtualClock clock{1000};
        CMemoryDevice* device = nullptr; // owned by the link
        std::unique_ptr<CTransmitterLink> link;
        std::unique_ptr<CScriptedPeer> peer;

        Rig() {
            auto memory = std::make_unique<CMemoryDevice>(clock);
            device = memory.get();
            link = std::make_unique<CTransmitterLink>(op, clock, std::move(memory));
            link->PortMap().SetAvailableDevices({QStringLiteral("/dev/ttyUSB0")});
            peer = std::make_unique<CScriptedPeer>(*device);
        }
        bool Open(bool echo = false) { return link->Sio().OpenPortSilent(0, echo); }
    };

    static CScriptedPeer::Handler Answer(const QByteArray& data) {
        return [data](const CScriptedPeer::Request&) { return CScriptedPeer::ReplyFrame(data); };
    }

private Q_SLOTS:
    void replyArrivesWholeAndPayloadBecomesTheRequestFrame() {
        Rig rig;
        QVERIFY(rig.Open());
        rig.peer->SetHandler(Answer("KA710123"));
        QByteArray payload;
        QByteArray reply;
        QVERIFY(rig.link->TransferCommand(0x31, payload, reply));
        QCOMPARE(reply, CScriptedPeer::ReplyFrame("KA710123"));
        QCOMPARE(payload, QByteArray::fromHex("0203313403"));
        QCOMPARE(rig.peer->requests.size(), 1);
        QCOMPARE(rig.op.waitDepth, 0);
        QCOMPARE(rig.op.maxWaitDepth, 1);
        QVERIFY(rig.link->Sio().IsPortOpen()); // the operation that opened it closes it
    }

    void silentDeviceTimesOutAfterTwentyTicksThreeTimes() {
        Rig rig;
        QVERIFY(rig.Open());
        QByteArray payload("+00125");
        QByteArray reply("untouched");
        const qint64 start = rig.clock.NowMs();
        QVERIFY(!rig.link->TransferCommand(0x45, payload, reply));
        QCOMPARE(rig.peer->requests.size(), 3);
        // Each attempt waits exactly 20 ticks of 100 ms, then 100 ms before the next; 2 x 10 ms at the end.
        QCOMPARE(rig.peer->requests.at(1).atMs - rig.peer->requests.at(0).atMs, 2100);
        QCOMPARE(rig.peer->requests.at(2).atMs - rig.peer->requests.at(1).atMs, 2100);
        QCOMPARE(rig.clock.NowMs() - start, 3 * 2100 + kRestMs);
        QCOMPARE(reply, QByteArray("untouched"));
        QCOMPARE(payload, CTransmitterSio::BuildFrame(0x45, "+00125"));
        QCOMPARE(rig.op.waitDepth, 0);
    }

    void answerOnlyToTheRetry() {
        Rig rig;
        QVERIFY(rig.Open());
        int calls = 0;
        rig.peer->SetHandler([&calls](const CScriptedPeer::Request&) -> std::optional<QByteArray> {
            if (++calls < 3) {
                return std::nullopt;
            }
            return CScriptedPeer::ReplyFrame("+001251");
        });
        QByteArray payload;
        QByteArray reply;
        QVERIFY(rig.link->TransferCommand(0x35, payload, reply));
        QCOMPARE(calls, 3);
        QCOMPARE(reply, CScriptedPeer::ReplyFrame("+001251"));
    }

    void corruptChecksumIsDroppedAndRetried() {
        Rig rig;
        QVERIFY(rig.Open());
        int calls = 0;
        rig.peer->SetHandler([&calls](const CScriptedPeer::Request&) -> std::optional<QByteArray> {
            QByteArray frame = CScriptedPeer::ReplyFrame("+000003");
            if (++calls == 1) {
                frame[frame.size() - 2] = static_cast<char>(frame.at(frame.size() - 2) ^ 0x01);
            }
            return frame;
        });
        QByteArray payload;
        QByteArray reply;
        QVERIFY(rig.link->TransferCommand(0x39, payload, reply));
        QCOMPARE(calls, 2);
        // The link timer ticks from the start of the receive; the broken reply re-armed the 20 ticks at 50
        // ms, so silence ends the attempt at the 20th tick after it.
        QCOMPARE(rig.peer->requests.at(1).atMs - rig.peer->requests.at(0).atMs, 2000 + 100);
    }

    void garbageBeforeTheReplyIsIgnored() {
        Rig rig;
        QVERIFY(rig.Open());
        rig.peer->SetHandler([](const CScriptedPeer::Request&) {
            // A stray STX followed by an impossible length byte sends the receiver hunting again.
            return QByteArray::fromHex("ff03410333027f") + CScriptedPeer::ReplyFrame("1");
        });
        QByteArray payload;
        QByteArray reply;
        QVERIFY(rig.link->TransferCommand(0x3E, payload, reply));
        QCOMPARE(reply, CScriptedPeer::ReplyFrame("1"));
        QCOMPARE(rig.peer->requests.size(), 1);
    }

    void slowBytesKeepTheReceiveAliveButALongGapEndsIt() {
        Rig rig;
        QVERIFY(rig.Open());
        rig.peer->SetHandler([&rig](const CScriptedPeer::Request&) -> std::optional<QByteArray> {
            // 1.9 s between the bytes: each re-arms the 20 ticks.
            rig.device->Deliver(CScriptedPeer::ReplyFrame("1"), rig.clock.NowMs() + 1900, 1900);
            return std::nullopt;
        });
        QByteArray payload;
        QByteArray reply;
        QVERIFY(rig.link->TransferCommand(0x3E, payload, reply));
        QCOMPARE(rig.peer->requests.size(), 1);

        Rig slow;
        QVERIFY(slow.Open());
        slow.peer->SetHandler([&slow](const CScriptedPeer::Request&) -> std::optional<QByteArray> {
            slow.device->Deliver(CScriptedPeer::ReplyFrame("1"), slow.clock.NowMs() + 100, 2100);
            return std::nullopt;
        });
        QVERIFY(!slow.link->TransferCommand(0x3E, payload, reply));
        QCOMPARE(slow.peer->requests.size(), 3);
    }

    void echoIsSwallowedOnlyWhenAsked() {
        {
            Rig rig;
            QVERIFY(rig.Open(true));
            rig.peer->SetEcho(true);
            rig.peer->SetLatency(400); // the reply comes after the 300 ms echo wait
            rig.peer->SetHandler(Answer("RX30XU01"));
            QByteArray payload;
            QByteArray reply;
            QVERIFY(rig.link->TransferCommand(0x31, payload, reply));
            QCOMPARE(reply, CScriptedPeer::ReplyFrame("RX30XU01"));
            QCOMPARE(rig.peer->requests.size(), 1);
        }
        {
            // Without the echo flag the echoed request is taken for the reply: a request frame is a
            // valid frame, so the receiver accepts it. That is why 3-wire types open with echo on.
            Rig rig;
            QVERIFY(rig.Open(false));
            rig.peer->SetEcho(true);
            rig.peer->SetLatency(400);
            rig.peer->SetHandler(Answer("RX30XU01"));
            QByteArray payload;
            QByteArray reply;
            QVERIFY(rig.link->TransferCommand(0x31, payload, reply));
            QCOMPARE(reply, QByteArray::fromHex("0203313403"));
        }
    }

    void staleBytesAreDiscardedBeforeSending() {
        Rig rig;
        QVERIFY(rig.Open());
        // A late reply of an earlier exchange is waiting on the line.
        rig.device->Deliver(CScriptedPeer::ReplyFrame("OLD"), rig.clock.NowMs());
        rig.peer->SetHandler(Answer("NEW"));
        QByteArray payload;
        QByteArray reply;
        QVERIFY(rig.link->TransferCommand(0x30, payload, reply));
        QCOMPARE(reply, CScriptedPeer::ReplyFrame("NEW"));
    }

    void connectsOnDemandWithNestedExchanges() {
        Rig rig;
        int depthDuringIdentification = 0;
        rig.peer->SetHandler([&](const CScriptedPeer::Request& request) -> std::optional<QByteArray> {
            if (request.command == 0x31) {
                depthDuringIdentification = rig.link->TransferDepth();
                return std::nullopt; // the identification during the connect stays silent
            }
            return CScriptedPeer::ReplyFrame("+001251");
        });
        int connects = 0;
        qint64 innerSpentMs = 0;
        rig.link->SetConnectHook([&] {
            ++connects;
            if (!rig.link->Sio().OpenPortSilent(0, false)) {
                return false;
            }
            const qint64 begin = rig.clock.NowMs();
            QByteArray payload;
            QByteArray reply;
            const bool identified = rig.link->TransferCommand(0x31, payload, reply);
            innerSpentMs = rig.clock.NowMs() - begin;
            return identified;
        });
        QByteArray payload;
        QByteArray reply;
        const qint64 start = rig.clock.NowMs();
        // The connect fails (its three identification attempts time out, each after its own 20 ticks) but
        // leaves the port open: the same attempt sends its command and gets the answer.
        QVERIFY(rig.link->TransferCommand(0x35, payload, reply));
        QCOMPARE(connects, 1);
        QCOMPARE(depthDuringIdentification, 2);
        QCOMPARE(innerSpentMs, 3 * 2100 + kRestMs);
        QCOMPARE(reply, CScriptedPeer::ReplyFrame("+001251"));
        QCOMPARE(rig.link->TransferDepth(), 0);
        QCOMPARE(rig.op.waitDepth, 0);
        QCOMPARE(rig.op.maxWaitDepth, 2);
        QCOMPARE(rig.peer->requests.size(), 3 + 1);
        QVERIFY(rig.clock.NowMs() - start < innerSpentMs + 100);
    }

    void failedConnectWithAnOpenPortStillGetsThreeAttempts() {
        Rig rig;
        rig.peer->SetHandler([](const CScriptedPeer::Request& request) -> std::optional<QByteArray> {
            // An identification of the wrong length: the connect fails, the port stays open.
            if (request.command == 0x31) {
                return CScriptedPeer::ReplyFrame("KA7101234");
            }
            return std::nullopt;
        });
        int connects = 0;
        rig.link->SetConnectHook([&] {
            ++connects;
            QByteArray payload;
            QByteArray reply;
            return rig.link->Sio().OpenPortSilent(0, false) &&
                   rig.link->TransferCommand(0x31, payload, reply) && reply.size() == 12;
        });
        QByteArray payload;
        QByteArray reply;
        QVERIFY(!rig.link->TransferCommand(0x35, payload, reply));
        QCOMPARE(connects, 1);
        int sent = 0;
        for (const CScriptedPeer::Request& request : rig.peer->requests) {
            sent += request.command == 0x35 ? 1 : 0;
        }
        QCOMPARE(sent, CTransmitterLink::kAttempts);
    }

    void closedPortWithoutConnectFailsWithoutSending() {
        Rig rig;
        QByteArray payload("x");
        QByteArray reply;
        QVERIFY(!rig.link->TransferCommand(0x30, payload, reply));
        QVERIFY(payload.isEmpty());
        QVERIFY(rig.device->Written().isEmpty());
        QCOMPARE(rig.clock.SleptMs(), 3 * CTransmitterLink::kRetryPauseMs + kRestMs);
    }

    void programErrorLeavesNothingHalfDone() {
        Rig rig;
        QVERIFY(rig.Open());
        QByteArray payload(43, 'A');
        QByteArray reply;
        QVERIFY_THROWS_EXCEPTION(CProgramError, rig.link->TransferCommand(0x4A, payload, reply));
        QVERIFY(rig.device->Written().isEmpty());
        QCOMPARE(rig.op.waitDepth, 0);
        QCOMPARE(rig.link->TransferDepth(), 0);
    }
};

QTEST_GUILESS_MAIN(TransferCommandTest)
#include "TransferCommandTest.moc"
