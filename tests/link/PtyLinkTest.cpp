// The real tty code on a pseudo-terminal, in real time: a frame exchange with a peer on the master side,
// the 2 s time-out of a silent or vanished device without spinning, an event loop that keeps running
// during the wait, exclusive opening and RTS as a no-op.

#include "ScriptedOperator.h"
#include "ScriptedPeer.h"
#include "core/SystemClock.h"
#include "link/TransmitterLink.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <thread>
#include <unistd.h>

namespace {

qint64 ProcessCpuMs() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return ts.tv_sec * 1000 + ts.tv_nsec / 1'000'000;
}

/// The master side of a pseudo-terminal, standing for the programming interface.
class CPtyPeer {
public:
    CPtyPeer() {
        m_master = posix_openpt(O_RDWR | O_NOCTTY);
        if (m_master >= 0 && grantpt(m_master) == 0 && unlockpt(m_master) == 0) {
            m_slavePath = QString::fromLocal8Bit(ptsname(m_master));
        }
    }
    ~CPtyPeer() {
        if (m_thread.joinable()) {
            m_thread.join();
        }
        CloseMaster();
    }
    CPtyPeer(const CPtyPeer&) = delete;
    CPtyPeer& operator=(const CPtyPeer&) = delete;

    QString SlavePath() const { return m_slavePath; }
    void CloseMaster() {
        if (m_master >= 0) {
            ::close(m_master);
            m_master = -1;
        }
    }

    /// Answers the next request frame with reply, in its own thread.
    void AnswerOnce(const QByteArray& reply) {
        m_thread = std::thread([this, reply] {
            QByteArray request;
            while (request.size() < 2 || request.size() < static_cast<quint8>(request.at(1)) + 2) {
                pollfd pfd{m_master, POLLIN, 0};
                if (::poll(&pfd, 1, 5000) <= 0) {
                    return;
                }
                char byte = 0;
                if (::read(m_master, &byte, 1) == 1) {
                    request.append(byte);
                }
            }
            m_request = request;
            if (::write(m_master, reply.constData(), static_cast<size_t>(reply.size())) != reply.size()) {
                return;
            }
        });
    }
    QByteArray Request() {
        if (m_thread.joinable()) {
            m_thread.join();
        }
        return m_request;
    }

private:
    int m_master = -1;
    QString m_slavePath;
    std::thread m_thread;
    QByteArray m_request;
};

} // namespace

class PtyLinkTest : public QObject {
    Q_OBJECT

    CScriptedOperator m_operator;
    CSystemClock m_clock;

    std::unique_ptr<CTransmitterLink> LinkTo(const QString& path) {
        auto link = std::make_unique<CTransmitterLink>(m_operator, m_clock);
        link->PortMap().Pin(1, path);
        return link;
    }

    /// Runs one receive on a device that sends nothing and checks its wall and CPU time.
    void CheckSilentReceive(CTransmitterLink& link) {
        QByteArray reply;
        QElapsedTimer wall;
        wall.start();
        const qint64 cpuBefore = ProcessCpuMs();
        QVERIFY(!link.Sio().ReceiveFrame(reply));
        const qint64 cpu = ProcessCpuMs() - cpuBefore;
        QVERIFY2(wall.elapsed() >= 1950 && wall.elapsed() < 2500,
                 qPrintable(QString::number(wall.elapsed())));
        QVERIFY2(cpu < 50, qPrintable(QStringLiteral("CPU %1 ms").arg(cpu)));
    }

private Q_SLOTS:
    void exchangesAFrameWithThePeer() {
        CPtyPeer peer;
        QVERIFY(!peer.SlavePath().isEmpty());
        auto link = LinkTo(peer.SlavePath());
        QVERIFY(link->Sio().OpenPort(0, false));
        const QByteArray answer = CScriptedPeer::ReplyFrame("RX310309");
        peer.AnswerOnce(answer);
        QByteArray payload;
        QByteArray reply;
        QVERIFY(link->TransferCommand(0x31, payload, reply));
        QCOMPARE(reply, answer);
        QCOMPARE(peer.Request(), QByteArray::fromHex("0203313403"));
        QVERIFY(link->Serial().SetRtsOn()); // no modem lines on a pseudo-terminal: a quiet no-op
        QVERIFY(m_operator.messages.isEmpty());
    }

    void silentDeviceCostsAlmostNoCpuAndTheEventLoopRuns() {
        CPtyPeer peer;
        auto link = LinkTo(peer.SlavePath());
        QVERIFY(link->Sio().OpenPort(0, false));
        int timerShots = 0;
        QTimer timer;
        connect(&timer, &QTimer::timeout, [&timerShots] { ++timerShots; });
        timer.start(100);
        CheckSilentReceive(*link);
        QVERIFY2(timerShots >= 15, qPrintable(QString::number(timerShots)));
    }

    void vanishedDeviceTimesOutWithoutSpinning() {
        CPtyPeer peer;
        auto link = LinkTo(peer.SlavePath());
        QVERIFY(link->Sio().OpenPort(0, false));
        peer.CloseMaster();
        CheckSilentReceive(*link);
    }

    void portIsOpenedExclusively() {
        CPtyPeer peer;
        auto first = LinkTo(peer.SlavePath());
        auto second = LinkTo(peer.SlavePath());
        QVERIFY(first->Sio().OpenPortSilent(0, false));
        QVERIFY(!second->Sio().OpenPortSilent(0, false));
        QVERIFY(!second->Sio().TestPort(0));
        first->Sio().ClosePort();
        QVERIFY(second->Sio().TestPort(0));
        QVERIFY(!second->Sio().IsPortOpen());
    }

    void missingDeviceCannotBeOpened() {
        auto link = LinkTo(QStringLiteral("/dev/does-not-exist"));
        m_operator.messages.clear();
        QVERIFY(!link->Sio().OpenPort(0, false));
        QCOMPARE(m_operator.MessageTexts(),
                 QStringList{QStringLiteral("COM-Port kann nicht geöffnet werden")});
        QCOMPARE(m_operator.messages.first().buttons, IOperator::Buttons::RetryCancel);
    }
};

QTEST_GUILESS_MAIN(PtyLinkTest)
#include "PtyLinkTest.moc"
