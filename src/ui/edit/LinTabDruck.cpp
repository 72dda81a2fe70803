#include "ui/edit/LinTabDruck.h"

CLinTabDruck::CLinTabDruck(const CLinTabValues& werte, const CLinTabRules& rules, QWidget* parent)
    : CLinTab(werte, rules, parent) {}
