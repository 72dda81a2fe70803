#include "ui/edit/EditData_KA71.h"

#include "base/Einheiten.h"
#include "ui/edit/FieldBinder.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

CEditData_KA71::CEditData_KA71(const CEditDataValues& werte, const QLocale& locale, QWidget* parent)
    : CEditData(werte, locale, parent)
    , m_einheit(new QComboBox)
    , m_medium(new QComboBox) {
    for (int i = 0; i < CEinheiten::kUnitCount; ++i) {
        m_einheit->addItem(m_values.EinheitName(i));
    }
    m_medium->addItems({tr("Wasser"), tr("Benzin"), tr("Diesel")});
    auto* einheitLabel = new QLabel(tr("Einheit:"));
    einheitLabel->setBuddy(m_einheit);
    auto* mediumLabel = new QLabel(tr("Medium:"));
    mediumLabel->setBuddy(m_medium);
    m_signalGrid->addWidget(einheitLabel, 5, 0);
    m_signalGrid->addWidget(m_einheit, 5, 1);
    m_signalGrid->addWidget(mediumLabel, 6, 0);
    m_signalGrid->addWidget(m_medium, 6, 1);
    m_binder->Add(CEditDataValues::kAnzeigeEinheit, m_einheit);
    connect(m_einheit, &QComboBox::activated, this, &CEditData_KA71::OnEinheit);
    Fill();
}

void CEditData_KA71::Fill() {
    CEditData::Fill();
    m_einheit->setCurrentIndex(m_values.nAnzeigeEinheit);
    m_medium->setCurrentIndex(qBound(0, m_values.nMedium, CEditDataRules::kMedien - 1));
}

void CEditData_KA71::Gather() {
    CEditData::Gather();
    m_values.nMedium = m_medium->currentIndex();
}

void CEditData_KA71::OnEinheit(int nIndex) {
    Gather();
    const CEditDataRules::EinheitWechsel wechsel = m_rules.ChangeAnzeigeEinheit(m_values, nIndex);
    // A refused change leaves the old unit selected.
    m_einheit->setCurrentIndex(m_values.nAnzeigeEinheit);
    if (wechsel.problem) {
        ShowProblem(*wechsel.problem);
        return;
    }
    if (wechsel.bUebernommen) {
        Fill();
    }
}
