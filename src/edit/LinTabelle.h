#pragma once

#include <array>

/// A linearization table as the dialogs exchange it: the point count and the 30 pairs. x is the output
/// column (mA, or the KA71 display value), y the measured value column.
struct CLinTabelle {
    static constexpr int kPunkte = 30;
    static constexpr int kMinPunkte = 3;

    int nAnzahl = 0;
    std::array<float, kPunkte> x{};
    std::array<float, kPunkte> y{};

    /// A point count as the editors may index with: 0..30, whatever a damaged file held.
    static int Bounded(int nAnzahl);
    /// A count of decimals as the generators may round with: 0..5.
    static int BoundedDecimals(int nDecimals);

    bool operator==(const CLinTabelle&) const = default;
};
