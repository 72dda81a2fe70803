#pragma once

#include "edit/LinTabelle.h"

#include <optional>

/// The tables the edit dialogs and table editors generate, and the KA71 editor's conversion between the
/// stored pairs (0 to 10000 scale) and the values it shows. Counts and decimals are bounded first, so a
/// damaged document can never make a generator index outside the 30 pairs.
class CLinTabGenerator {
public:
    /// The KA71 editor's view of the free display range and the set range.
    struct KA71Bereich {
        int nFreiAnfang = 0;       ///< value x 10^dp
        int nFreiEnde = 1000;      ///< value x 10^dp
        int nKomma = 0;            ///< decimal point dp, 0..3
        float fWert4mA = 0.0f;     ///< value at 4 mA in the display unit
        float fWert20mA = 1.0f;    ///< value at 20 mA
        int nAnzeigeDezimalen = 0; ///< decimals of the measured column
    };

    /// Outputs 4..20 mA evenly, 2 decimals; values 0..100 % evenly, 1 decimal (the percent table of
    /// type 0).
    static CLinTabelle EvenProzent(int nAnzahl);
    /// Outputs 4..20 mA evenly; values evenly from the value at 4 mA to the value at 20 mA, rounded to
    /// the range's decimals.
    static CLinTabelle EvenDruck(int nAnzahl, float fWert4mA, float fWert20mA, int nDecimals);
    /// Both columns evenly on the 0..10000 scale, integer parts.
    static CLinTabelle EvenKA71(int nAnzahl);
    /// The square-root characteristic of the KA71 ("radiziert"): 30 pairs, count 0 in the editor.
    static CLinTabelle Radiziert();

    /// The table a check of "Lin.-Korrektur:" generates in the edit dialogs of every type but the KA71:
    /// a type whose table holds percent gets the percent table, every other type the range table.
    static CLinTabelle ForEditData(int nTyp, int nAnzahl, float fMessAnfang, float fMessEnde, int nDecimals);

    /// Stored pairs to the values the KA71 editor shows.
    static CLinTabelle KA71Shown(const CLinTabelle& stored, const KA71Bereich& bereich);
    /// Shown values back to stored pairs; nothing when the free range or the set range has equal ends
    /// (the scale would divide by zero).
    static std::optional<CLinTabelle> KA71Stored(const CLinTabelle& shown, const KA71Bereich& bereich);

private:
    static float Rounded(double value, int nDecimals);
    static float Output(int i, int nAnzahl);
};
