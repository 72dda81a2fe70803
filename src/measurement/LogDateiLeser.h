#pragma once

#include "measurement/LogFormat.h"
#include "measurement/TrendModel.h"

#include <QDate>
#include <QFile>
#include <QString>
#include <vector>

/// Reads a measured-value log back for "Log-Datei anzeigen...": each line in the form the logging writes
/// ("date;time;value" or "date;time;value;temperature" with the locale's date and decimal separator).
/// A line it cannot read (another tool's, cut off, a foreign locale) is skipped and counted; empty lines
/// are no lines. The file is read in steps of a bounded number of lines, so a window showing a large log
/// stays responsive between the steps.
class CLogDateiLeser {
public:
    static constexpr int kDefaultStepLines = 5000;

    explicit CLogDateiLeser(CLogFormat format);

    /// Opens the file; false when it cannot be read.
    bool Open(const QString& path);
    /// Reads up to nMaxLines lines; true while more remain.
    bool Step(int nMaxLines = kDefaultStepLines);
    bool IsDone() const;
    /// Reads the whole file (for tests and tools).
    bool ReadAll(const QString& path);

    /// One line without its line end; the sample, or nothing when the line cannot be read.
    std::optional<CTrendModel::Sample> ParseLine(const QString& line) const;

    const std::vector<CTrendModel::Sample>& Samples() const { return m_samples; }
    int SkippedLines() const { return m_nSkipped; }
    /// Decimals of the measured values as the log wrote them (the most any line has).
    int Decimals() const { return m_nDecimals; }
    /// Bytes read and the file's size, for progress.
    qint64 BytesRead() const { return m_nBytesRead; }
    qint64 FileSize() const { return m_nFileSize; }

private:
    std::optional<double> ParseNumber(const QString& text) const;

    CLogFormat m_format;
    /// The date of the line before: a log has thousands of lines a day, and reading a date in the
    /// locale's form is the slowest part of a line.
    mutable QString m_lastDateText;
    mutable QDate m_lastDate;
    QFile m_file;
    std::vector<CTrendModel::Sample> m_samples;
    int m_nSkipped = 0;
    int m_nDecimals = 0;
    qint64 m_nBytesRead = 0;
    qint64 m_nFileSize = 0;
    bool m_bDone = true;
};
