#pragma once

#include "ui/edit/EditData.h"

/// "Daten editieren" of the RX31, VN62, RX96 and RX84: the common dialog with the turn-down of the type,
/// and for the RX31 the temperature damping.
class CEditDataRX31_3x : public CEditData {
    Q_OBJECT

public:
    CEditDataRX31_3x(const CEditDataValues& werte, const QLocale& locale, QWidget* parent = nullptr);
};
