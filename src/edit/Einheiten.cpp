#include "edit/Einheiten.h"

#include "edit/Utils.h"

#include <cmath>

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

constexpr int kKA71 = 10;
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
    return m_nTyp == kKA71;
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

CEinheiten::Range CEinheiten::ScaledRange() const {
    const double p = CUtils::PowerOfTen(m_nDecimals);
    const double s = Convert(m_fStart * p);
    const double e = Convert(m_fEnd * p);
    Range range;
    if (!UnitsDiffer()) {
        range.lo = m_fStart;
        range.hi = m_fEnd;
        range.n = m_nDecimals;
        return range;
    }
    // Scale so that the larger end shows with 400 to 4000 counts, at most three decimals.
    double magnitude = std::fabs(std::max(s, e));
    double m = 1.0;
    // Decimals of a damaged file may be far outside what a display shows; bound the walk so that such a
    // range fails as an overflow instead of taking billions of steps.
    int n = qBound(-kMaxDecimals, m_nDecimals, kMaxDecimals);
    while (magnitude > 4000.0 && n > 0) {
        magnitude /= 10.0;
        m /= 10.0;
        --n;
    }
    while (magnitude < 400.0 && n < 3) {
        magnitude *= 10.0;
        m *= 10.0;
        ++n;
    }
    qint16 lo = 0;
    qint16 hi = 0;
    const bool loOverflow = CUtils::ClampToShort(s * m, lo);
    const bool hiOverflow = CUtils::ClampToShort(e * m, hi);
    range.lo = lo;
    range.hi = hi;
    range.n = n;
    range.overflow = loOverflow || hiOverflow;
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
