#pragma once

#include "measurement/LogFormat.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDateTime>
#include <QString>
#include <functional>

class CParameterTransfer;
class CQuillonDoc;
class CTransmitterLink;
class IOperator;

/// The live values of the attached transmitter: the measurement run of "Messung..." (parameter set,
/// then measured value, units and temperature, then the dialog "Messwerte" until the user is done),
/// one logging sample, and the log line of a sample.
///
/// The dialogs are the window's; the run asks for them through callbacks so that the whole flow runs
/// without a display in tests and in the command-line tool.
class CMessung {
    Q_DECLARE_TR_FUNCTIONS(CMessung)

public:
    /// How the dialog "Messwerte" ended. Only Ok has stored its settings in the document.
    enum class LoggenResult { Ok, Abbrechen, DatenHolen };
    /// Shows "Messwerte" with the document's values; on Ok it has stored interval, status and file.
    using ShowLoggen = std::function<LoggenResult()>;
    /// Runs the logging with the window "Daten loggen" until the user ends it.
    using RunLogging = std::function<void()>;

    CMessung(CTransmitterLink& link, CParameterTransfer& transfer, CQuillonDoc& doc, CLogFormat format);

    /// "Messung...": reads the parameter set once, then the live values and the dialog as long as the
    /// user asks for new data. The port stays open after a logging run, so that the next one goes on.
    void Run(const ShowLoggen& showLoggen, const RunLogging& runLogging);

    /// The live values with the progress window: units, measured values (with P1 and P2), temperature.
    /// On a failed command "Fail to Connect Hardware!"; false.
    bool ReadLiveValues();
    /// One logging sample: measured value, units, temperature. On a failed command "Fail to Connect
    /// Hardware!"; false.
    bool ReadLogSample();
    /// Appends the log line of a sample to the file (empty path: the document's log file). When the file
    /// cannot be opened, "Kann Datei nicht öffnen!" and false; nothing is written.
    bool AppendLogLine(const QDateTime& time, double messwert, double temperatur, const QString& path = {});

    /// The reply to "Get Akt Messwert" with up to three values of seven characters (the last its decimals
    /// digit): the decimals, entry 0 scaled like every measured value, entries 1 and 2 (P1, P2) rounded
    /// to the decimals. A value missing from the reply, or only partly there, counts as 0.
    void DecodeMultiValue(const QByteArray& reply);
    /// The reply to "Get Einheit" in the measurement: the KA71 sends unit and display unit, the others one
    /// unit for both. Characters that are no digit leave the units alone.
    void DecodeUnits(const QByteArray& reply);

    const CLogFormat& Format() const { return m_format; }

    // For a caller that samples the measured value again and again (the calibration check): the same
    // commands and decoding as the live values, but no message box; the reason of a failure is given back
    // for the caller to show once.
    /// The units, then the pause the transmitter needs before its measured value is current.
    bool PrepareSamples(QString& problem);
    /// One measured value ("Get Akt Messwert") into the document.
    bool ReadSample(QString& problem);

private:
    bool Transfer(quint8 command, QByteArray& reply);
    bool ReadUnits();
    bool ReadMesswert();
    /// Runs one step as a transmitter operation without a message box; false with the reason.
    bool Quietly(const std::function<bool()>& step, QString& problem);
    bool LiveValueStep(int nStep);
    bool LogSampleSteps();
    void ReportProgramError(const char* what);
    void FailToConnectHardware();

    CTransmitterLink& m_link;
    CParameterTransfer& m_transfer;
    CQuillonDoc& m_doc;
    IOperator& m_operator;
    CLogFormat m_format;
};
