#include "ui/edit/EditDataRX30.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

CEditDataRX30::CEditDataRX30(const CEditDataValues& werte, const QLocale& locale, QWidget* parent)
    : CEditData(werte, locale, parent)
    , m_steigend(new QRadioButton(tr("steigend")))
    , m_fallend(new QRadioButton(tr("fallend"))) {
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_messAnfang, m_messEnde, m_messAnfangLabel, m_messEndeLabel,
                                         m_messAnfangEinheit, m_messEndeEinheit, m_linKorrektur, m_edit}) {
        w->hide();
    }
    auto* kennlinie = new QGroupBox(tr("Kennlinie"));
    auto* radios = new QHBoxLayout(kennlinie);
    radios->addWidget(m_steigend);
    radios->addWidget(m_fallend);
    m_signalGrid->addWidget(kennlinie, 5, 0, 1, 3);
    m_stromGroup->setTitle(tr("Begrenzung Ausgang"));
    m_fehlerLabel->setText(tr("Signal:"));
    for (QLabel* unit : m_mAEinheiten) {
        unit->clear();
    }
    m_hintGroup->setTitle(tr("Eingabegrenzen"));
    m_hintGroup->setFlat(false);
    Fill();
}

void CEditDataRX30::Fill() {
    CEditData::Fill();
    (m_values.bFallend ? m_fallend : m_steigend)->setChecked(true);
}

void CEditDataRX30::Gather() {
    CEditData::Gather();
    m_values.bFallend = m_fallend->isChecked();
}
