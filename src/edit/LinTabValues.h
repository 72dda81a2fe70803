#pragma once

#include "edit/LinTabGenerator.h"
#include "edit/LinTabelle.h"

#include <QString>
#include <array>

/// What a table editor shows and the user edits. The cells are texts as typed; the rules read them.
struct CLinTabValues {
    /// The three editors: percent table of type 0, range table, KA71 table on the display scale.
    enum class Art { Prozent, Druck, KA71 };

    Art eArt = Art::Druck;
    /// Points 3..30; the KA71 editor's 0 stands for "radiziert".
    int nAnzahl = 0;
    std::array<QString, CLinTabelle::kPunkte> strX;
    std::array<QString, CLinTabelle::kPunkte> strY;
    float fWert4mA = 0.0f;
    float fWert20mA = 1.0f;
    QString strEinheit;
    int nDezimalstellen = 0;

    // KA71 only.
    QString strFreiAnfang;
    QString strFreiEnde;
    CLinTabGenerator::KA71Bereich bereich;
    int nAnzeigeEinheit = 0;
    /// The pairs on the 0..10000 scale, and the cell texts last shown for them: a cell the user did not
    /// touch keeps its stored pair exactly, so opening and closing the editor never moves a point.
    CLinTabelle stored;
    std::array<QString, CLinTabelle::kPunkte> strXGezeigt;
    std::array<QString, CLinTabelle::kPunkte> strYGezeigt;
};
