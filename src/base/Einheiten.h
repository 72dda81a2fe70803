#pragma once

#include <QString>
#include <array>

/// The unit converter of the display units, and the 0 to 10000 scale on which the KA71 keeps its set
/// range and linearization values: 0 is the start of the converter's scaled range, 10000 its end.
///
/// When the two units differ, the range is shown as integer counts of at most four digits with n
/// decimals (ScaledRange); the transmitter's display cannot show more.
class CEinheiten {
public:
    static constexpr int kUnitCount = 7;
    static constexpr int kScale = 10000;

    struct Unit {
        const char* name;
        double factorPerBar;
    };

    /// The integer display range: lo and hi are counts, n their decimals; overflow when a count lies
    /// beyond what the range allows (ScaledRange: +-32000, TruncatedRange: 16 bits).
    struct Range {
        double lo = 0.0;
        double hi = 0.0;
        int n = 0;
        bool overflow = false;
    };

    CEinheiten(int nTyp, float fStart, float fEnd, int nDecimals, int nFromUnit, int nToUnit);

    bool IsKA71() const;
    /// value x factor[to] / factor[from].
    double Convert(double value) const;
    /// The range the edit dialogs work with: counts clamped to +-32000, beyond that an overflow that
    /// refuses the unit.
    Range ScaledRange() const;
    /// The range as the KA71's 16-bit words hold it: counts truncated toward zero; a count beyond the
    /// 16-bit range is an overflow (and is saturated there, never wrapped).
    Range TruncatedRange() const;
    double ToScale(double value) const;
    double FromScale(double scale) const;
    double SpanToScale(double span) const;
    double SpanFromScale(double scale) const;
    /// For the KA71 the decimals of the scaled range, for every other type the range's own.
    int DisplayDecimals() const;
    /// The unit table's name of a unit index; empty outside 0..6.
    static QString UnitName(int nUnit);
    /// Units per bar of a unit index; 1.0 outside 0..6.
    static double Factor(int nUnit);

    static const std::array<Unit, kUnitCount>& Units();

private:
    /// The ends and the factor that scale the range to 400 to 4000 counts, before they are made integer.
    struct Scaling {
        double start;
        double end;
        double factor;
        int n;
    };

    bool UnitsDiffer() const;
    Scaling Scale() const;
    Range SameUnitRange() const;

    int m_nTyp;
    float m_fStart;
    float m_fEnd;
    int m_nDecimals;
    int m_nFromUnit;
    int m_nToUnit;
};
