// quillon-cli measure against quillon-sim over a pseudo-terminal, in real time: three samples logged and
// printed, an existing log kept, samples on their grid, and Ctrl+C ending the run between samples with only
// whole lines.

#include "CliProcess.h"
#include "SimProcess.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/// Whole log lines of a type with temperature: date;time;value;temperature CR LF.
const QRegularExpression
    kLine(QStringLiteral("^[^;\\r\\n]+;[^;\\r\\n]+;[+-][0-9.,]{5,};[+-][0-9]{3}[.,][0-9]$"));

bool AllWholeLines(const QByteArray& log, int& count) {
    if (!log.endsWith("\r\n")) {
        return false;
    }
    const QList<QByteArray> lines = log.chopped(2).split('\n');
    count = 0;
    for (const QByteArray& line : lines) {
        if (!line.endsWith('\r') && &line != &lines.last()) {
            return false;
        }
        if (!kLine.match(QString::fromLatin1(line.endsWith('\r') ? line.chopped(1) : line)).hasMatch()) {
            return false;
        }
        ++count;
    }
    return true;
}

} // namespace

class MeasureEndToEndTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QStringList Measure(const CSimProcess& sim, const QStringList& more) const {
        return QStringList{"--port", sim.Device(), "--type", "2", "--interface", "pl45", "measure"} + more;
    }

private Q_SLOTS:
    void threeSamplesAppendedToAnExistingLog() {
        CSimProcess sim;
        QVERIFY(sim.Start({"--type", "2"}));
        const QString log = m_dir.filePath(QStringLiteral("three.log"));
        {
            QFile old(log);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("01.01.2026;10:00:00;+1.000;+020.0\r\n");
        }
        const CCliProcess::Result result =
            CCliProcess(m_dir.filePath(QStringLiteral("config")))
                .Run(Measure(sim, {"--count", "3", "--interval", "2", "--log", log}), 90000);
        QVERIFY2(!result.bHung && result.exitCode == 0, qPrintable(result.err));
        const QByteArray bytes = ReadAll(log);
        int count = 0;
        QVERIFY2(AllWholeLines(bytes, count), bytes.constData());
        QCOMPARE(count, 4);
        QVERIFY(bytes.startsWith("01.01.2026;10:00:00;+1.000;+020.0\r\n"));
        const QStringList printed = result.out.trimmed().split(QLatin1Char('\n'));
        QCOMPARE(printed.size(), 3);
        QVERIFY(bytes.contains(printed.last().toLatin1() + "\r\n")); // the same line on screen and in the log
        QVERIFY(result.elapsedMs >= 4000);                           // two intervals between three samples
    }

    void samplesKeepTheirGrid() {
        // Each sample takes about half a second on the line at 1200 baud; the samples still start two
        // seconds apart, not two seconds after the previous one ended.
        CSimProcess sim;
        QVERIFY(sim.Start({"--type", "2"}));
        const CCliProcess::Result result = CCliProcess(m_dir.filePath(QStringLiteral("config")))
                                               .Run(Measure(sim, {"--count", "4", "--interval", "2"}), 90000);
        QVERIFY2(!result.bHung && result.exitCode == 0, qPrintable(result.err));
        const QList<double> starts = sim.RequestTimes(QStringLiteral("02 03 32 35 03"));
        QCOMPARE(starts.size(), 4);
        // The first sample connects first (the receive closed the port); from the second on the requests
        // go out on the grid: two intervals take four seconds, not four plus the time of two samples.
        const double span = starts.at(3) - starts.at(1);
        QVERIFY2(span > 3.9 && span < 2 * 2.0 + 0.3,
                 qPrintable(QStringLiteral("%1 s for two intervals").arg(span)));
    }

    void ctrlCEndsBetweenSamplesWithWholeLines() {
        CSimProcess sim;
        QVERIFY(sim.Start({"--type", "2"}));
        const QString log = m_dir.filePath(QStringLiteral("interrupted.log"));
        bool bSent = false;
        QElapsedTimer sinceSent;
        const auto watcher = [&](qint64 pid) {
            QTest::qWait(20);
            if (!bSent && ReadAll(log).count('\n') >= 1) {
                ::kill(static_cast<pid_t>(pid), SIGINT);
                bSent = true;
                sinceSent.start();
            }
        };
        const CCliProcess::Result result =
            CCliProcess(m_dir.filePath(QStringLiteral("config")))
                .Run(Measure(sim, {"--interval", "120", "--log", log}), 90000, watcher);
        QVERIFY(bSent);
        QVERIFY2(!result.bHung && !result.bCrashed && result.exitCode == 0, qPrintable(result.err));
        QVERIFY(sinceSent.elapsed() < 5000); // the wait of two minutes ended at once
        int count = 0;
        QVERIFY(AllWholeLines(ReadAll(log), count));
        QCOMPARE(count, 1);
    }
};

QTEST_GUILESS_MAIN(MeasureEndToEndTest)
#include "MeasureEndToEndTest.moc"
