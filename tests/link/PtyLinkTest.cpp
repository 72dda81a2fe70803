// The real tty code on a pseudo-terminal, in real time: a frame exchange with a peer on the master side,
// the 2 s time-out of a silent or vanished device without spinning, an event loop that keeps running
// during the wait, exclusive opening that ends with the port or its holder, and RTS as a no-op.

#include "ScriptedOperator.h"
#include "ScriptedPeer.h"
#include "core/SystemClock.h"
#include "link/TransmitterLink.h"
#include "link/TtyDevice.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <pwd.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
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

/// Whether a process without root's privileges can open the tty (root passes exclusive mode). Run as
/// root, a child drops to "nobody" first; the tty is made readable for it for that.
bool OpensAsUnprivilegedUser(const QByteArray& path) {
    if (::geteuid() != 0) {
        const int fd = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        if (fd >= 0) {
            ::close(fd);
        }
        return fd >= 0;
    }
    const passwd* nobody = ::getpwnam("nobody");
    if (nobody == nullptr || ::chmod(path.constData(), 0666) != 0) {
        return false;
    }
    const uid_t uid = nobody->pw_uid;
    const gid_t gid = nobody->pw_gid;
    const pid_t child = ::fork();
    if (child == 0) {
        // Only async-signal-safe calls in the child of a threaded process.
        if (::setgroups(0, nullptr) != 0 || ::setgid(gid) != 0 || ::setuid(uid) != 0) {
            ::_exit(2);
        }
        const int fd = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        ::_exit(fd >= 0 ? 0 : 1);
    }
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

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

    void portClosedDuringAReceiveEndsItsWait() {
        // Closing the window closes the port from an event the receive's wait dispatches: the wait ends
        // at once, without spinning through its ticks, and the port can be opened again.
        CPtyPeer peer;
        auto link = LinkTo(peer.SlavePath());
        QVERIFY(link->Sio().OpenPort(0, false));
        QTimer::singleShot(150, [&link] { link->Sio().ClosePort(); });
        QByteArray reply;
        QElapsedTimer wall;
        wall.start();
        const qint64 cpuBefore = ProcessCpuMs();
        QVERIFY(!link->Sio().ReceiveFrame(reply));
        const qint64 cpu = ProcessCpuMs() - cpuBefore;
        QVERIFY2(wall.elapsed() < 1000, qPrintable(QString::number(wall.elapsed())));
        QVERIFY2(cpu < 50, qPrintable(QStringLiteral("CPU %1 ms").arg(cpu)));
        QVERIFY(link->Sio().OpenPortSilent(0, false));
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

    void portLockEndsWithItsHolderHoweverItEnds() {
        // A user who is not root, as technicians run the program, opens the port again once the program
        // holding it has closed it, and once it was killed; while it holds the port, another is refused.
        CPtyPeer peer;
        const QString path = peer.SlavePath();
        const QByteArray slave = QFile::encodeName(path);
        auto link = LinkTo(path);
        QVERIFY(link->Sio().OpenPortSilent(0, false));
        link->Sio().ClosePort();
        QVERIFY(OpensAsUnprivilegedUser(slave));

        // However the holder dies (killed, its terminal hung up, quit with a core), the lock goes with it.
        for (const int nSignal : {SIGKILL, SIGHUP, SIGQUIT}) {
            int ready[2] = {-1, -1};
            QCOMPARE(::pipe(ready), 0);
            const pid_t holder = ::fork();
            if (holder == 0) {
                // Dies of the signal as a program would, without the test framework's crash report or a
                // core file.
                const rlimit noCore{0, 0};
                ::setrlimit(RLIMIT_CORE, &noCore);
                ::signal(SIGHUP, SIG_DFL);
                ::signal(SIGQUIT, SIG_DFL);
                CTtyDevice device;
                device.SetRunEventLoop(false);
                const char opened = device.Open(path, 1200) ? '1' : '0';
                if (::write(ready[1], &opened, 1) == 1) {
                    ::pause(); // holds the port until it is killed
                }
                ::_exit(0);
            }
            QVERIFY(holder > 0);
            char opened = 0;
            QCOMPARE(::read(ready[0], &opened, 1), 1);
            ::close(ready[0]);
            ::close(ready[1]);
            QCOMPARE(opened, '1');
            m_operator.messages.clear();
            QElapsedTimer refusal;
            refusal.start();
            QVERIFY(!link->Sio().OpenPort(0, false));
            QVERIFY(refusal.elapsed() < 500);
            QCOMPARE(m_operator.MessageTexts(),
                     QStringList{QStringLiteral("COM-Port kann nicht geöffnet werden")});

            QCOMPARE(::kill(holder, nSignal), 0);
            int status = 0;
            QCOMPARE(::waitpid(holder, &status, 0), holder);
            QVERIFY(OpensAsUnprivilegedUser(slave));
            QVERIFY(link->Sio().OpenPortSilent(0, false));
            link->Sio().ClosePort();
        }
    }

    void rtsErrorsAreExcusedOnlyOnAPseudoTerminal() {
        using Line = IByteDevice::LineResult;
        for (const int error : {ENOTTY, EINVAL}) {
            QCOMPARE(CTtyDevice::ModemLineFailure(error, true, Line::ReadFailed), Line::NoModemLines);
            // A USB adapter whose driver refuses the call: the reset pulse would silently not happen.
            QCOMPARE(CTtyDevice::ModemLineFailure(error, false, Line::ReadFailed), Line::ReadFailed);
            QCOMPARE(CTtyDevice::ModemLineFailure(error, false, Line::WriteFailed), Line::WriteFailed);
        }
        QCOMPARE(CTtyDevice::ModemLineFailure(EIO, true, Line::WriteFailed), Line::WriteFailed);

        CPtyPeer peer;
        const int slave =
            ::open(QFile::encodeName(peer.SlavePath()).constData(), O_RDWR | O_NOCTTY | O_CLOEXEC);
        const int notATty = ::open("/dev/null", O_RDWR | O_CLOEXEC);
        QVERIFY(slave >= 0 && notATty >= 0);
        QVERIFY(CTtyDevice::IsPseudoTerminal(slave));
        QVERIFY(!CTtyDevice::IsPseudoTerminal(notATty));
        ::close(slave);
        ::close(notATty);
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
