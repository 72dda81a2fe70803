#pragma once

#include "ui/calibration/DlgAbgleichdaten.h"

/// "VN62 Abgleichdaten": the calibration record of the two-input, two-output VN62 as edits.
class CDlgVN62Abgl : public CDlgAbgleichdaten {
    Q_OBJECT

public:
    explicit CDlgVN62Abgl(CAbgleichdaten& record, QWidget* parent = nullptr);
};
