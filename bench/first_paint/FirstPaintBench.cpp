// first_paint_bench: time from construction to the first paint of Quillon's main window (customer
// edition, profile in memory, no start-up dialogs) against a bare QMainWindow built the same way (central
// widget, menu bar with as many menus and entries, toolbar with the same icons, status bar, same size),
// both in one process. Prints every round, the medians and the ratio.
//
//   first_paint_bench [--rounds N] [--english]
//
// Two moments are taken for each window, both measured from the line before its construction:
//   paint  the first paint event delivered to a widget of the window;
//   frame  the return to the event loop after that paint: every widget of the window painted and the
//          frame handed to the display.

#include "app/QuillonApp.h"
#include "document/MemoryProfileStore.h"
#include "link/ByteDevice.h"
#include "shell/CommandTable.h"
#include "ui/main/MainFrame.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

struct Sample {
    double shownMs = 0.0; ///< construction and show() returned
    double paintMs = 0.0;
    double frameMs = 0.0;
};

/// What the bare window copies from the real one: its size and the shape of its bars.
struct Shape {
    QSize size;
    std::vector<int> menuEntries; ///< entries per top-level menu
    int nToolItems = 0;
};

/// The application, watching for the first paint of the one window that exists at a time (notify() sees
/// every event of the process).
class CBenchApp : public QApplication {
public:
    using QApplication::QApplication;

    /// Starts the clock; called on the line before the window's construction.
    void Watch() {
        m_bWatching = true;
        m_timer.start();
        m_paintMs.reset();
        m_frameMs.reset();
    }

    bool notify(QObject* receiver, QEvent* event) override {
        if (m_bWatching && !m_paintMs && event->type() == QEvent::Paint && receiver->isWidgetType()) {
            m_paintMs = Elapsed();
            // The window paints all its widgets in one go, inside an expose or update event or inside
            // show(); what is posted now runs when that has returned to the event loop.
            QMetaObject::invokeMethod(
                this, [this] { m_frameMs = Elapsed(); }, Qt::QueuedConnection);
        }
        return QApplication::notify(receiver, event);
    }

    /// Runs the event loop until the watched window's first frame is complete (at most 10 s).
    std::optional<Sample> WaitForFrame() {
        const double shownMs = Elapsed();
        QElapsedTimer guard;
        guard.start();
        while (!m_frameMs && guard.elapsed() < 10000) {
            processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
        }
        m_bWatching = false;
        if (!m_frameMs) {
            return std::nullopt;
        }
        return Sample{shownMs, *m_paintMs, *m_frameMs};
    }

    double Elapsed() const { return static_cast<double>(m_timer.nsecsElapsed()) / 1e6; }

private:
    bool m_bWatching = false;
    QElapsedTimer m_timer;
    std::optional<double> m_paintMs;
    std::optional<double> m_frameMs;
};

void Settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}

Shape ShapeOf(const QMainWindow& window) {
    Shape shape;
    shape.size = window.size();
    for (const QAction* menu : window.menuBar()->actions()) {
        shape.menuEntries.push_back(menu->menu() ? static_cast<int>(menu->menu()->actions().size()) : 0);
    }
    if (const auto* toolbar = window.findChild<QToolBar*>()) {
        shape.nToolItems = static_cast<int>(toolbar->actions().size());
    }
    return shape;
}

/// One start of the real window as the program starts it; nullopt when it did not come up.
std::optional<Sample> RunQuillon(CBenchApp& app, bool bEnglish, Shape* shape) {
    QTemporaryDir userDir;
    CMemoryProfileStore profile;
    profile.SetInt(QStringLiteral("ShowHardwareSetup"), 0);
    profile.SetInt(QStringLiteral("StartupHinweis"), 0);
    profile.SetInt(QStringLiteral("Language"), bEnglish ? 1 : 0);
    int nMessages = 0;
    CQuillonApp::Seams seams;
    seams.profile = &profile;
    seams.bPortPins = false;
    seams.verzeichnis =
        CProgrammVerzeichnis(QCoreApplication::applicationDirPath(), QString(), userDir.path());
    seams.answers = [&nMessages](const CGuiOperator::Shown&) -> std::optional<IOperator::Answer> {
        ++nMessages;
        return IOperator::Answer::Cancel;
    };

    app.Watch();
    auto quillon = std::make_unique<CQuillonApp>(CEdition::Kind::Kunde, std::move(seams));
    if (!quillon->InitInstance({})) {
        return std::nullopt;
    }
    const std::optional<Sample> sample = app.WaitForFrame();
    if (shape != nullptr) {
        *shape = ShapeOf(*quillon->MainFrame());
    }
    if (nMessages > 0) {
        std::fprintf(stderr, "first_paint_bench: the window showed %d message(s) at start-up\n", nMessages);
        return std::nullopt;
    }
    quillon.reset();
    Settle();
    return sample;
}

/// One start of the bare window of the same shape.
std::optional<Sample> RunBare(CBenchApp& app, const Shape& shape) {
    app.Watch();
    auto window = std::make_unique<QMainWindow>();
    window->setCentralWidget(new QWidget(window.get()));
    int nMenu = 0;
    for (const int nEntries : shape.menuEntries) {
        QMenu* menu = window->menuBar()->addMenu(QStringLiteral("Menu &%1").arg(++nMenu));
        for (int i = 0; i < nEntries; ++i) {
            menu->addAction(QStringLiteral("Entry %1...").arg(i + 1));
        }
    }
    // The same icon files, loaded anew as the real window loads them.
    window->setWindowIcon(QIcon(QStringLiteral(":/icons/quillon.svg")));
    QToolBar* toolbar = window->addToolBar(QStringLiteral("Toolbar"));
    for (const ToolbarEntry& button : CCommandTable::Toolbar()) {
        if (button.nId == 0) {
            toolbar->addSeparator();
        } else {
            toolbar->addAction(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(button.icon))),
                               QStringLiteral("Button"));
        }
    }
    window->statusBar()->showMessage(QStringLiteral("Ready"));
    window->resize(shape.size);
    if (const QScreen* desktop = window->screen()) {
        QRect frame = window->frameGeometry();
        frame.moveCenter(desktop->availableGeometry().center());
        window->move(frame.topLeft());
    }
    window->show();
    const std::optional<Sample> sample = app.WaitForFrame();
    window.reset();
    Settle();
    return sample;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

} // namespace

int main(int argc, char* argv[]) {
    CBenchApp app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Quillon"));
    QCoreApplication::setApplicationName(QStringLiteral("QuillonBench"));
    int nRounds = 20;
    bool bEnglish = false;
    const QStringList args = QCoreApplication::arguments().mid(1);
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--rounds") && i + 1 < args.size()) {
            nRounds = std::max(1, args.at(++i).toInt());
        } else if (args.at(i) == QLatin1String("--english")) {
            bEnglish = true;
        } else {
            std::fprintf(stderr, "usage: first_paint_bench [--rounds N] [--english]\n");
            return 2;
        }
    }

    // The first start of each pays what the process does once (platform, fonts, style, icons); it is
    // shown but not counted.
    Shape shape;
    const std::optional<Sample> coldQuillon = RunQuillon(app, bEnglish, &shape);
    const std::optional<Sample> coldBare = coldQuillon ? RunBare(app, shape) : std::nullopt;
    if (!coldQuillon || !coldBare) {
        std::fprintf(stderr, "first_paint_bench: a window was not painted within 10 s\n");
        return 1;
    }
    std::printf("platform %s, window %dx%d, %zu menus, %d toolbar items, %s\n",
                qPrintable(QGuiApplication::platformName()), shape.size.width(), shape.size.height(),
                shape.menuEntries.size(), shape.nToolItems, bEnglish ? "English" : "German");
    std::printf("%-7s %10s %10s %10s %10s %10s %10s   (ms)\n", "round", "bare shown", "bare paint",
                "bare frame", "main shown", "main paint", "main frame");
    const auto print = [](const char* round, const Sample& bare, const Sample& main) {
        std::printf("%-7s %10.2f %10.2f %10.2f %10.2f %10.2f %10.2f\n", round, bare.shownMs, bare.paintMs,
                    bare.frameMs, main.shownMs, main.paintMs, main.frameMs);
    };
    print("cold", *coldBare, *coldQuillon);

    std::vector<Sample> bares, mains;
    for (int round = 1; round <= nRounds; ++round) {
        // Alternating the order keeps a drift of the machine from favouring either window.
        std::optional<Sample> bare, main;
        if (round % 2 == 1) {
            bare = RunBare(app, shape);
            main = RunQuillon(app, bEnglish, nullptr);
        } else {
            main = RunQuillon(app, bEnglish, nullptr);
            bare = RunBare(app, shape);
        }
        if (!bare || !main) {
            std::fprintf(stderr, "first_paint_bench: a window was not painted within 10 s\n");
            return 1;
        }
        print(qPrintable(QString::number(round)), *bare, *main);
        bares.push_back(*bare);
        mains.push_back(*main);
    }
    const auto median = [](const std::vector<Sample>& samples, double Sample::*field) {
        std::vector<double> values;
        for (const Sample& sample : samples) {
            values.push_back(sample.*field);
        }
        return Median(values);
    };
    const Sample bare{median(bares, &Sample::shownMs), median(bares, &Sample::paintMs),
                      median(bares, &Sample::frameMs)};
    const Sample main{median(mains, &Sample::shownMs), median(mains, &Sample::paintMs),
                      median(mains, &Sample::frameMs)};
    print("median", bare, main);
    std::printf("ratio main/bare: shown %.2f, first paint %.2f, first frame %.2f\n",
                main.shownMs / bare.shownMs, main.paintMs / bare.paintMs, main.frameMs / bare.frameMs);
    return 0;
}
