#include "sim/SimOptions.h"

#include "sim/SimCatalogue.h"

namespace {

bool ParseNumber(const QString& text, int minimum, int& out) {
    bool ok = false;
    const int value = text.toInt(&ok, 0);
    if (!ok || value < minimum) {
        return false;
    }
    out = value;
    return true;
}

bool ParseCommands(const QString& text, QList<quint8>& out) {
    for (const QString& item : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        QString code = item.trimmed();
        if (code.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
            code = code.mid(2);
        }
        bool ok = false;
        const uint value = code.toUInt(&ok, 16);
        if (!ok || value > 0xFF) {
            return false;
        }
        out.append(static_cast<quint8>(value));
    }
    return !out.isEmpty();
}

const QStringList kValueOptions = {"--type",       "--model",      "--id",           "--interface",
                                   "--baud",       "--state",      "--silent",       "--corrupt-every",
                                   "--garbage",    "--slow-bytes", "--vanish-after", "--lose-reply",
                                   "--late-reply", "--late-echo"};

} // namespace

QByteArray CSimOptions::Garbage(int count) {
    // Noise, a lone ETX and an STX followed by an impossible length: nothing a receiver may take as a frame.
    static const QByteArray kNoise("\xFF\x00\x55\xAA\x03\x02\xFF\x13", 8);
    QByteArray garbage;
    for (int i = 0; i < count; ++i) {
        garbage.append(kNoise.at(i % kNoise.size()));
    }
    return garbage;
}

int CSimOptions::EffectiveTyp() const {
    if (nTyp) {
        return *nTyp;
    }
    return CSimCatalogue::TypFromKennung(kennung, 2);
}

std::optional<CSimOptions> CSimOptions::Parse(const QStringList& arguments, QString& error) {
    CSimOptions options;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments.at(i);
        const auto value = [&]() -> std::optional<QString> {
            if (i + 1 >= arguments.size()) {
                error = QStringLiteral("%1 needs a value").arg(arg);
                return std::nullopt;
            }
            return arguments.at(++i);
        };
        const auto bad = [&](const QString& text) {
            error = QStringLiteral("bad value for %1: %2").arg(arg, text);
            return std::nullopt;
        };
        std::optional<QString> text;
        int number = 0;
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            options.bHelp = true;
        } else if (arg == QLatin1String("--trace")) {
            options.bTrace = true;
        } else if (arg == QLatin1String("--retry-only")) {
            options.faults.bAnswerOnlyRetry = true;
        } else if (arg == QLatin1String("--reject-mode")) {
            options.faults.bRejectMode = true;
        } else if (arg == QLatin1String("--store-wrong-damping")) {
            options.faults.bStoreDaempfungWrong = true;
        } else if (!kValueOptions.contains(arg)) {
            error = QStringLiteral("unknown option %1 (see --help)").arg(arg);
            return std::nullopt;
        } else if (!(text = value())) {
            return std::nullopt;
        } else if (arg == QLatin1String("--type")) {
            if (!ParseNumber(*text, 0, number) || !CSimCatalogue::IsValidTyp(number)) {
                return bad(*text);
            }
            options.nTyp = number;
        } else if (arg == QLatin1String("--model")) {
            const CSimCatalogue::Model* model = CSimCatalogue::FindModel(*text);
            if (model == nullptr) {
                return bad(*text);
            }
            options.nTyp = model->nTyp;
            options.kennung = model->kennung;
        } else if (arg == QLatin1String("--id")) {
            options.kennung = text->toLatin1();
        } else if (arg == QLatin1String("--interface")) {
            options.interfaceKind = CSimInterface::ParseKind(*text);
            if (!options.interfaceKind) {
                return bad(*text);
            }
        } else if (arg == QLatin1String("--baud")) {
            if (!ParseNumber(*text, 0, options.nBaud)) {
                return bad(*text);
            }
        } else if (arg == QLatin1String("--state")) {
            options.statePath = *text;
        } else if (arg == QLatin1String("--silent")) {
            if (!ParseCommands(*text, options.faults.silentCommands)) {
                return bad(*text);
            }
        } else if (arg == QLatin1String("--lose-reply")) {
            if (!ParseCommands(*text, options.faults.lostReplyCommands)) {
                return bad(*text);
            }
        } else if (arg == QLatin1String("--corrupt-every")) {
            if (!ParseNumber(*text, 1, options.faults.nCorruptEvery)) {
                return bad(*text);
            }
        } else if (arg == QLatin1String("--garbage")) {
            if (!ParseNumber(*text, 1, number)) {
                return bad(*text);
            }
            options.faults.garbage = Garbage(number);
        } else if (arg == QLatin1String("--slow-bytes")) {
            if (!ParseNumber(*text, 1, options.faults.nSlowGapMs)) {
                return bad(*text);
            }
        } else if (arg == QLatin1String("--late-reply")) {
            if (!ParseNumber(*text, 1, options.faults.nLateReplyMs)) {
                return bad(*text);
            }
        } else if (arg == QLatin1String("--late-echo")) {
            if (!ParseNumber(*text, 1, options.faults.nLateEchoMs)) {
                return bad(*text);
            }
        } else if (arg == QLatin1String("--vanish-after")) {
            if (!ParseNumber(*text, 1, options.faults.nVanishAfter)) {
                return bad(*text);
            }
        }
    }
    return options;
}

QString CSimOptions::HelpText() {
    QString models;
    for (const CSimCatalogue::Model& model : CSimCatalogue::Models()) {
        models += QStringLiteral("  %1 type %2, identification \"%3\": %4\n")
                      .arg(QString::fromLatin1(model.name).leftJustified(9),
                           QString::number(model.nTyp).rightJustified(2), QLatin1String(model.kennung),
                           QLatin1String(model.description));
    }
    return QStringLiteral(
               "Usage: quillon-sim [options]\n"
               "Simulates a programming interface with one transmitter on a pseudo-terminal. The first line "
               "of\n"
               "output is the device to open (e.g. /dev/pts/3). Runs until SIGTERM or Ctrl+C.\n"
               "\n"
               "Device:\n"
               "  --type N            transmitter type 0..10 (default: from --id, else 2)\n"
               "  --model NAME        a model by name (type and identification, see below)\n"
               "  --id TEXT           identification answered to 0x31 (default: the type's model)\n"
               "  --interface KIND    pl45 (answers 0xF0/0xF1, default) or pl40 (passes everything on)\n"
               "  --baud N            pace the line at N baud (default 1200; 0 = answer at once)\n"
               "  --state FILE        start from this state file (if it exists), write it back on exit\n"
               "  --trace             trace every frame on stderr\n"
               "\n"
               "Faults:\n"
               "  --silent CODES      never answer these commands (hex, comma-separated: 0x35,3F)\n"
               "  --lose-reply CODES  carry out these commands, but their reply is lost (0x87: the end\n"
               "                      of a block write is taken and never confirmed)\n"
               "  --retry-only        answer each request only when the program repeats it\n"
               "  --corrupt-every N   every N-th reply carries a wrong checksum\n"
               "  --garbage N         send N bytes of line noise before every reply\n"
               "  --slow-bytes MS     pause MS milliseconds between the bytes of a reply\n"
               "  --vanish-after N    the port disappears after N request frames\n"
               "  --late-reply MS     the transmitter answers MS milliseconds after each request\n"
               "  --late-echo MS      the echo of a 3-wire line comes MS milliseconds late\n"
               "  --reject-mode       the interface refuses every interface mode (0xF1)\n"
               "  --store-wrong-damping\n"
               "                      store every damping written 1.0 s too high\n"
               "\n"
               "Models:\n") +
           models;
}
