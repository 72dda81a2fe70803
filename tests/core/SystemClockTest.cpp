// The system clock's sleeps: on the application's thread the event loop runs while they last, off it
// (or switched off, as in the command-line tool) the thread just sleeps; either way a sleep lasts at
// least what was asked, so the link's fixed waits keep their length.

#include "core/SystemClock.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <thread>

class SystemClockTest : public QObject {
    Q_OBJECT

    /// How often a 20 ms timer fires during one sleep of 300 ms, and how long the sleep took.
    static int ShotsDuringSleep(CSystemClock& clock, qint64& sleptMs) {
        int shots = 0;
        QTimer timer;
        timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer, &QTimer::timeout, [&shots] { ++shots; });
        timer.start(20);
        QElapsedTimer elapsed;
        elapsed.start();
        clock.SleepMs(300);
        sleptMs = elapsed.elapsed();
        return shots;
    }

private Q_SLOTS:
    void sleepRunsTheEventLoopOnTheApplicationsThread() {
        CSystemClock clock;
        qint64 sleptMs = 0;
        const int shots = ShotsDuringSleep(clock, sleptMs);
        QVERIFY2(sleptMs >= 300 && sleptMs < 450, qPrintable(QString::number(sleptMs)));
        QVERIFY2(shots >= 10, qPrintable(QString::number(shots)));
    }

    void switchedOffOrOnAnotherThreadItIsAPlainSleep() {
        CSystemClock clock;
        clock.SetRunEventLoop(false);
        qint64 sleptMs = 0;
        QCOMPARE(ShotsDuringSleep(clock, sleptMs), 0);
        QVERIFY(sleptMs >= 300);

        CSystemClock other;
        qint64 otherMs = 0;
        std::thread worker([&other, &otherMs] {
            QElapsedTimer elapsed;
            elapsed.start();
            other.SleepMs(100);
            otherMs = elapsed.elapsed();
        });
        worker.join();
        QVERIFY(otherMs >= 100);
    }
};

QTEST_GUILESS_MAIN(SystemClockTest)
#include "SystemClockTest.moc"
