#include "ui/edit/LinTabDruck.h"

CLinTabDruck::CLinTabDruck(const CLinTabWerte& werte, const CLinTabRules& rules, QWidget* parent)
    : CLinTab(werte, rules, parent) {}
