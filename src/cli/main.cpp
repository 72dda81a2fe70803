// quillon-cli: the transmitter operations of Quillon on the command line, without a display.

#include "access/AboutRules.h"
#include "cli/CliOptions.h"
#include "cli/CliTool.h"
#include "cli/TerminalOperator.h"
#include "document/SettingsProfileStore.h"
#include "document/SettingsRegistry.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTranslator>
#include <memory>
#include <unistd.h>

namespace {

constexpr int kEnglisch = 1;

/// The English catalogue, when the user chose English: next to the program (a build), else in the
/// installed data folder (a package, whose programs live in /usr/bin); German stays without it.
void LoadLanguage(QCoreApplication& app, IProfileStore& profile, QTranslator& translator) {
    CSettingsRegistry settings;
    settings.Load(profile);
    if (settings.Int(CSettingsRegistry::kLanguage) != kEnglisch) {
        return;
    }
    for (const QString& dir :
         {QCoreApplication::applicationDirPath(), QStringLiteral(QUILLON_INSTALL_DATADIR)}) {
        if (translator.load(QStringLiteral("quillon_en"), dir)) {
            app.installTranslator(&translator);
            return;
        }
    }
}

/// The sheet command draws, which needs Qt's GUI part; every other command runs on the bare core. The
/// drawing never needs a screen, so unless the user chose a platform it runs offscreen: a server without
/// a display, or a terminal with a stale DISPLAY, makes the same PDF.
std::unique_ptr<QCoreApplication> CreateApplication(int& argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    QString ignored;
    const std::optional<CCliOptions> options = CCliOptions::Parse(arguments, ignored);
    if (!options || !options->NeedsGui()) {
        return std::make_unique<QCoreApplication>(argc, argv);
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace

int main(int argc, char* argv[]) {
    const std::unique_ptr<QCoreApplication> application = CreateApplication(argc, argv);
    QCoreApplication& app = *application;
    QCoreApplication::setOrganizationName(QStringLiteral("Quillon"));
    QCoreApplication::setApplicationName(QStringLiteral("Quillon"));

    CSettingsProfileStore profile;
    QTranslator translator;
    LoadLanguage(app, profile, translator);

    QString error;
    const std::optional<CCliOptions> options = CCliOptions::Parse(QCoreApplication::arguments(), error);
    if (!options) {
        std::fprintf(stderr, "quillon-cli: %s\n\n%s", qPrintable(error), qPrintable(CCliOptions::HelpText()));
        return CCliTool::kUsage;
    }
    if (options->help) {
        std::fputs(CCliOptions::HelpText().toLocal8Bit().constData(), stdout);
        return CCliTool::kSuccess;
    }
    if (options->version) {
        std::printf("quillon-cli %s\n", qPrintable(CAboutRules::ProgramVersion()));
        return CCliTool::kSuccess;
    }

    CTerminalOperator::Options terminal;
    terminal.assumeYes = options->assumeYes;
    terminal.interactive = isatty(STDIN_FILENO) != 0 && isatty(STDERR_FILENO) != 0;
    terminal.progressBar = isatty(STDERR_FILENO) != 0;
    CTerminalOperator op(terminal);

    CCliTool tool(*options, profile, op);
    return tool.Run();
}
