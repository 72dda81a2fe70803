#pragma once

#include <QList>
#include <QString>
#include <deque>
#include <optional>
#include <vector>

class CQuillonDoc;

/// What the live trend of the measurement plots, without drawing it: the samples of the last minutes
/// (measured value and, for the types that have one, the temperature), the set range as two horizontal
/// lines, and the value axis with round tick steps labelled in the display's decimals. The widget only
/// maps these numbers to pixels; a log file's samples go through the same model.
class CTrendModel {
public:
    static constexpr qint64 kDefaultWindowMs = 10 * 60 * 1000;
    /// A sample every two seconds over the window needs 300; the bound keeps a log file of days from
    /// costing a point per line when all of it is shown.
    static constexpr int kMaxSamples = 20000;

    struct Sample {
        qint64 nMs = 0; ///< milliseconds since the epoch
        double messwert = 0.0;
        std::optional<double> temperatur;
    };
    /// One axis: its ends and the tick values between them (ends included when they fall on a step).
    struct Axis {
        double min = 0.0;
        double max = 1.0;
        QList<double> ticks;
    };

    /// nWindowMs: how far back the live trend reaches; 0 keeps every sample (a log file).
    explicit CTrendModel(qint64 nWindowMs = kDefaultWindowMs);

    /// Adds a sample; samples older than the window before it go. A sample older than the last one
    /// (a clock set back) starts the trend afresh rather than drawing backwards.
    void Add(const Sample& sample);
    void Clear();
    /// Replaces the samples by a whole series (a log file, in time order). A series longer than
    /// kMaxSamples is thinned to the lowest and the highest value of each stretch, so that no peak is lost.
    void SetAll(const std::vector<Sample>& samples);
    const std::deque<Sample>& Samples() const { return m_samples; }
    bool HasTemperatur() const;

    /// The set range lines (start and end of the measuring range in the display unit).
    void SetSollBereich(double anfang, double ende);
    std::optional<std::pair<double, double>> SollBereich() const { return m_sollBereich; }
    /// The set range of the document in the unit the measured value is shown in: the measuring range,
    /// for the KA71 in its display unit, or its free range while a linearization table is in use.
    static std::pair<double, double> SollBereichOf(const CQuillonDoc& doc);

    void SetDecimals(int nDecimals) { m_nDecimals = nDecimals; }
    int Decimals() const { return m_nDecimals; }
    void SetUnit(const QString& unit) { m_unit = unit; }
    const QString& Unit() const { return m_unit; }

    /// The value axis: the measured values and the set range with a small margin, on round steps.
    Axis ValueAxis(int nMaxTicks = 6) const;
    /// The temperature axis, at least 2 °C high (only meaningful when HasTemperatur()).
    Axis TemperaturAxis(int nMaxTicks = 6) const;
    /// The time axis: the live window ending at the newest sample, or the span of all samples.
    std::pair<qint64, qint64> TimeSpan() const;

    /// Round ticks from lo to hi: steps of 1, 2 or 5 times a power of ten, at most nMaxTicks + 1 of
    /// them, the ends moved out to whole steps. A span of zero is widened around its value.
    static Axis NiceAxis(double lo, double hi, int nMaxTicks);

private:
    qint64 m_nWindowMs;
    std::deque<Sample> m_samples;
    std::optional<std::pair<double, double>> m_sollBereich;
    int m_nDecimals = 2;
    QString m_unit;
};
