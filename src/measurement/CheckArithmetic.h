#pragma once

#include "document/CheckRecord.h"

#include <QCoreApplication>
#include <QDate>
#include <QList>
#include <QString>
#include <optional>

class CSettingsRegistry;

/// The arithmetic of a calibration check: where the test points lie, the error of the reading and of
/// the output current in % of span, the verdict of a point, a pass and the whole check, and when the
/// samples of a point have settled. This is the whole value of a check, so every rule is here once and
/// the dialog, the certificate and the command-line tool only ask.
///
/// All pressures are in the unit of the measured value; the range is the record's 4 mA and 20 mA values
/// (a falling characteristic has the larger one at 4 mA). Span = |20 mA value − 4 mA value|.
class CCheckArithmetic {
    Q_DECLARE_TR_FUNCTIONS(CCheckArithmetic)

public:
    /// What a point shows: not yet measured (no reference entered), no reading from the transmitter
    /// (never an error of 100 %), or within / outside the tolerance.
    enum class Judgement { Open, NoReading, Pass, Fail };

    static constexpr double kMinTolerancePercent = 0.01;
    static constexpr double kMaxTolerancePercent = 10.0;

    /// 0, 25, 50, 75, 100.
    static QList<double> DefaultPercents();
    /// The points of one pass: the percents in rising order of pressure, then, with down, back down
    /// again without repeating the top point (hysteresis). Nominal pressure = lower range end + percent
    /// of span, rounded to the record's decimals.
    static QList<CCheckPoint> PlanPoints(const CCheckRecord& range, QList<double> percents, bool down);

    /// Nothing when good; otherwise the message naming what is refused.
    /// A range without span, with an end that is no number, or without unit (a free display value, which
    /// cannot be compared with the reference's pressure).
    static std::optional<QString> RefuseRange(const CCheckRecord& range);
    static std::optional<QString> RefuseTolerance(double tolerancePercent);
    static std::optional<QString> RefusePercent(double percent); ///< a test point outside 0..100 %

    static double Span(const CCheckRecord& range);
    /// A value as it is shown with the given decimals (rounded half away from zero).
    static double Rounded(double value, int decimals);
    /// The output current the transmitter should give at a pressure: 4 mA at the 4 mA value, 20 mA at
    /// the 20 mA value, a straight line between (and beyond).
    static double ExpectedCurrent(const CCheckRecord& range, double pressure);
    /// (reading − reference) / span × 100; nothing without a reading or a reference, or on a refused range.
    static std::optional<double> ReadingError(const CCheckRecord& range, const CCheckPoint& point);
    /// (current − expected current at the reference) / 16 mA × 100; nothing without a current or a
    /// reference.
    static std::optional<double> CurrentError(const CCheckRecord& range, const CCheckPoint& point);

    /// A point passes when |reading error| and, where measured, |current error| are within the
    /// tolerance (an error equal to it passes). On a refused range every point stays Open.
    static Judgement Judge(const CCheckRecord& range, const CCheckPoint& point);
    /// A pass passes when it has points and every one of them passes.
    static bool SeriesPasses(const CCheckRecord& range, const CCheckSeries& series);
    /// As found passed and nothing adjusted: Passed; adjusted and as left passed: AdjustedPassed;
    /// otherwise Failed.
    static CCheckRecord::Verdict Verdict(const CCheckRecord& record);

    /// Settled when the samples' spread (largest − smallest) is under a tenth of the tolerance (in the
    /// pressure unit); fewer than two samples never are.
    static bool IsSettled(const CCheckRecord& range, const QList<double>& samples);
    /// NaN without samples.
    static double Mean(const QList<double>& samples);

    /// The station's default tolerance ("Check"/"Tolerance", a decimal with a point); a stored text that is
    /// no number or lies outside the limits gives the built-in 0.25 %.
    static double DefaultTolerance(const CSettingsRegistry& settings);

    /// The check date plus the interval in days.
    static QDate NextDue(const QDate& checked, int intervalDays);
};
