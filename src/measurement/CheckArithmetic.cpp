#include "measurement/CheckArithmetic.h"

#include "base/NumberField.h"
#include "document/SettingsRegistry.h"

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double kFullPercent = 100.0;
constexpr double kBuiltInTolerance = 0.25;
constexpr double kCurrentAt4 = 4.0;
constexpr double kCurrentSpan = 16.0;
/// The share of the tolerance the samples of a point may spread and still count as settled.
constexpr double kSettleShare = 0.1;
/// An error that equals the tolerance passes; this absorbs the binary rest of decimal readings (0.25 %
/// computed from 10.025 − 10 comes out a hair above 0.25).
constexpr double kEdge = 1e-9;

bool Within(double error, double tolerance) {
    return std::abs(error) <= tolerance + kEdge;
}

/// A number in a refusal, in the program locale without group separators ("2500 mbar", not "2.500").
QString Number(double value) {
    return CNumberField::Format(value, QLocale(), 8);
}

} // namespace

QList<double> CCheckArithmetic::DefaultPercents() {
    return {0.0, 25.0, 50.0, 75.0, 100.0};
}

QList<CCheckPoint> CCheckArithmetic::PlanPoints(const CCheckRecord& range, QList<double> percents,
                                                bool down) {
    // A point outside the range is never planned; the window refuses it with RefusePercent beforehand.
    percents.erase(std::remove_if(percents.begin(), percents.end(),
                                  [](double p) { return RefusePercent(p).has_value(); }),
                   percents.end());
    std::sort(percents.begin(), percents.end());
    percents.erase(std::unique(percents.begin(), percents.end()), percents.end());
    if (down && percents.size() > 1) {
        for (qsizetype i = percents.size() - 2; i >= 0; --i) {
            percents.append(percents.at(i));
        }
    }
    const double lower = std::min(range.rangeAt4mA, range.rangeAt20mA);
    const double span = Span(range);
    QList<CCheckPoint> points;
    for (double percent : percents) {
        CCheckPoint point;
        point.percent = percent;
        point.nominal = Rounded(lower + span * percent / kFullPercent, range.decimals);
        points.append(point);
    }
    return points;
}

std::optional<QString> CCheckArithmetic::RefuseRange(const CCheckRecord& range) {
    if (!std::isfinite(range.rangeAt4mA) || !std::isfinite(range.rangeAt20mA)) {
        return tr("Der Messbereich des Transmitters ist ungültig.");
    }
    if (Span(range) <= 0.0) {
        return tr("Der Messbereich hat keine Spanne: 4 mA und 20 mA liegen beide bei %1 %2.")
            .arg(Number(range.rangeAt4mA), range.unit);
    }
    if (range.unit.isEmpty()) {
        return tr(
            "Der Messwert wird ohne Einheit angezeigt (freie Anzeige, z. B. mit Linearisierungstabelle) "
            "und lässt sich nicht mit dem Druck der Referenz vergleichen.");
    }
    return std::nullopt;
}

std::optional<QString> CCheckArithmetic::RefuseTolerance(double tolerancePercent) {
    if (std::isfinite(tolerancePercent) && tolerancePercent >= kMinTolerancePercent &&
        tolerancePercent <= kMaxTolerancePercent) {
        return std::nullopt;
    }
    return tr("Die Toleranz %1 % liegt außerhalb von %2 bis %3 % der Spanne.")
        .arg(Number(tolerancePercent), Number(kMinTolerancePercent), Number(kMaxTolerancePercent));
}

std::optional<QString> CCheckArithmetic::RefusePercent(double percent) {
    if (std::isfinite(percent) && percent >= 0.0 && percent <= kFullPercent) {
        return std::nullopt;
    }
    return tr("Der Prüfpunkt %1 % liegt außerhalb des Messbereichs (0 bis 100 %).").arg(Number(percent));
}

double CCheckArithmetic::Rounded(double value, int decimals) {
    const double factor = std::pow(10.0, std::max(decimals, 0));
    return std::round(value * factor) / factor;
}

double CCheckArithmetic::Span(const CCheckRecord& range) {
    return std::abs(range.rangeAt20mA - range.rangeAt4mA);
}

double CCheckArithmetic::ExpectedCurrent(const CCheckRecord& range, double pressure) {
    // Signed: a falling characteristic has its 20 mA value below its 4 mA value.
    const double run = range.rangeAt20mA - range.rangeAt4mA;
    return kCurrentAt4 + kCurrentSpan * (pressure - range.rangeAt4mA) / run;
}

std::optional<double> CCheckArithmetic::ReadingError(const CCheckRecord& range, const CCheckPoint& point) {
    if (!point.reading || !point.reference || RefuseRange(range)) {
        return std::nullopt;
    }
    return (*point.reading - *point.reference) / Span(range) * kFullPercent;
}

std::optional<double> CCheckArithmetic::CurrentError(const CCheckRecord& range, const CCheckPoint& point) {
    if (!point.currentMa || !point.reference || RefuseRange(range)) {
        return std::nullopt;
    }
    return (*point.currentMa - ExpectedCurrent(range, *point.reference)) / kCurrentSpan * kFullPercent;
}

CCheckArithmetic::Judgement CCheckArithmetic::Judge(const CCheckRecord& range, const CCheckPoint& point) {
    // On a refused range nothing can be judged: the point stays open, and so the pass cannot pass.
    if (!point.reference || RefuseRange(range)) {
        return Judgement::Open;
    }
    if (!point.reading) {
        return Judgement::NoReading;
    }
    const double tolerance = range.tolerancePercent;
    const std::optional<double> current = CurrentError(range, point);
    const bool bPass =
        Within(*ReadingError(range, point), tolerance) && (!current || Within(*current, tolerance));
    return bPass ? Judgement::Pass : Judgement::Fail;
}

bool CCheckArithmetic::SeriesPasses(const CCheckRecord& range, const CCheckSeries& series) {
    return !series.points.isEmpty() &&
           std::all_of(series.points.begin(), series.points.end(),
                       [&](const CCheckPoint& p) { return Judge(range, p) == Judgement::Pass; });
}

CCheckRecord::Verdict CCheckArithmetic::Verdict(const CCheckRecord& record) {
    if (record.asLeft) {
        return SeriesPasses(record, *record.asLeft) ? CCheckRecord::Verdict::AdjustedPassed
                                                    : CCheckRecord::Verdict::Failed;
    }
    return SeriesPasses(record, record.asFound) ? CCheckRecord::Verdict::Passed
                                                : CCheckRecord::Verdict::Failed;
}

bool CCheckArithmetic::IsSettled(const CCheckRecord& range, const QList<double>& samples) {
    if (samples.size() < 2 ||
        !std::all_of(samples.begin(), samples.end(), [](double s) { return std::isfinite(s); })) {
        return false;
    }
    const auto [lo, hi] = std::minmax_element(samples.begin(), samples.end());
    return *hi - *lo < kSettleShare * range.tolerancePercent / kFullPercent * Span(range);
}

double CCheckArithmetic::Mean(const QList<double>& samples) {
    if (samples.isEmpty()) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    double sum = 0.0;
    for (double s : samples) {
        sum += s;
    }
    return sum / static_cast<double>(samples.size());
}

double CCheckArithmetic::DefaultTolerance(const CSettingsRegistry& settings) {
    bool bNumber = false;
    const double stored =
        QLocale::c().toDouble(settings.Text(CSettingsRegistry::kCheckTolerance).trimmed(), &bNumber);
    return bNumber && !RefuseTolerance(stored) ? stored : kBuiltInTolerance;
}

QDate CCheckArithmetic::NextDue(const QDate& checked, int intervalDays) {
    return checked.addDays(intervalDays);
}
