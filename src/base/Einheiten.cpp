#include "base/Einheiten.h"

#include "base/TypKatalog.h"
#include "base/Utils.h"

#include <cmath>
#include <limits>

namespace {

constexpr std::array<CEinheiten::Unit, CEinheiten::kUnitCount> kUnits = {{
    {"    ", 1.0},
    {"bar ", 1.0},
    {"mbar", 1000.0},
    {"Pa  ", 100000.0},
    {"kPa ", 100.0},
    {"PSI ", 14.50377187},
    {"InWC ", 401.46307598},
}};

constexpr int kMaxDecimals = 32;

} // namespace

CEinheiten::CEinheiten(int nTyp, float fStart, float fEnd, int nDecimals, int nFromUnit, int nToUnit)
    : m_nTyp(nTyp)
    , m_fStart(fStart)
    , m_fEnd(fEnd)
    , m_nDecimals(nDecimals)
    , m_nFromUnit(nFromUnit)
    , m_nToUnit(nToUnit) {}

const std::array<CEinheiten::Unit, CEinheiten::kUnitCount>& CEinheiten::Units() {
    return kUnits;
}

bool CEinheiten::IsKA71() const {
    return CTypKatalog::IsKA71(m_nTyp);
}

double CEinheiten::Factor(int nUnit) {
    return (nUnit >= 0 && nUnit < kUnitCount) ? kUnits[static_cast<size_t>(nUnit)].factorPerBar : 1.0;
}

QString CEinheiten::UnitName(int nUnit) {
    if (nUnit < 0 || nUnit >= kUnitCount) {
        return QString();
    }
    return QString::fromLatin1(kUnits[static_cast<size_t>(nUnit)].name);
}

double CEinheiten::Convert(double value) const {
    return value * Factor(m_nToUnit) / Factor(m_nFromUnit);
}

bool CEinheiten::UnitsDiffer() const {
    return m_nFromUnit != m_nToUnit;
}

CEinheiten::Range CEinheiten::SameUnitRange() const {
    Range range;
    range.lo = m_fStart;
    range.hi = m_fEnd;
    range.n = m_nDecimals;
    return range;
}

CEinheiten::Scaling CEinheiten::Scale() const {
    // The ends are single precision like the document's fields, and so is their product with the power
    // of ten: 32.1 x 10 is then the count 321 that the display shows, not 320.99998 truncated to 320.
    const auto p = static_cast<float>(CUtils::PowerOfTen(m_nDecimals));
    Scaling scaling{Convert(m_fStart * p), Convert(m_fEnd * p), 1.0, 0};
    // Scale so that the larger end shows with 400 to 4000 counts, at most three decimals.
    double magnitude = std::fabs(std::max(scaling.start, scaling.end));
    // Decimals of a damaged file may be far outside what a display shows; bound the walk so that such a
    // range fails as an overflow instead of taking billions of steps.
    int n = qBound(-kMaxDecimals, m_nDecimals, kMaxDecimals);
    while (magnitude > 4000.0 && n > 0) {
        magnitude /= 10.0;
        scaling.factor /= 10.0;
        --n;
    }
    while (magnitude < 400.0 && n < 3) {
        magnitude *= 10.0;
        scaling.factor *= 10.0;
        ++n;
    }
    scaling.n = n;
    return scaling;
}

CEinheiten::Range CEinheiten::ScaledRange() const {
    if (!UnitsDiffer()) {
        return SameUnitRange();
    }
    const Scaling scaling = Scale();
    qint16 lo = 0;
    qint16 hi = 0;
    const bool loOverflow = CUtils::ClampToShort(scaling.start * scaling.factor, lo);
    const bool hiOverflow = CUtils::ClampToShort(scaling.end * scaling.factor, hi);
    Range range;
    range.lo = lo;
    range.hi = hi;
    range.n = scaling.n;
    range.overflow = loOverflow || hiOverflow;
    return range;
}

CEinheiten::Range CEinheiten::TruncatedRange() const {
    if (!UnitsDiffer()) {
        return SameUnitRange();
    }
    const Scaling scaling = Scale();
    constexpr double kMin = std::numeric_limits<qint16>::min();
    constexpr double kMax = std::numeric_limits<qint16>::max();
    const double lo = std::trunc(scaling.start * scaling.factor);
    const double hi = std::trunc(scaling.end * scaling.factor);
    Range range;
    // NaN compares false both ways: it counts as an overflow too.
    range.overflow = !(lo >= kMin && lo <= kMax && hi >= kMin && hi <= kMax);
    range.lo = std::isnan(lo) ? 0.0 : qBound(kMin, lo, kMax);
    range.hi = std::isnan(hi) ? 0.0 : qBound(kMin, hi, kMax);
    range.n = scaling.n;
    return range;
}

double CEinheiten::FromScale(double scale) const {
    const Range r = ScaledRange();
    const double v = r.lo + (r.hi - r.lo) * scale / kScale;
    return UnitsDiffer() ? v / CUtils::PowerOfTen(r.n) : v;
}

double CEinheiten::SpanFromScale(double scale) const {
    const Range r = ScaledRange();
    const double v = (r.hi - r.lo) * scale / kScale;
    return UnitsDiffer() ? v / CUtils::PowerOfTen(r.n) : v;
}

double CEinheiten::ToScale(double value) const {
    const Range r = ScaledRange();
    const double a = UnitsDiffer() ? value * CUtils::PowerOfTen(r.n) : value;
    return (a - r.lo) * kScale / (r.hi - r.lo);
}

double CEinheiten::SpanToScale(double span) const {
    const Range r = ScaledRange();
    const double a = UnitsDiffer() ? span * CUtils::PowerOfTen(r.n) : span;
    return a * kScale / (r.hi - r.lo);
}

int CEinheiten::DisplayDecimals() const {
    return IsKA71() ? ScaledRange().n : m_nDecimals;
}
