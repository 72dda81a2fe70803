// log_view_bench [MEGABYTES]: writes a measured-value log of the given size (default 10) as the logging
// writes it, a few damaged lines among the good ones, opens it in "Log-Datei anzeigen" and prints the
// load time and the longest stall of the event loop while it loaded.

#include "measurement/LogFormat.h"
#include "ui/measurement/DlgLogAnzeige.h"
#include "ui/measurement/TrendPlot.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <cmath>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    const double megabytes = argc > 1 ? std::atof(argv[1]) : 10.0;
    const CLogFormat format(QStringLiteral("dd.MM.yyyy"), QStringLiteral("HH:mm:ss"), QLatin1Char(','));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.log"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return 1;
    }
    const qint64 target = static_cast<qint64>(megabytes * 1024 * 1024);
    QDateTime time(QDate(2026, 1, 1), QTime(0, 0));
    int nLines = 0;
    while (file.size() < target) {
        if (++nLines % 1000 == 0) {
            file.write("damaged line\r\n");
        }
        file.write(format.Line(time, 5.0 + 4.0 * std::sin(nLines / 500.0), 20.0 + nLines % 50 / 10.0, 2, 3));
        time = time.addSecs(2);
    }
    file.close();

    QElapsedTimer clock;
    qint64 maxStallMs = 0;
    int nStalls = 0; // turns of the event loop later than 100 ms
    qint64 lastTickMs = 0;
    clock.start();
    CDlgLogAnzeige dialog(path, format, QStringLiteral("bar"));
    const qint64 constructMs = clock.elapsed();
    lastTickMs = constructMs;
    QTimer ticker;
    ticker.setInterval(5);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        maxStallMs = std::max(maxStallMs, now - lastTickMs);
        if (now - lastTickMs > 100) {
            ++nStalls;
            std::fprintf(stderr, "stall of %lld ms ending at %lld ms, %zu samples read\n",
                         static_cast<long long>(now - lastTickMs), static_cast<long long>(now),
                         dialog.Leser().Samples().size());
        }
        lastTickMs = now;
    });
    dialog.show();
    ticker.start();
    QObject::connect(&dialog, &CDlgLogAnzeige::loaded, &app, [&] {
        dialog.Plot()->repaint(); // the first full paint of the thinned series belongs to the load
        QTimer::singleShot(0, &app, &QApplication::quit);
    });
    app.exec();
    const qint64 totalMs = clock.elapsed();
    std::printf("file %.1f MB, %d lines, %zu samples, %d skipped\n", file.size() / 1048576.0, nLines,
                dialog.Leser().Samples().size(), dialog.Leser().SkippedLines());
    std::printf("window shown after %lld ms, file read and plotted after %lld ms, longest stall %lld ms, "
                "%d stalls over 100 ms\n",
                static_cast<long long>(constructMs), static_cast<long long>(totalMs),
                static_cast<long long>(maxStallMs), nStalls);
    return dialog.IsLoaded() ? 0 : 1;
}
