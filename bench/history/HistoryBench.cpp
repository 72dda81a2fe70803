// history_bench [FOLDER]: the device history's costs on this PC's SQLite database, in a fresh file in
// FOLDER (default: the current folder, which should be on the disk the user's data folder is on).
//   - one event's write as a receive records it (a whole parameter set after, the station's part filled)
//   - listing one transmitter with 10 000 events (as the history window does) and the transmitters seen
//   - the window "Verlauf" showing that transmitter's events: from choosing its row until the table
//     holds all 10 000 rows (offscreen unless a display is set)
// Prints median, 95th percentile and maximum of each.

#include "ScriptedOperator.h"
#include "document/HistoryRecorder.h"
#include "history/HistoryStore.h"
#include "ui/history/DlgVerlauf.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTableWidget>
#include <algorithm>
#include <cstdio>

namespace {

CHistoryEvent Event(const QByteArray& serial, int n) {
    CParameterSatz satz;
    satz.m_strSeriennummer = serial;
    satz.m_strBezeichnung = "PT-" + QByteArray::number(n % 100);
    satz.m_nLinTabAnzahl = CParameterSatz::kLinTabPunkte;
    CHistoryEvent event = CHistoryRecorder::For(CHistoryEvent::Operation::Receive, satz);
    event.after = satz;
    return event;
}

void Report(const char* what, QList<double> ms) {
    std::sort(ms.begin(), ms.end());
    const auto at = [&ms](double share) { return ms.at(static_cast<qsizetype>(share * (ms.size() - 1))); };
    std::printf("%-44s n=%-5lld median %8.3f ms   p95 %8.3f ms   max %8.3f ms\n", what,
                static_cast<long long>(ms.size()), at(0.5), at(0.95), ms.last());
}

} // namespace

/// The window's part: choosing the transmitter fills the events table; timed until it is filled.
QList<double> WindowListings(const CHistoryStore& store, const QByteArray& serial) {
    CDlgVerlauf dialog(store);
    dialog.show();
    auto* transmitters = dialog.findChild<QTableWidget*>(QStringLiteral("transmitters"));
    auto* events = dialog.findChild<QTableWidget*>(QStringLiteral("events"));
    int row = 0;
    while (row < transmitters->rowCount() &&
           transmitters->item(row, 0)->text() != QString::fromLatin1(serial)) {
        ++row;
    }
    QList<double> ms;
    QElapsedTimer timer;
    for (int round = 0; round < 10; ++round) {
        transmitters->selectRow(row == 0 ? 1 : 0); // another transmitter first
        QCoreApplication::processEvents();
        timer.start();
        transmitters->selectRow(row);
        QCoreApplication::processEvents();
        ms.append(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::printf("rows in the window: %d\n", events->rowCount());
    return ms;
}

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    const QString path = QDir(folder).filePath(QStringLiteral("history_bench.sqlite"));
    for (const QString& suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")}) {
        QFile::remove(path + suffix);
    }
    CScriptedOperator op;
    CHistoryStore store(
        op, {QStringLiteral("bench"), QStringLiteral("user"), QStringLiteral("cli"), QStringLiteral("0")});
    CHistoryLocation location;
    location.localPath = path;
    if (!store.Open(location)) {
        std::fprintf(stderr, "%s\n", qPrintable(op.MessageTexts().join(QLatin1Char('\n'))));
        return 1;
    }
    // 10 000 events of one transmitter among those of 50 others, as a busy station's years would hold.
    QList<double> writes;
    QElapsedTimer timer;
    for (int n = 0; n < 12000; ++n) {
        const QByteArray serial =
            n % 6 == 5 ? "OTHER." + QByteArray::number(n % 50) : QByteArray("100001.01.001");
        const CHistoryEvent event = Event(serial, n);
        timer.start();
        if (store.Record(event) == 0) {
            return 1;
        }
        writes.append(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    Report("write of one event (receive with its set)", writes);

    CHistoryFilter filter;
    filter.seriennummer = QByteArray("100001.01.001");
    QList<double> lists;
    QList<double> overviews;
    qsizetype count = 0;
    for (int round = 0; round < 20; ++round) {
        timer.start();
        count = store.Events(filter).size();
        lists.append(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        timer.start();
        store.Transmitters();
        overviews.append(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::printf("events of the transmitter: %lld\n", static_cast<long long>(count));
    Report("listing the transmitter's events", lists);
    Report("listing the transmitters seen", overviews);
    Report("Verlauf showing the transmitter's events", WindowListings(store, *filter.seriennummer));
    std::printf("database file: %.1f MB\n", static_cast<double>(QFile(path).size()) / 1e6);
    return 0;
}
