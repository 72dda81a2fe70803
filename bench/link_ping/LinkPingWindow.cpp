// link_ping_window: the window side of the ping benchmark (scripts/bench-link-ping.sh).
//
//   link_ping_window quillon [--typ N] [--seconds S] [--pause-ms P]
//   link_ping_window bare [--seconds S]
//
// "quillon" starts the customer edition's main window as the program does with --demo N (quillon-sim on a
// pseudo-terminal, profile in memory, no start-up dialogs, every message answered at once) and, from one
// second after it is shown, runs "Empfangen" again and again, P ms (default 200) apart, for S seconds.
// "bare" shows a plain QMainWindow of the same size beside it. Both print their X window id ("window
// 0x…") as soon as they are shown, so the probe can ping them, and at the end the worst gap of a 10 ms
// timer in their event loop (what the window's own thread saw) and, for "quillon", the receives run.

#include "app/QuillonApp.h"
#include "document/MemoryProfileStore.h"
#include "shell/TransmitterSession.h"
#include "ui/main/MainFrame.h"
#include "ui/main/QuillonView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMainWindow>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <memory>

namespace {

struct Options {
    bool bQuillon = true;
    int nTyp = 2;
    int seconds = 30;
    int pauseMs = 200;
};

/// The longest time between two shots of a 10 ms timer: how long the event loop was held up at worst.
class CGapWatch {
public:
    CGapWatch() {
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (m_since.isValid()) {
                m_worstMs = qMax(m_worstMs, static_cast<double>(m_since.nsecsElapsed()) / 1e6);
            }
            m_since.start();
        });
        m_timer.start(10);
    }
    double WorstMs() const { return m_worstMs; }

private:
    QTimer m_timer;
    QElapsedTimer m_since;
    double m_worstMs = 0.0;
};

void PrintWindow(const QWidget& window) {
    std::printf("window 0x%llx\n", static_cast<unsigned long long>(window.winId()));
    std::fflush(stdout);
}

int RunBare(QApplication& app, const Options& options) {
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.setCentralWidget(new QLabel(QStringLiteral("bare window"), &window));
    window.resize(491, 493);
    window.show();
    PrintWindow(window);
    CGapWatch gaps;
    QTimer::singleShot(options.seconds * 1000, &app, &QCoreApplication::quit);
    const int code = QApplication::exec();
    std::printf("timer gap worst %.2f ms\n", gaps.WorstMs());
    return code;
}

int RunQuillon(const Options& options) {
    QTemporaryDir userDir;
    CMemoryProfileStore profile;
    profile.SetInt(QStringLiteral("ShowHardwareSetup"), 0);
    profile.SetInt(QStringLiteral("StartupHinweis"), 0);
    QStringList messages;
    CQuillonApp::Seams seams;
    seams.profile = &profile;
    seams.bPortPins = false;
    seams.verzeichnis =
        CProgrammVerzeichnis(QCoreApplication::applicationDirPath(), QString(), userDir.path());
    seams.answers = [&messages](const CGuiOperator::Shown& shown) -> std::optional<IOperator::Answer> {
        messages << shown.text;
        return IOperator::Answer::Ok;
    };
    CQuillonApp quillon(CEdition::Kind::Kunde, std::move(seams));
    if (!quillon.InitInstance({QStringLiteral("--demo"), QString::number(options.nTyp)})) {
        std::fprintf(stderr, "link_ping_window: the window did not start\n");
        return 1;
    }
    PrintWindow(*quillon.MainFrame());
    CGapWatch gaps;
    QElapsedTimer running;
    int nReceives = 0;
    QTimer next;
    next.setSingleShot(true);
    QObject::connect(&next, &QTimer::timeout, [&] {
        if (running.elapsed() >= options.seconds * 1000) {
            QCoreApplication::quit();
            return;
        }
        ++nReceives;
        quillon.MainFrame()->View()->OnEmpfangen();
        next.start(options.pauseMs);
    });
    QTimer::singleShot(1000, [&] {
        running.start();
        next.start(0);
    });
    const int code = QApplication::exec();
    std::printf("receives %d, messages %lld\n", nReceives, static_cast<long long>(messages.size()));
    for (const QString& text : messages.mid(0, 5)) {
        std::printf("  message: %s\n", qPrintable(text.simplified()));
    }
    std::printf("timer gap worst %.2f ms\n", gaps.WorstMs());
    return code;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Options options;
    QStringList args = QCoreApplication::arguments().mid(1);
    if (!args.isEmpty() &&
        (args.first() == QLatin1String("bare") || args.first() == QLatin1String("quillon"))) {
        options.bQuillon = args.takeFirst() == QLatin1String("quillon");
    }
    for (qsizetype i = 0; i + 1 < args.size(); i += 2) {
        const int value = args.at(i + 1).toInt();
        if (args.at(i) == QLatin1String("--typ")) {
            options.nTyp = value;
        } else if (args.at(i) == QLatin1String("--seconds")) {
            options.seconds = value;
        } else if (args.at(i) == QLatin1String("--pause-ms")) {
            options.pauseMs = value;
        }
    }
    return options.bQuillon ? RunQuillon(options) : RunBare(app, options);
}
