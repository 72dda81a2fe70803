#pragma once

#include <QCoreApplication>
#include <QString>
#include <array>

/// The standard measuring ranges of the menu "Editieren": each starts a new parameter set for the
/// current transmitter type and opens its edit dialog on it.
class CRangePreset {
    Q_DECLARE_TR_FUNCTIONS(CRangePreset)

public:
    /// Preset unit 0 is bar, 1 mbar.
    struct Preset {
        const char* text;
        float fAnfang;
        float fEnde;
        int nDezimalstellen;
        int nEinheit;
    };

    static constexpr int kAnzahl = 17;

    static const std::array<Preset, kAnzahl>& All();
    /// The preset of a menu position; positions outside 0..16 give the first.
    static const Preset& At(int nIndex);
    /// The menu entry, translated.
    static QString MenuText(int nIndex);
    /// The unit index of the parameter set: types with the common or the KA71 unit list use the unit
    /// table (bar 1, mbar 2), the older types their own list (bar 0, mbar 1).
    static int UnitIndex(int nTyp, int nPresetEinheit);
};
