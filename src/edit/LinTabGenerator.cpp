#include "edit/LinTabGenerator.h"

#include "base/Einheiten.h"
#include "base/TypKatalog.h"
#include "base/Utils.h"

#include <cmath>

namespace {

constexpr int kRadiziertAnzeige[CLinTabelle::kPunkte] = {
    0,    412,  583,  831,  1311, 1855, 2274, 2625, 2936, 3216, 3713, 3938, 4152, 4549, 4913,
    5253, 5570, 5872, 6159, 6433, 6696, 6948, 7192, 7428, 7656, 7878, 8305, 8906, 9469, 10000};
constexpr int kRadiziertMesswert[CLinTabelle::kPunkte] = {
    0,    17,   34,   69,   172,  344,  517,  689,  862,  1034, 1379, 1552, 1724, 2069, 2414,
    2759, 3103, 3448, 3793, 4138, 4483, 4828, 5172, 5517, 5862, 6207, 6897, 7931, 8966, 10000};

/// A count the even tables can divide by: 2..30 (the dialogs offer 3..30).
int EvenCount(int nAnzahl) {
    return qBound(2, nAnzahl, CLinTabelle::kPunkte);
}

} // namespace

float CLinTabGenerator::Rounded(double value, int nDecimals) {
    float f = static_cast<float>(value);
    CUtils::RoundFloat(f, CLinTabelle::BoundedDecimals(nDecimals));
    return f;
}

float CLinTabGenerator::Output(int i, int nAnzahl) {
    return Rounded(4.0 + i * 16.0 / (nAnzahl - 1), 2);
}

CLinTabelle CLinTabGenerator::EvenProzent(int nAnzahl) {
    const int n = EvenCount(nAnzahl);
    CLinTabelle table;
    table.nAnzahl = n;
    for (int i = 0; i < n; ++i) {
        table.x[i] = Output(i, n);
        table.y[i] = Rounded(i * 100.0 / (n - 1), 1);
    }
    return table;
}

CLinTabelle CLinTabGenerator::EvenDruck(int nAnzahl, float fWert4mA, float fWert20mA, int nDecimals) {
    const int n = EvenCount(nAnzahl);
    CLinTabelle table;
    table.nAnzahl = n;
    for (int i = 0; i < n; ++i) {
        table.x[i] = Output(i, n);
        table.y[i] = Rounded(fWert4mA + (static_cast<double>(fWert20mA) - fWert4mA) / (n - 1) * i, nDecimals);
    }
    return table;
}

CLinTabelle CLinTabGenerator::EvenKA71(int nAnzahl) {
    const int n = EvenCount(nAnzahl);
    CLinTabelle table;
    table.nAnzahl = n;
    for (int i = 0; i < n; ++i) {
        const float v = static_cast<float>(std::trunc(10000.0 / (n - 1) * i));
        table.x[i] = v;
        table.y[i] = v;
    }
    return table;
}

CLinTabelle CLinTabGenerator::Radiziert() {
    CLinTabelle table;
    table.nAnzahl = 0;
    for (int i = 0; i < CLinTabelle::kPunkte; ++i) {
        table.x[i] = static_cast<float>(kRadiziertAnzeige[i]);
        table.y[i] = static_cast<float>(kRadiziertMesswert[i]);
    }
    return table;
}

CLinTabelle CLinTabGenerator::ForEditData(int nTyp, int nAnzahl, float fMessAnfang, float fMessEnde,
                                          int nDecimals) {
    if (nAnzahl <= 0) {
        return CLinTabelle{};
    }
    return CTypKatalog::Has(nTyp, &CTypKatalog::Typ::bLinTabProzent)
               ? EvenProzent(nAnzahl)
               : EvenDruck(nAnzahl, fMessAnfang, fMessEnde, nDecimals);
}

CLinTabelle CLinTabGenerator::KA71Shown(const CLinTabelle& stored, const KA71Bereich& bereich) {
    const int d = qBound(0, bereich.nKomma, 3);
    const double f = CUtils::PowerOfTen(d);
    const CEinheiten a(10, static_cast<float>(bereich.nFreiAnfang / f),
                       static_cast<float>(bereich.nFreiEnde / f), d, 0, 0);
    const CEinheiten b(10, bereich.fWert4mA, bereich.fWert20mA, d, 0, 0);
    CLinTabelle shown = stored;
    for (int i = 0; i < CLinTabelle::kPunkte; ++i) {
        shown.x[i] = Rounded(a.FromScale(stored.x[i]), d);
        shown.y[i] = Rounded(b.FromScale(stored.y[i]), bereich.nAnzeigeDezimalen);
    }
    return shown;
}

std::optional<CLinTabelle> CLinTabGenerator::KA71Stored(const CLinTabelle& shown,
                                                        const KA71Bereich& bereich) {
    const int d = qBound(0, bereich.nKomma, 3);
    const double f = CUtils::PowerOfTen(d);
    const float freiAnfang = static_cast<float>(bereich.nFreiAnfang / f);
    const float freiEnde = static_cast<float>(bereich.nFreiEnde / f);
    if (freiAnfang == freiEnde || bereich.fWert4mA == bereich.fWert20mA) {
        return std::nullopt;
    }
    const CEinheiten a(10, freiAnfang, freiEnde, d, 0, 0);
    const CEinheiten b(10, bereich.fWert4mA, bereich.fWert20mA, d, 0, 0);
    CLinTabelle stored = shown;
    for (int i = 0; i < CLinTabelle::kPunkte; ++i) {
        stored.x[i] = static_cast<float>(std::trunc(a.ToScale(shown.x[i])));
        stored.y[i] = static_cast<float>(std::trunc(b.ToScale(shown.y[i])));
    }
    return stored;
}
