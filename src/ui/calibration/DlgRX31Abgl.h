#pragma once

#include "ui/calibration/DlgAbgleichdaten.h"

/// "RX31 Abgleichdaten": every field of the calibration record of the RX31 family as an edit; in the
/// KA71 form without factory offset, span and calibration range.
class CDlgRX31Abgl : public CDlgAbgleichdaten {
    Q_OBJECT

public:
    CDlgRX31Abgl(CAbgleichdaten& record, CAbgleichRecordRules::Form form, bool bErweitert,
                 QWidget* parent = nullptr);
};
