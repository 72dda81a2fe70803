#pragma once

#include "calibration/CalibrationTransfer.h"
#include "calibration/TempAbgleichTransfer.h"
#include "cli/CliOptions.h"
#include "core/SystemClock.h"
#include "document/QuillonDoc.h"
#include "link/TransmitterLink.h"
#include "measurement/Messung.h"
#include "shell/ParameterVergleich.h"
#include "transmitter/Connection.h"
#include "transmitter/ParameterTransfer.h"

#include <QCoreApplication>
#include <cstdio>
#include <memory>

class CHistoryStore;
class CTerminalOperator;
class IProfileStore;

/// The commands of quillon-cli on the program's own core: the same document, link, connection and
/// sequences as the window, with the terminal as the operator.
class CCliTool {
    Q_DECLARE_TR_FUNCTIONS(CCliTool)

public:
    enum ExitCode { kSuccess = 0, kFailed = 1, kUsage = 2 };

    /// The profile's settings give the defaults of port, type and interface kind and pin COM numbers to
    /// devices (group "Ports"). Results go to out, messages and progress to the operator.
    CCliTool(const CCliOptions& options, IProfileStore& profile, CTerminalOperator& op, FILE* out = stdout);
    ~CCliTool();
    CCliTool(const CCliTool&) = delete;
    CCliTool& operator=(const CCliTool&) = delete;

    /// Runs the command; with --trace then writes the link trace (a trace that cannot be written fails
    /// the run).
    int Run();

private:
    int RunCommand();
    /// Opens the history of the settings (or --database) and records the run's operations in it; false
    /// when it cannot be opened (the user has been told), which only the history commands cannot bear.
    bool OpenHistory();
    int RunHistoryCommand();
    int Identify();
    int FindInterface();
    int Receive();
    int Send();
    int Show();
    int Sheet();
    int Measure();
    /// One sample of measure: its line on the output and, with --log, in the log file.
    bool MeasureSample();
    int CalibrationRead();
    int CalibrationWrite();
    int TemperatureRead();
    int TemperatureWrite();
    int Diff();
    /// The result of diff on the output, as text or JSON; the exit status it means.
    int PrintDiff(const CParameterVergleich::Ergebnis& ergebnis, const QString& links, const QString& rechts);
    /// After the send: the read-back of --verify, or after a failure that may have written, which set
    /// the transmitter holds (vorher: the set read before the send, with --verify). Returns the exit
    /// status.
    int CheckAfterSend(CParameterTransfer::SendResult result, const std::optional<CParameterSatz>& vorher);
    /// Connects and takes type and function set from the transmitter's identification.
    bool IdentifyTransmitter();
    bool LoadDocument(const QString& path);
    void PrintParameterSet();
    void Print(const QString& line);
    void ApplyLinkOptions();

    CCliOptions m_options;
    CTerminalOperator& m_operator;
    FILE* m_out;
    CSystemClock m_clock;
    CQuillonDoc m_doc;
    CTransmitterLink m_link;
    CConnection m_connection;
    CParameterTransfer m_transfer;
    CMessung m_messung;
    CCalibrationTransfer m_calibration;
    CTempAbgleichTransfer m_temperatur;
    std::unique_ptr<CHistoryStore> m_history;
};
