#include "ui/edit/EditDataRX31_3x.h"

#include <QLabel>
#include <QLineEdit>

CEditDataRX31_3x::CEditDataRX31_3x(const CEditDataValues& werte, const QLocale& locale, QWidget* parent)
    : CEditData(werte, locale, parent) {
    const bool bTemp = CEditDataRules::HatTempDaempfung(m_values);
    m_tempDaempfung->setVisible(bTemp);
    m_tempDaempfungLabel->setVisible(bTemp);
    m_tempDaempfungEinheit->setVisible(bTemp);
    if (bTemp) {
        m_daempfungLabel->setText(tr("Dämpfung Druck:"));
    }
}
