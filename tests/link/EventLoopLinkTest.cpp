// The link in a window, in real time: the system clock and the real tty code against the simulator on
// a pseudo-terminal, with the event loop of the application. Every wait of a receive (the reset pulse,
// the echo waits, the reply waits) keeps timers running; a second operation started by a timer is
// refused without disturbing the first; a cancel ends a running receive at once, with the port closed.

#include "ScriptedOperator.h"
#include "core/SystemClock.h"
#include "document/QuillonDoc.h"
#include "link/TransmitterLink.h"
#include "sim/PtyServer.h"
#include "sim/Simulator.h"
#include "transmitter/Connection.h"
#include "transmitter/ParameterTransfer.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <thread>
#include <unistd.h>

namespace {

/// The simulator served on a pseudo-terminal from a thread of its own, as quillon-sim serves it.
class CSimOnPty {
public:
    CSimOnPty(int nTyp, CSimInterface::Kind kind)
        : m_simulator(CSimTransmitter(nTyp), kind)
        , m_server(m_simulator, m_clock) {}
    ~CSimOnPty() {
        if (m_thread.joinable()) {
            const char stop = 1;
            [[maybe_unused]] const ssize_t written = ::write(m_stop[1], &stop, 1);
            m_thread.join();
        }
        for (const int fd : m_stop) {
            if (fd >= 0) {
                ::close(fd);
            }
        }
    }
    CSimOnPty(const CSimOnPty&) = delete;
    CSimOnPty& operator=(const CSimOnPty&) = delete;

    bool Start() {
        QString error;
        if (::pipe2(m_stop, O_CLOEXEC) != 0 || !m_server.Open(error)) {
            return false;
        }
        m_thread = std::thread([this] { m_server.Run(m_stop[0]); });
        return true;
    }
    QString Device() const { return m_server.SlavePath(); }

private:
    CSystemClock m_clock;
    CSimulator m_simulator;
    CPtyServer m_server;
    int m_stop[2] = {-1, -1};
    std::thread m_thread;
};

/// The program's side as the window holds it: document, link on the machine's tty, connection, sequences.
struct WindowRig {
    CScriptedOperator op;
    CSystemClock clock;
    CTransmitterLink link{op, clock};
    CQuillonDoc doc{op, QString()};
    CConnection connection{link, doc};
    CParameterTransfer transfer{link, connection, doc};

    WindowRig(const QString& device, int nTyp) {
        link.Sio().Serial().PortMap().Pin(1, device);
        doc.SetTyp(nTyp);
        doc.SetComPort(0);
        doc.SetInterfaceVersion(1);
    }
};

/// The 3-wire type with echo, interface mode and reset pulse: every kind of fixed wait the link has.
constexpr int kTyp = 6;

} // namespace

class EventLoopLinkTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void timersRunOnScheduleAndASecondReceiveIsRefused() {
        CSimOnPty sim(kTyp, CSimInterface::Kind::PL45);
        QVERIFY(sim.Start());
        WindowRig rig(sim.Device(), kTyp);

        QElapsedTimer elapsed;
        QList<qint64> shots;
        int nRefused = 0;
        QTimer timer;
        timer.setTimerType(Qt::PreciseTimer);
        connect(&timer, &QTimer::timeout, [&] {
            shots.append(elapsed.elapsed());
            // During the reset pulse, then during the single reads: a command of the window.
            if (shots.size() == 12 || shots.size() == 60) {
                QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^operation refused")));
                if (!rig.transfer.ReceiveParameterSet() && rig.link.IsBusy()) {
                    ++nRefused;
                }
            }
        });
        elapsed.start();
        timer.start(50);
        const bool bReceived = rig.transfer.ReceiveParameterSet();
        const qint64 endMs = elapsed.elapsed();
        timer.stop();

        QVERIFY2(bReceived, qPrintable(rig.op.MessageTexts().join(QStringLiteral(" | "))));
        QVERIFY(rig.op.messages.isEmpty());
        QVERIFY(rig.doc.IsGueltig());
        QCOMPARE(nRefused, 2);
        QCOMPARE(rig.op.bereitCalls, QList<bool>({false, true}));
        QCOMPARE(rig.op.progressTexts.count(QStringLiteral("Verbinde Transmitter ...")), 1);
        QVERIFY(!rig.link.Sio().IsPortOpen());

        QVERIFY2(endMs > 3000, qPrintable(QString::number(endMs))); // reset pulse and echo waits took place
        shots.prepend(0);
        shots.append(endMs);
        qint64 maxGap = 0;
        for (qsizetype i = 1; i < shots.size(); ++i) {
            maxGap = qMax(maxGap, shots.at(i) - shots.at(i - 1));
        }
        QVERIFY2(
            maxGap < 150,
            qPrintable(
                QStringLiteral("longest gap between timer shots %1 ms in %2 ms").arg(maxGap).arg(endMs)));
    }

    void cancelEndsARunningReceiveAtOnce() {
        CSimOnPty sim(kTyp, CSimInterface::Kind::PL45);
        QVERIFY(sim.Start());
        WindowRig rig(sim.Device(), kTyp);

        QElapsedTimer elapsed;
        qint64 cancelMs = -1;
        // After the connect, in the middle of the single reads.
        QTimer::singleShot(3000, [&] {
            cancelMs = elapsed.elapsed();
            rig.link.RequestCancel();
        });
        elapsed.start();
        QVERIFY(!rig.transfer.ReceiveParameterSet());
        const qint64 endMs = elapsed.elapsed();

        QVERIFY(cancelMs > 0);
        QVERIFY2(endMs - cancelMs < 600,
                 qPrintable(QStringLiteral("ended %1 ms after the cancel").arg(endMs - cancelMs)));
        QCOMPARE(rig.op.MessageTexts(), QStringList{QStringLiteral("Empfangsfehler!")});
        QVERIFY(!rig.doc.IsGueltig());
        QVERIFY(!rig.link.Sio().IsPortOpen());
        QVERIFY(!rig.link.IsBusy());
        QVERIFY(!rig.link.IsCancelRequested());
        QCOMPARE(rig.op.bereitCalls, QList<bool>({false, true}));

        // The cancel ended with its operation: the next receive runs through.
        rig.op.messages.clear();
        QVERIFY2(rig.transfer.ReceiveParameterSet(), qPrintable(rig.op.MessageTexts().join(" | ")));
    }
};

QTEST_GUILESS_MAIN(EventLoopLinkTest)
#include "EventLoopLinkTest.moc"
