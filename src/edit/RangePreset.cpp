#include "edit/RangePreset.h"

#include "base/TypKatalog.h"

namespace {

constexpr std::array<CRangePreset::Preset, CRangePreset::kAnzahl> kPresets = {{
    {QT_TRANSLATE_NOOP("CRangePreset", "0 ... 400mbar..."), 0.0f, 400.0f, 1, 1},
    {QT_TRANSLATE_NOOP("CRangePreset", "0 ... 1 bar..."), 0.0f, 1.0f, 3, 0},
    {QT_TRANSLATE_NOOP("CRangePreset", "0 ... 1,6 bar..."), 0.0f, 1.6f, 3, 0},
    {QT_TRANSLATE_NOOP("CRangePreset", "0 ... 2,5 bar..."), 0.0f, 2.5f, 3, 0},
    {QT_TRANSLATE_NOOP("CRangePreset", "0 ... 4 bar..."), 0.0f, 4.0f, 3, 0},
    {QT_TRANSLATE_NOOP("CRangePreset", "0 ... 6 bar..."), 0.0f, 6.0f, 3, 0},
    {QT_TRANSLATE_NOOP("CRangePreset", "0 ... 10 bar..."), 0.0f, 10.0f, 2, 0},
    {QT_TRANSLATE_NOOP("CRangePreset", "0 ... 16 bar..."), 0.0f, 16.0f, 2, 0},
    {QT_TRANSLATE_NOOP("CRangePreset", "0 ... 25 bar..."), 0.0f, 25.0f, 2, 0},
    {QT_TRANSLATE_NOOP("CRangePreset", "0 ... 40 bar..."), 0.0f, 40.0f, 2, 0},
    {QT_TRANSLATE_NOOP("CRangePreset", "-1 ... 0 bar..."), -1.0f, 0.0f, 3, 0},
    {QT_TRANSLATE_NOOP("CRangePreset", "-1 ... 0,6 bar..."), -1.0f, 0.6f, 3, 0},
    {QT_TRANSLATE_NOOP("CRangePreset", "-1 ... 1,5 bar..."), -1.0f, 1.5f, 3, 0},
    {QT_TRANSLATE_NOOP("CRangePreset", "-1 ... 3 bar..."), -1.0f, 3.0f, 3, 0},
    {QT_TRANSLATE_NOOP("CRangePreset", "-1 ... 5 bar..."), -1.0f, 5.0f, 3, 0},
    {QT_TRANSLATE_NOOP("CRangePreset", "-1 ... 9 bar..."), -1.0f, 9.0f, 2, 0},
    {QT_TRANSLATE_NOOP("CRangePreset", "-1 ... 15 bar..."), -1.0f, 15.0f, 2, 0},
}};

constexpr int kBar = 1;
constexpr int kMbar = 2;

} // namespace

const std::array<CRangePreset::Preset, CRangePreset::kAnzahl>& CRangePreset::All() {
    return kPresets;
}

const CRangePreset::Preset& CRangePreset::At(int nIndex) {
    return kPresets[static_cast<std::size_t>(nIndex >= 0 && nIndex < kAnzahl ? nIndex : 0)];
}

QString CRangePreset::MenuText(int nIndex) {
    return tr(At(nIndex).text);
}

int CRangePreset::UnitIndex(int nTyp, int nPresetEinheit) {
    const CTypKatalog::Typ* typ = CTypKatalog::Find(nTyp);
    if (typ == nullptr || typ->einheiten == CTypKatalog::EinheitenListe::Alt) {
        return nPresetEinheit;
    }
    switch (nPresetEinheit) {
    case 0:
        return kBar;
    case 1:
        return kMbar;
    default:
        return 0;
    }
}
