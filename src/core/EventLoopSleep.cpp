#include "core/EventLoopSleep.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <chrono>
#include <thread>

bool CEventLoopSleep::IsAvailable() {
    const QCoreApplication* app = QCoreApplication::instance();
    return app != nullptr && QThread::currentThread() == app->thread();
}

void CEventLoopSleep::SleepMs(qint64 ms) {
    if (ms <= 0) {
        return;
    }
    QElapsedTimer elapsed;
    elapsed.start();
    {
        QEventLoop loop;
        // Precise: a coarse timer may end a 2.5 s wait over 100 ms late.
        QTimer::singleShot(std::chrono::milliseconds(ms), Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec();
    }
    const qint64 rest = ms - elapsed.elapsed();
    if (rest > 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(rest));
    }
}
