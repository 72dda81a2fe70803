#pragma once

#include "ui/edit/EditData.h"

class QComboBox;

/// "Daten editieren" of the KA71: the common dialog with the display unit, in which the output range
/// is shown and edited, and the medium.
class CEditData_KA71 : public CEditData {
    Q_OBJECT

public:
    CEditData_KA71(const CEditDataValues& werte, const QLocale& locale, QWidget* parent = nullptr);

protected:
    void Fill() override;
    void Gather() override;

private:
    void OnEinheit(int nIndex);

    QComboBox* m_einheit;
    QComboBox* m_medium;
};
