#pragma once

#include "calibration/TempAbgleich.h"

#include <QCommandLineOption>
#include <QCoreApplication>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class QCommandLineParser;

/// The command line of quillon-cli:
///   quillon-cli [--port DEVICE|COMn] [--type N] [--interface pl45|pl40] [--yes] COMMAND
/// with the commands identify, find-interface [DEV...], receive -o FILE.qlc, send FILE.qlc,
/// show FILE.qlc [--json], sheet FILE.qlc -o SHEET.pdf, measure [--count N] [--interval S] [--log FILE],
/// calibration read -o FILE.json, calibration write FILE.json, temperature read [--json],
/// temperature write --imin a,b,c,d,e,f --imax ... --temp ... --checksum N and diff FILE.qlc [FILE2.qlc]
/// [--json], history [--serial S] [--since DATE] [--json], history show ID [-o FILE.qlc] and history export
/// --csv FILE, certificate EVENT-ID -o FILE.pdf and due [--days N] [--json]; send takes --verify and any
/// number of --set FIELD=VALUE; any command takes --trace FILE. Port, type and interface kind not given here
/// come from the user's settings.
class CCliOptions {
    Q_DECLARE_TR_FUNCTIONS(CCliOptions)

public:
    enum class Command {
        Identify,
        FindInterface,
        Receive,
        Send,
        Show,
        Sheet,
        Measure,
        CalibrationRead,
        CalibrationWrite,
        TemperatureRead,
        TemperatureWrite,
        Diff,
        History,
        HistoryShow,
        HistoryExport,
        Certificate,
        Due
    };
    static constexpr int kIntervallMin = 2;
    static constexpr int kIntervallMax = 120;

    Command command = Command::Identify;
    /// The files or devices after the command.
    QStringList arguments;
    /// --port: a device path, or a COM number 1..16.
    QString port;
    std::optional<int> comNumber;
    std::optional<int> typ;
    /// 1 for pl45, 0 for pl40.
    std::optional<int> interfaceVersion;
    bool assumeYes = false;
    bool json = false;
    /// send: read the parameter set back and compare it with what was sent.
    bool verify = false;
    /// send: "FIELD=VALUE" overrides of the file's fields, in their order.
    QStringList sets;
    /// sheet: the document of the values before the change (as found), shown beside the file's.
    QString before;
    QString output;
    /// measure: samples to take (none: until Ctrl+C), seconds between them, the log file to append to.
    std::optional<int> count;
    std::optional<int> interval;
    QString logFile;
    /// history: only this transmitter's events (--serial), only events from this instant on (--since).
    QString serial;
    QDateTime since;
    /// history export: the CSV file to write.
    QString csvFile;
    /// due: how many days ahead a check counts as due (0: due today or overdue).
    int days = 0;
    /// --database: the history's SQLite file or a server's connection text instead of the settings'.
    QString database;
    /// --trace: after any command the link trace of the run is written to this file.
    QString traceFile;
    bool help = false;
    /// --version, -V: the program's version instead of a command.
    bool version = false;
    /// temperature write: the six values of each row and the checksum, each within 16 bits.
    CTempAbgleich::Values temperatur;

    /// Parses the arguments (the program name first). On a usage error: nothing, and the error text.
    static std::optional<CCliOptions> Parse(const QStringList& arguments, QString& error);
    static QString HelpText();
    /// The command draws and so needs the GUI part of Qt (fonts, painting), though never a display.
    bool NeedsGui() const { return command == Command::Sheet || command == Command::Certificate; }
    /// The command reads the history and touches no transmitter.
    bool IsHistoryCommand() const {
        return command == Command::History || command == Command::HistoryShow ||
               command == Command::HistoryExport || command == Command::Certificate ||
               command == Command::Due;
    }
    /// The command works on a transmitter, so that what it does is recorded in the history.
    bool RecordsHistory() const {
        return !IsHistoryCommand() && command != Command::Show && command != Command::Sheet &&
               command != Command::FindInterface && !(command == Command::Diff && arguments.size() == 2);
    }

private:
    /// The reason the parser refused the options, in the run's language: Qt's parser words it in
    /// English whatever language the program speaks.
    static QString OptionError(const QCommandLineParser& parser, const QStringList& arguments,
                               const QList<QCommandLineOption>& known);
    /// The options of the history commands; false with the error when one is wrong or misplaced.
    static bool ParseHistoryOptions(const QCommandLineParser& parser, CCliOptions& options, QString& error);
    /// The options of certificate and due; false with the error when one is wrong or misplaced.
    static bool ParseCheckOptions(const QCommandLineParser& parser, CCliOptions& options, QString& error);
    /// The options of measure; false with the error when one is wrong or given to another command.
    static bool ParseMeasureOptions(const QString& count, const QString& interval, CCliOptions& options,
                                    QString& error);
    /// The rows and checksum of temperature write; false with the error when one is missing or wrong.
    static bool ParseTemperatureOptions(const QStringList& rows, const QString& checksum,
                                        CCliOptions& options, QString& error);
};
