#include "cli/CliOptions.h"

#include "base/TypKatalog.h"
#include "link/PortMap.h"

#include <QCommandLineParser>

namespace {

constexpr int kMaxTyp = CTypKatalog::kTypAnzahl - 1;

struct CommandName {
    const char* name;
    CCliOptions::Command command;
    int minArguments;
    int maxArguments; ///< -1: any number
};

constexpr CommandName kCommands[] = {
    {"identify", CCliOptions::Command::Identify, 0, 0},
    {"find-interface", CCliOptions::Command::FindInterface, 0, -1},
    {"receive", CCliOptions::Command::Receive, 0, 0},
    {"send", CCliOptions::Command::Send, 1, 1},
    {"show", CCliOptions::Command::Show, 1, 1},
    {"sheet", CCliOptions::Command::Sheet, 1, 1},
    {"measure", CCliOptions::Command::Measure, 0, 0},
    {"calibration read", CCliOptions::Command::CalibrationRead, 0, 0},
    {"calibration write", CCliOptions::Command::CalibrationWrite, 1, 1},
};

/// "calibration" takes its action as the next word; every other command is one word.
int CommandWords(const QStringList& positional) {
    return positional.size() >= 2 && positional.first() == QLatin1String("calibration") ? 2 : 1;
}

const CommandName* FindCommand(const QString& name) {
    for (const CommandName& command : kCommands) {
        if (name == QLatin1String(command.name)) {
            return &command;
        }
    }
    return nullptr;
}

} // namespace

QString CCliOptions::HelpText() {
    return tr(
        "Aufruf: quillon-cli [--port GERÄT|COMn] [--type N] [--interface pl45|pl40] [--yes] BEFEHL\n"
        "\n"
        "Befehle:\n"
        "  identify                 verbinden, Kennung, Typ mit Namen und erweiterten Funktionsumfang "
        "ausgeben\n"
        "  find-interface [GERÄT...] die Schnittstellen (oder die genannten Geräte) nach einem PL45 "
        "durchsuchen,\n"
        "                           Schnittstelle und Version ausgeben\n"
        "  receive -o DATEI.qlc     den ganzen Parametersatz lesen und als Dokumentdatei speichern\n"
        "  send DATEI.qlc           den Parametersatz einer Dokumentdatei in den Transmitter schreiben\n"
        "  show DATEI.qlc [--json]  den Parametersatz einer Dokumentdatei ausgeben (lesbar oder als "
        "JSON)\n"
        "  sheet DATEI.qlc -o BLATT.pdf\n"
        "                           das Konfigurationsblatt einer Dokumentdatei als PDF schreiben (ohne "
        "Bildschirm)\n"
        "  measure [--count N] [--interval S] [--log DATEI]\n"
        "                           Messwert (und Temperatur) alle S Sekunden (2 bis 120) lesen und je eine\n"
        "                           Zeile ausgeben, mit --log auch an DATEI anhängen; endet nach N "
        "Messungen\n"
        "                           oder mit Strg+C nach der laufenden Messung\n"
        "  calibration read -o DATEI.json\n"
        "                           die Abgleichdaten des Transmitters lesen und als JSON speichern\n"
        "  calibration write DATEI.json\n"
        "                           Abgleichdaten aus JSON prüfen und in den Transmitter schreiben\n"
        "\n"
        "Optionen:\n"
        "  --port GERÄT|COMn        Gerätedatei (z. B. /dev/ttyUSB0) oder COM-Nummer 1 bis 16\n"
        "  --type N                 Transmittertyp 0 bis 10 (für identify, find-interface, receive;\n"
        "                           send nimmt den Typ aus der Datei; calibration nimmt ihn zum\n"
        "                           Verbinden, danach gilt die Kennung des Transmitters)\n"
        "  --interface pl45|pl40    Programmier-Interface\n"
        "  --yes                    jede Ja/Nein-Frage mit Ja beantworten (ohne Terminal nötig für "
        "send\n"
        "                           und für Dateien im alten Format)\n"
        "  -o, --output DATEI       Zieldatei von receive, sheet und calibration read\n"
        "  --json                   show gibt JSON aus\n"
        "  --trace DATEI            nach dem Befehl das Verbindungsprotokoll (die gesendeten und\n"
        "                           empfangenen Telegramme) in DATEI schreiben\n"
        "  -h, --help               diese Hilfe\n"
        "\n"
        "Port, Typ und Interface kommen ohne Option aus den Einstellungen des Programms.\n"
        "Rückgabewert: 0 Erfolg, 1 Vorgang fehlgeschlagen (Meldung auf stderr), 2 falscher Aufruf.\n"
        "Fortschritt erscheint auf stderr: als Balken an einem Terminal, sonst eine Zeile je Schritt.\n");
}

std::optional<CCliOptions> CCliOptions::Parse(const QStringList& arguments, QString& error) {
    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    const QCommandLineOption portOption(QStringLiteral("port"), QString(), QStringLiteral("port"));
    const QCommandLineOption typeOption(QStringLiteral("type"), QString(), QStringLiteral("type"));
    const QCommandLineOption interfaceOption(QStringLiteral("interface"), QString(), QStringLiteral("kind"));
    const QCommandLineOption yesOption(QStringList{QStringLiteral("yes")});
    const QCommandLineOption jsonOption(QStringList{QStringLiteral("json")});
    const QCommandLineOption outputOption(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                                          QString(), QStringLiteral("file"));
    const QCommandLineOption helpOption(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption countOption(QStringLiteral("count"), QString(), QStringLiteral("n"));
    const QCommandLineOption intervalOption(QStringLiteral("interval"), QString(), QStringLiteral("s"));
    const QCommandLineOption logOption(QStringLiteral("log"), QString(), QStringLiteral("file"));
    const QCommandLineOption traceOption(QStringLiteral("trace"), QString(), QStringLiteral("file"));
    parser.addOptions({portOption, typeOption, interfaceOption, yesOption, jsonOption, outputOption,
                       helpOption, countOption, intervalOption, logOption, traceOption});
    if (!parser.parse(arguments)) {
        error = parser.errorText();
        return std::nullopt;
    }
    CCliOptions options;
    if (parser.isSet(helpOption)) {
        options.help = true;
        return options;
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty()) {
        error = tr("Kein Befehl angegeben.");
        return std::nullopt;
    }
    const int nWords = CommandWords(positional);
    const QString name = positional.mid(0, nWords).join(QLatin1Char(' '));
    const CommandName* command = FindCommand(name);
    if (command == nullptr) {
        error = tr("Unbekannter Befehl: %1").arg(name);
        return std::nullopt;
    }
    options.command = command->command;
    options.arguments = positional.mid(nWords);
    const int count = static_cast<int>(options.arguments.size());
    if (count < command->minArguments || (command->maxArguments >= 0 && count > command->maxArguments)) {
        error = tr("Falsche Anzahl von Argumenten für %1.").arg(name);
        return std::nullopt;
    }
    if (parser.isSet(portOption)) {
        options.port = parser.value(portOption);
        options.comNumber = CPortMap::ParseComName(options.port);
        if (options.comNumber && *options.comNumber > CPortMap::kPortCount) {
            error = tr("COM-Nummer außerhalb von 1 bis 16: %1").arg(options.port);
            return std::nullopt;
        }
        if (!options.comNumber && !options.port.startsWith(QLatin1Char('/'))) {
            error = tr("--port braucht einen Gerätepfad oder COMn: %1").arg(options.port);
            return std::nullopt;
        }
    }
    if (parser.isSet(typeOption)) {
        bool ok = false;
        const int typ = parser.value(typeOption).toInt(&ok);
        if (!ok || typ < 0 || typ > kMaxTyp) {
            error = tr("--type braucht eine Zahl von 0 bis 10: %1").arg(parser.value(typeOption));
            return std::nullopt;
        }
        options.typ = typ;
    }
    if (parser.isSet(interfaceOption)) {
        const QString kind = parser.value(interfaceOption).toLower();
        if (kind != QLatin1String("pl45") && kind != QLatin1String("pl40")) {
            error = tr("--interface braucht pl45 oder pl40: %1").arg(parser.value(interfaceOption));
            return std::nullopt;
        }
        options.interfaceVersion = kind == QLatin1String("pl45") ? 1 : 0;
    }
    options.assumeYes = parser.isSet(yesOption);
    options.json = parser.isSet(jsonOption);
    options.output = parser.value(outputOption);
    const bool bWritesFile = options.command == Command::Receive || options.command == Command::Sheet ||
                             options.command == Command::CalibrationRead;
    if (options.command == Command::Receive && options.output.isEmpty()) {
        error = tr("receive braucht -o DATEI.qlc.");
        return std::nullopt;
    }
    if (options.command == Command::CalibrationRead && options.output.isEmpty()) {
        error = tr("calibration read braucht -o DATEI.json.");
        return std::nullopt;
    }
    if (options.command == Command::Sheet && options.output.isEmpty()) {
        error = tr("sheet braucht -o BLATT.pdf.");
        return std::nullopt;
    }
    if (!bWritesFile && parser.isSet(outputOption)) {
        error = tr("-o gehört nur zu receive, sheet und calibration read.");
        return std::nullopt;
    }
    if (options.command != Command::Show && options.json) {
        error = tr("--json gehört nur zu show.");
        return std::nullopt;
    }
    options.logFile = parser.value(logOption);
    options.traceFile = parser.value(traceOption);
    if (parser.isSet(traceOption) && options.traceFile.isEmpty()) {
        error = tr("--trace braucht eine Datei.");
        return std::nullopt;
    }
    const bool bMeasureOptions =
        parser.isSet(countOption) || parser.isSet(intervalOption) || parser.isSet(logOption);
    if (options.command != Command::Measure && bMeasureOptions) {
        error = tr("--count, --interval und --log gehören nur zu measure.");
        return std::nullopt;
    }
    if (!ParseMeasureOptions(parser.value(countOption), parser.value(intervalOption), options, error)) {
        return std::nullopt;
    }
    return options;
}

bool CCliOptions::ParseMeasureOptions(const QString& count, const QString& interval, CCliOptions& options,
                                      QString& error) {
    bool ok = false;
    if (!count.isEmpty()) {
        const int n = count.toInt(&ok);
        if (!ok || n < 1) {
            error = tr("--count braucht eine Zahl ab 1: %1").arg(count);
            return false;
        }
        options.count = n;
    }
    if (!interval.isEmpty()) {
        const int seconds = interval.toInt(&ok);
        if (!ok || seconds < kIntervallMin || seconds > kIntervallMax) {
            error = tr("--interval braucht eine ganze Zahl von %1 bis %2: %3")
                        .arg(kIntervallMin)
                        .arg(kIntervallMax)
                        .arg(interval);
            return false;
        }
        options.interval = seconds;
    }
    return true;
}
