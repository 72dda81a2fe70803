#pragma once

#include "ui/edit/LinTab.h"

/// "Linearitätskorrektur" of a range table: output current against the measured value in the range's
/// unit, from the value at 4 mA to the value at 20 mA (rising or falling).
class CLinTabDruck : public CLinTab {
    Q_OBJECT

public:
    CLinTabDruck(const CLinTabValues& werte, const CLinTabRules& rules, QWidget* parent = nullptr);
};
