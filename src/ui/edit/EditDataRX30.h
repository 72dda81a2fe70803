#pragma once

#include "ui/edit/EditData.h"

class QRadioButton;

/// "Daten editieren" of the RX26 and KA52/KA28: no output range and no linearization; the output runs
/// rising or falling over the base range ("Kennlinie"), and the limits are plain output values.
class CEditDataRX30 : public CEditData {
    Q_OBJECT

public:
    CEditDataRX30(const CEditDataValues& werte, const QLocale& locale, QWidget* parent = nullptr);

protected:
    void Fill() override;
    void Gather() override;

private:
    QRadioButton* m_steigend;
    QRadioButton* m_fallend;
};
