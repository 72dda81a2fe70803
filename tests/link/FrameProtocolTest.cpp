// The frame format and the receive state machine, byte by byte, without a port.

#include "ScriptedOperator.h"
#include "ScriptedPeer.h"
#include "core/ProgramError.h"
#include "core/VirtualClock.h"
#include "link/MemoryDevice.h"
#include "link/TransmitterSio.h"

#include <QTest>

namespace {

QByteArray Bytes(std::initializer_list<int> values) {
    QByteArray bytes;
    for (const int v : values) {
        bytes.append(static_cast<char>(v));
    }
    return bytes;
}

} // namespace

class FrameProtocolTest : public QObject {
    Q_OBJECT

    CScriptedOperator m_operator;
    CVirtualClock m_clock;

    std::unique_ptr<CTransmitterSio> NewSio() {
        return std::make_unique<CTransmitterSio>(m_operator, m_clock,
                                                 std::make_unique<CMemoryDevice>(m_clock));
    }

    /// Feeds bytes one by one and returns the results of FeedByte.
    static QList<bool> Feed(CTransmitterSio& sio, const QByteArray& bytes) {
        QList<bool> results;
        for (const char b : bytes) {
            results.append(sio.FeedByte(static_cast<quint8>(b)));
        }
        return results;
    }

private Q_SLOTS:
    void buildFrameExamples() {
        QCOMPARE(CTransmitterSio::BuildFrame(0x41, QByteArray()), Bytes({0x02, 0x03, 0x41, 0x44, 0x03}));
        QCOMPARE(CTransmitterSio::BuildFrame(0x45, "+00125"),
                 Bytes({0x02, 0x09, 0x45, 0x2B, 0x30, 0x30, 0x31, 0x32, 0x35, 0x71, 0x03}));
        // The largest payload still fits: L = 45, 47 bytes in all.
        const QByteArray longest = CTransmitterSio::BuildFrame(0x4A, QByteArray(42, 'A'));
        QCOMPARE(longest.size(), 47);
        QCOMPARE(static_cast<quint8>(longest.at(1)), quint8(45));
        // Bytes equal to STX and ETX inside a payload are not escaped.
        QCOMPARE(CTransmitterSio::BuildFrame(0x02, Bytes({0x03})),
                 Bytes({0x02, 0x04, 0x02, 0x03, 0x09, 0x03}));
    }

    void oversizePayloadIsAProgramError() {
        QVERIFY_THROWS_EXCEPTION(CProgramError, CTransmitterSio::BuildFrame(0x4A, QByteArray(43, 'A')));
    }

    void validReplyCompletesAndIsKept() {
        auto sio = NewSio();
        const QByteArray reply = CScriptedPeer::ReplyFrame("RX310309");
        sio->ResetReceiver();
        const QList<bool> results = Feed(*sio, reply);
        QVERIFY(!results.contains(false));
        QVERIFY(sio->IsFrameComplete());
        QCOMPARE(sio->ReceivedFrame(), reply);
        // Bytes after the ETX do not disturb the finished frame.
        Feed(*sio, Bytes({0x02, 0x05, 0x00}));
        QCOMPARE(sio->ReceivedFrame(), reply);
    }

    void receiveTableRows_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QList<bool>>("results");
        QTest::addColumn<bool>("complete");

        QTest::newRow("garbage before STX is ignored")
            << Bytes({0x41, 0x03, 0xFF, 0x02, 0x03, 0x31, 0x34, 0x03})
            << QList<bool>{true, true, true, true, true, true, true, true} << true;
        QTest::newRow("length 51 is refused at once")
            << Bytes({0x02, 51}) << QList<bool>{true, false} << false;
        QTest::newRow("length 50 is taken") << Bytes({0x02, 50}) << QList<bool>{true, true} << false;
        QTest::newRow("length 0 is refused") << Bytes({0x02, 0}) << QList<bool>{true, false} << false;
        QTest::newRow("length 1 is refused") << Bytes({0x02, 1}) << QList<bool>{true, false} << false;
        QTest::newRow("length 2: checksum and ETX only")
            << Bytes({0x02, 0x02, 0x02, 0x03}) << QList<bool>{true, true, true, true} << true;
        QTest::newRow("wrong checksum resets")
            << Bytes({0x02, 0x03, 0x31, 0x35}) << QList<bool>{true, true, true, false} << false;
        QTest::newRow("missing ETX resets")
            << Bytes({0x02, 0x03, 0x31, 0x34, 0x04}) << QList<bool>{true, true, true, true, false} << false;
        QTest::newRow("ETX byte inside the data is data")
            << Bytes({0x02, 0x04, 0x03, 0x02, 0x09, 0x03}) << QList<bool>{true, true, true, true, true, true}
            << true;
        QTest::newRow("a reset hunts for the next STX in the same stream")
            << Bytes({0x02, 0x03, 0x31, 0x00, 0x02, 0x03, 0x31, 0x34, 0x03})
            << QList<bool>{true, true, true, false, true, true, true, true, true} << true;
        QTest::newRow("STX inside a frame is data")
            << Bytes({0x02, 0x04, 0x02, 0x31, 0x37, 0x03}) << QList<bool>{true, true, true, true, true, true}
            << true;
    }

    void receiveTableRows() {
        QFETCH(QByteArray, bytes);
        QFETCH(QList<bool>, results);
        QFETCH(bool, complete);
        auto sio = NewSio();
        sio->ResetReceiver();
        QCOMPARE(Feed(*sio, bytes), results);
        QCOMPARE(sio->IsFrameComplete(), complete);
    }

    void receiverNeverOverrunsItsBuffer() {
        // Every length up to the limit followed by endless non-ETX bytes: the receiver resets each time
        // and keeps hunting; nothing is written beyond a frame of 52 bytes.
        auto sio = NewSio();
        sio->ResetReceiver();
        for (int length = 0; length <= 255; ++length) {
            QByteArray stream = Bytes({0x02, length});
            stream.append(QByteArray(300, '\x55'));
            Feed(*sio, stream);
            QVERIFY(!sio->IsFrameComplete());
        }
    }
};

QTEST_GUILESS_MAIN(FrameProtocolTest)
#include "FrameProtocolTest.moc"
