#include "shell/CommandLine.h"

#include "base/TypKatalog.h"

std::optional<int> CCommandLine::ParseTyp(const QString& text) {
    bool ok = false;
    const int nTyp = text.toInt(&ok);
    if (!ok || !CTypKatalog::IsGueltigerTyp(nTyp)) {
        return std::nullopt;
    }
    return nTyp;
}

std::optional<CCommandLine::Options> CCommandLine::Parse(const QStringList& arguments, QString& error) {
    Options options;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == QLatin1String("--demo")) {
            options.bDemo = true;
            // The type is optional: a following number is the type, anything else the next argument.
            if (i + 1 < arguments.size() && !arguments.at(i + 1).isEmpty() &&
                arguments.at(i + 1).at(0).isDigit()) {
                options.nDemoTyp = ParseTyp(arguments.at(++i));
                if (!options.nDemoTyp) {
                    error = tr("Unbekannter Transmitter-Typ: %1 (0 bis 10)").arg(arguments.at(i));
                    return std::nullopt;
                }
            }
        } else if (argument == QLatin1String("--print")) {
            options.bPrint = true;
        } else if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            options.bHelp = true;
        } else if (argument == QLatin1String("--version") || argument == QLatin1String("-V")) {
            options.bVersion = true;
        } else if (argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
            error = tr("Unbekannte Option: %1").arg(argument);
            return std::nullopt;
        } else if (options.file.isEmpty()) {
            options.file = argument;
        } else {
            error = tr("Nur eine Datei kann geöffnet werden: %1").arg(argument);
            return std::nullopt;
        }
    }
    if (options.bHelp || options.bVersion) {
        return options;
    }
    if (options.bPrint && (options.file.isEmpty() || options.bDemo)) {
        error = tr("--print braucht eine Datei und geht nicht mit --demo");
        return std::nullopt;
    }
    return options;
}

QString CCommandLine::Usage(const QString& program) {
    return tr("Aufruf: %1 [--demo [TYP]] [DATEI.qlc]\n"
              "       %1 --print DATEI.qlc\n"
              "  --demo [TYP]   mit einem simulierten Transmitter des Typs 0 bis 10 arbeiten\n"
              "  --print        das Konfigurationsblatt der Datei drucken und beenden\n"
              "  -h, --help     diese Hilfe ausgeben\n"
              "  -V, --version  die Programmversion ausgeben\n")
        .arg(program);
}

bool CCommandLine::NeedsWindow(const QStringList& arguments) {
    QString error;
    const std::optional<Options> options = Parse(arguments, error);
    return options && !options->bHelp && !options->bVersion;
}
