#include "cli/CliOptions.h"

#include "base/TypKatalog.h"
#include "link/PortMap.h"

#include <QCommandLineParser>
#include <algorithm>
#include <iterator>

namespace {

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
    {"temperature read", CCliOptions::Command::TemperatureRead, 0, 0},
    {"temperature write", CCliOptions::Command::TemperatureWrite, 0, 0},
    {"diff", CCliOptions::Command::Diff, 1, 2},
    {"history", CCliOptions::Command::History, 0, 0},
    {"history show", CCliOptions::Command::HistoryShow, 1, 1},
    {"history export", CCliOptions::Command::HistoryExport, 0, 0},
    {"certificate", CCliOptions::Command::Certificate, 1, 1},
    {"due", CCliOptions::Command::Due, 0, 0},
};

/// The options of temperature write: I-Min, I-Max, temperatures.
const char* const kTemperatureRows[] = {"imin", "imax", "temp"};

/// "calibration" and "temperature" take their action as the next word, and so does "history" for "show"
/// and "export"; every other command is one word.
int CommandWords(const QStringList& positional) {
    if (positional.size() < 2) {
        return 1;
    }
    const QString& first = positional.first();
    if (first == QLatin1String("history")) {
        return positional.at(1) == QLatin1String("show") || positional.at(1) == QLatin1String("export") ? 2
                                                                                                        : 1;
    }
    return first == QLatin1String("calibration") || first == QLatin1String("temperature") ? 2 : 1;
}

/// One value as the transmitter's word can hold it: -32768..65535 (signed or unsigned 16 bits).
std::optional<qint32> ParseWord(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < -0x8000 || value > 0xFFFF) {
        return std::nullopt;
    }
    return value;
}

/// The number of a recorded event: a whole number from 1 on.
bool PositiveId(const QString& text) {
    bool ok = false;
    return text.toLongLong(&ok) > 0 && ok;
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

QString CCliOptions::OptionError(const QCommandLineParser& parser, const QStringList& arguments,
                                 const QList<QCommandLineOption>& known) {
    const auto dashed = [](const QString& name) {
        return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    };
    if (const QStringList unknown = parser.unknownOptionNames(); !unknown.isEmpty()) {
        QStringList names;
        std::transform(unknown.begin(), unknown.end(), std::back_inserter(names), dashed);
        return tr("Unbekannte Option: %1").arg(names.join(QStringLiteral(", ")));
    }
    // The other refusals concern the value of a known option: one given to a switch, or none at the end.
    for (qsizetype i = 1; i < arguments.size() && arguments.at(i) != QLatin1String("--"); ++i) {
        const QString& argument = arguments.at(i);
        if (!argument.startsWith(QLatin1Char('-')) || argument.size() < 2) {
            continue;
        }
        const qsizetype nDashes = argument.startsWith(QLatin1String("--")) ? 2 : 1;
        const qsizetype nEquals = argument.indexOf(QLatin1Char('='));
        const QString name = argument.mid(nDashes, nEquals < 0 ? -1 : nEquals - nDashes);
        const auto option = std::find_if(known.begin(), known.end(), [&name](const QCommandLineOption& o) {
            return o.names().contains(name);
        });
        if (option == known.end()) {
            continue;
        }
        const bool bTakesValue = !option->valueName().isEmpty();
        if (!bTakesValue && nEquals >= 0) {
            return tr("%1 nimmt keinen Wert an.").arg(dashed(name));
        }
        if (bTakesValue && nEquals < 0 && i + 1 == arguments.size()) {
            return tr("Nach %1 fehlt der Wert.").arg(dashed(name));
        }
    }
    return parser.errorText();
}

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
        "  send DATEI.qlc [--verify] [--set FELD=WERT ...]\n"
        "                           den Parametersatz einer Dokumentdatei in den Transmitter schreiben;\n"
        "                           --verify liest ihn danach zurück und vergleicht, --set ersetzt Felder\n"
        "                           der Datei (z. B. --set m_strBezeichnung=PT-101), geprüft wie im\n"
        "                           Bearbeiten-Dialog\n"
        "  diff DATEI.qlc [DATEI2.qlc] [--json]\n"
        "                           eine Dokumentdatei mit dem Transmitter (oder mit DATEI2) vergleichen,\n"
        "                           in Einheiten und Dezimalstellen der Anzeige; Rückgabewert 0 gleich,\n"
        "                           1 verschieden, 2 Fehler\n"
        "  show DATEI.qlc [--json]  den Parametersatz einer Dokumentdatei ausgeben (lesbar oder als "
        "JSON)\n"
        "  sheet DATEI.qlc -o BLATT.pdf [--before VORHER.qlc]\n"
        "                           das Konfigurationsblatt einer Dokumentdatei als PDF schreiben (ohne "
        "Bildschirm);\n"
        "                           mit --before stehen die Werte von VORHER.qlc daneben (Vorher/Nachher)\n"
        "  measure [--count N] [--interval S] [--log DATEI]\n"
        "                           Messwert (und Temperatur) alle S Sekunden (2 bis 120) lesen und je eine\n"
        "                           Zeile ausgeben, mit --log auch an DATEI anhängen; endet nach N "
        "Messungen\n"
        "                           oder mit Strg+C nach der laufenden Messung\n"
        "  calibration read -o DATEI.json\n"
        "                           die Abgleichdaten des Transmitters lesen und als JSON speichern\n"
        "  calibration write DATEI.json\n"
        "                           Abgleichdaten aus JSON prüfen und in den Transmitter schreiben\n"
        "  temperature read [--json]\n"
        "                           den Temperaturabgleich lesen: I-Min, I-Max, Temperaturen und Checksumme\n"
        "  temperature write --imin a,b,c,d,e,f --imax a,b,c,d,e,f --temp a,b,c,d,e,f --checksum N\n"
        "                           den Temperaturabgleich prüfen, berechnen und schreiben (je sechs Werte)\n"
        "  history [--serial S] [--since DATUM] [--json]\n"
        "                           den Verlauf ausgeben: die aufgezeichneten Vorgänge, neueste zuerst\n"
        "                           (nur die des Transmitters S, nur die ab DATUM, z. B. 2026-03-01)\n"
        "  history show NR [-o DATEI.qlc]\n"
        "                           einen Vorgang ausgeben; mit -o seinen Parametersatz (nachher, sonst\n"
        "                           vorher) als Dokumentdatei speichern\n"
        "  history export --csv DATEI [--serial S] [--since DATUM]\n"
        "                           den Verlauf als CSV-Datei schreiben\n"
        "  certificate NR -o DATEI.pdf\n"
        "                           das Prüfzertifikat der Prüfung NR aus dem Verlauf als PDF schreiben\n"
        "  due [--days N] [--json]  die Transmitter, deren nächste Prüfung fällig ist (mit --days: in den\n"
        "                           nächsten N Tagen fällig wird), nach Fälligkeit; je Transmitter zählt\n"
        "                           seine letzte Prüfung\n"
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
        "  -o, --output DATEI       Zieldatei von receive, sheet, calibration read, history show und\n"
        "                           certificate\n"
        "  --json                   show, diff, temperature read, history und due geben JSON aus\n"
        "  --database ORT           Verlauf in dieser SQLite-Datei oder auf diesem Server (z. B.\n"
        "                           service=quillon) statt wie in den Einstellungen\n"
        "  --trace DATEI            nach dem Befehl das Verbindungsprotokoll (die gesendeten und\n"
        "                           empfangenen Telegramme) in DATEI schreiben\n"
        "  -h, --help               diese Hilfe\n"
        "  -V, --version            die Programmversion ausgeben\n"
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
    const QCommandLineOption versionOption(QStringList{QStringLiteral("V"), QStringLiteral("version")});
    const QCommandLineOption countOption(QStringLiteral("count"), QString(), QStringLiteral("n"));
    const QCommandLineOption intervalOption(QStringLiteral("interval"), QString(), QStringLiteral("s"));
    const QCommandLineOption logOption(QStringLiteral("log"), QString(), QStringLiteral("file"));
    QList<QCommandLineOption> rowOptions;
    for (const char* row : kTemperatureRows) {
        rowOptions.append(QCommandLineOption(QString::fromLatin1(row), QString(), QStringLiteral("list")));
    }
    const QCommandLineOption checksumOption(QStringLiteral("checksum"), QString(), QStringLiteral("n"));
    const QCommandLineOption verifyOption(QStringList{QStringLiteral("verify")});
    const QCommandLineOption setOption(QStringLiteral("set"), QString(), QStringLiteral("field=value"));
    const QCommandLineOption beforeOption(QStringLiteral("before"), QString(), QStringLiteral("file"));
    const QCommandLineOption traceOption(QStringLiteral("trace"), QString(), QStringLiteral("file"));
    QList<QCommandLineOption> known =
        QList<QCommandLineOption>{portOption,     typeOption,   interfaceOption, yesOption,
                                  jsonOption,     outputOption, helpOption,      countOption,
                                  intervalOption, logOption,    checksumOption,  verifyOption,
                                  setOption,      beforeOption, traceOption,     versionOption} +
        rowOptions;
    for (const char* name : {"serial", "since", "csv", "database", "days"}) {
        known.append(QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("value")));
    }
    parser.addOptions(known);
    if (!parser.parse(arguments)) {
        error = OptionError(parser, arguments, known);
        return std::nullopt;
    }
    CCliOptions options;
    if (parser.isSet(helpOption)) {
        options.help = true;
        return options;
    }
    if (parser.isSet(versionOption)) {
        options.version = true;
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
        if (!ok || !CTypKatalog::IsGueltigerTyp(typ)) {
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
                             options.command == Command::CalibrationRead ||
                             options.command == Command::HistoryShow ||
                             options.command == Command::Certificate;
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
        error = tr("-o gehört nur zu receive, sheet, calibration read, history show und certificate.");
        return std::nullopt;
    }
    if (options.command != Command::Show && options.command != Command::Diff &&
        options.command != Command::TemperatureRead && options.command != Command::History &&
        options.command != Command::Due && options.json) {
        error = tr("--json gehört nur zu show, diff, temperature read, history und due.");
        return std::nullopt;
    }
    options.verify = parser.isSet(verifyOption);
    options.sets = parser.values(setOption);
    if (options.command != Command::Send && (options.verify || !options.sets.isEmpty())) {
        error = tr("--verify und --set gehören nur zu send.");
        return std::nullopt;
    }
    options.before = parser.value(beforeOption);
    if (options.command != Command::Sheet && parser.isSet(beforeOption)) {
        error = tr("--before gehört nur zu sheet.");
        return std::nullopt;
    }
    const bool bTemperatureOptions =
        parser.isSet(checksumOption) ||
        std::any_of(rowOptions.cbegin(), rowOptions.cend(),
                    [&parser](const QCommandLineOption& option) { return parser.isSet(option); });
    if (options.command != Command::TemperatureWrite && bTemperatureOptions) {
        error = tr("--imin, --imax, --temp und --checksum gehören nur zu temperature write.");
        return std::nullopt;
    }
    if (options.command == Command::TemperatureWrite) {
        QStringList rows;
        for (const QCommandLineOption& option : rowOptions) {
            rows.append(parser.value(option));
        }
        if (!ParseTemperatureOptions(rows, parser.value(checksumOption), options, error)) {
            return std::nullopt;
        }
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
    if (!ParseMeasureOptions(parser.value(countOption), parser.value(intervalOption), options, error) ||
        !ParseHistoryOptions(parser, options, error) || !ParseCheckOptions(parser, options, error)) {
        return std::nullopt;
    }
    return options;
}

bool CCliOptions::ParseCheckOptions(const QCommandLineParser& parser, CCliOptions& options, QString& error) {
    if (options.command == Command::Certificate) {
        if (!PositiveId(options.arguments.first())) {
            error = tr("certificate braucht die Nummer eines Vorgangs: %1").arg(options.arguments.first());
            return false;
        }
        if (options.output.isEmpty()) {
            error = tr("certificate braucht -o DATEI.pdf.");
            return false;
        }
    }
    if (!parser.isSet(QStringLiteral("days"))) {
        return true;
    }
    const QString days = parser.value(QStringLiteral("days"));
    bool ok = false;
    options.days = days.toInt(&ok);
    if (options.command != Command::Due) {
        error = tr("--days gehört nur zu due.");
        return false;
    }
    if (!ok || options.days < 0) {
        error = tr("--days braucht eine ganze Zahl ab 0: %1").arg(days);
        return false;
    }
    return true;
}

bool CCliOptions::ParseHistoryOptions(const QCommandLineParser& parser, CCliOptions& options,
                                      QString& error) {
    options.serial = parser.value(QStringLiteral("serial"));
    options.csvFile = parser.value(QStringLiteral("csv"));
    options.database = parser.value(QStringLiteral("database"));
    const bool bListing = options.command == Command::History || options.command == Command::HistoryExport;
    if (!bListing && (parser.isSet(QStringLiteral("serial")) || parser.isSet(QStringLiteral("since")))) {
        error = tr("--serial und --since gehören nur zu history und history export.");
        return false;
    }
    if ((options.command == Command::HistoryExport) != parser.isSet(QStringLiteral("csv")) ||
        (parser.isSet(QStringLiteral("csv")) && options.csvFile.isEmpty())) {
        error = tr("history export braucht --csv DATEI, und nur history export nimmt --csv.");
        return false;
    }
    if (parser.isSet(QStringLiteral("database")) && options.database.isEmpty()) {
        error = tr("--database braucht eine Datei oder eine Serververbindung.");
        return false;
    }
    if (options.command == Command::HistoryShow) {
        if (!PositiveId(options.arguments.first())) {
            error = tr("history show braucht die Nummer eines Vorgangs: %1").arg(options.arguments.first());
            return false;
        }
    }
    const QString since = parser.value(QStringLiteral("since"));
    if (!since.isEmpty()) {
        // A date alone means its first moment in local time, as the user reads the times.
        const QDate date = QDate::fromString(since, Qt::ISODate);
        options.since = date.isValid() ? date.startOfDay() : QDateTime::fromString(since, Qt::ISODate);
        if (!options.since.isValid()) {
            error = tr("--since braucht ein Datum (2026-03-01) oder einen Zeitpunkt (2026-03-01T08:00): %1")
                        .arg(since);
            return false;
        }
    }
    return true;
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

bool CCliOptions::ParseTemperatureOptions(const QStringList& rows, const QString& checksum,
                                          CCliOptions& options, QString& error) {
    CTempAbgleich::Row* targets[] = {&options.temperatur.iMin, &options.temperatur.iMax,
                                     &options.temperatur.temp};
    for (int r = 0; r < rows.size(); ++r) {
        const QString name = QStringLiteral("--") + QString::fromLatin1(kTemperatureRows[r]);
        const QStringList values = rows.at(r).split(QLatin1Char(','));
        if (rows.at(r).isEmpty() || values.size() != CTempAbgleich::kEntries) {
            error =
                tr("%1 braucht genau %2 durch Komma getrennte Werte.").arg(name).arg(CTempAbgleich::kEntries);
            return false;
        }
        for (int i = 0; i < values.size(); ++i) {
            const std::optional<qint32> value = ParseWord(values.at(i));
            if (!value) {
                error = tr("%1: Wert %2 ist keine Zahl von -32768 bis 65535: %3")
                            .arg(name)
                            .arg(i + 1)
                            .arg(values.at(i));
                return false;
            }
            (*targets[r])[static_cast<std::size_t>(i)] = *value;
        }
    }
    if (checksum.isEmpty()) {
        error = tr("temperature write braucht --checksum N.");
        return false;
    }
    const std::optional<qint32> value = ParseWord(checksum);
    if (!value) {
        error = tr("--checksum ist keine Zahl von -32768 bis 65535: %1").arg(checksum);
        return false;
    }
    options.temperatur.checksum = *value;
    // The temperature dialog's ranges: a value the transmitter's word holds but the dialog refuses would
    // compute compensation tables from a current or temperature no measurement gives.
    if (const std::optional<ValidationProblem> problem = CTempAbgleich::Validate(options.temperatur)) {
        const int nRow = problem->field / CTempAbgleich::kEntries;
        if (nRow >= static_cast<int>(std::size(kTemperatureRows))) {
            error = QStringLiteral("--checksum: ") + problem->text;
        } else {
            error = tr("%1: Wert %2: %3")
                        .arg(QStringLiteral("--") + QString::fromLatin1(kTemperatureRows[nRow]))
                        .arg(problem->field % CTempAbgleich::kEntries + 1)
                        .arg(problem->text);
        }
        return false;
    }
    return true;
}
