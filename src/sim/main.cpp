// quillon-sim: a programming interface with one transmitter on a pseudo-terminal, for end-to-end tests
// and for using the program without hardware.

#include "core/SystemClock.h"
#include "sim/PtyServer.h"
#include "sim/SimOptions.h"
#include "sim/SimStateFile.h"
#include "sim/Simulator.h"

#include <QCoreApplication>
#include <QFile>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

int g_stopWrite = -1;

void OnStopSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_stopWrite, &byte, 1);
}

/// SIGTERM and SIGINT wake the server through a pipe; the handler does nothing else.
int InstallStopSignals() {
    int fds[2] = {-1, -1};
    if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) {
        return -1;
    }
    g_stopWrite = fds[1];
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
    return fds[0];
}

void Fail(const QString& text) {
    std::fprintf(stderr, "quillon-sim: %s\n", qPrintable(text));
}

/// The simulator as the options and the state file describe it; nothing when they cannot be used.
std::unique_ptr<CSimulator> BuildSimulator(const CSimOptions& options) {
    const int nTyp = options.EffectiveTyp();
    auto simulator = std::make_unique<CSimulator>(CSimTransmitter(nTyp, options.kennung),
                                                  options.interfaceKind.value_or(CSimInterface::Kind::PL45));
    if (!options.statePath.isEmpty() && QFile::exists(options.statePath)) {
        QString error;
        if (!CSimStateFile::Load(options.statePath, *simulator, error)) {
            Fail(QStringLiteral("cannot use state file %1: %2").arg(options.statePath, error));
            return nullptr;
        }
        if (options.nTyp && *options.nTyp != simulator->Transmitter().Typ()) {
            Fail(QStringLiteral("state file %1 holds a transmitter of type %2, not %3")
                     .arg(options.statePath)
                     .arg(simulator->Transmitter().Typ())
                     .arg(*options.nTyp));
            return nullptr;
        }
        if (!options.kennung.isEmpty()) {
            simulator->Transmitter().SetKennung(options.kennung);
        }
        if (options.interfaceKind) {
            simulator->Interface().SetKind(*options.interfaceKind);
        }
    }
    simulator->SetBaud(options.nBaud);
    simulator->SetFaults(options.faults);
    return simulator;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QString error;
    const std::optional<CSimOptions> options = CSimOptions::Parse(app.arguments().mid(1), error);
    if (!options) {
        Fail(error);
        return 2;
    }
    if (options->bHelp) {
        std::fputs(qPrintable(CSimOptions::HelpText()), stdout);
        return 0;
    }
    const std::unique_ptr<CSimulator> simulator = BuildSimulator(*options);
    if (!simulator) {
        return 1;
    }
    CSystemClock clock;
    if (options->bTrace) {
        simulator->SetTrace([&clock](const QString& line) {
            std::fprintf(stderr, "[%10.3f] %s\n", static_cast<double>(clock.NowMs()) / 1000.0,
                         qPrintable(line));
        });
    }
    const int stopRead = InstallStopSignals();
    CPtyServer server(*simulator, clock);
    if (stopRead < 0 || !server.Open(error)) {
        Fail(QStringLiteral("cannot create a pseudo-terminal: %1").arg(error));
        return 1;
    }
    std::printf("%s\n", qPrintable(server.SlavePath()));
    std::fflush(stdout);
    server.Run(stopRead);
    if (!options->statePath.isEmpty() && !CSimStateFile::Save(options->statePath, *simulator, error)) {
        Fail(QStringLiteral("cannot write state file %1: %2").arg(options->statePath, error));
        return 1;
    }
    return 0;
}
