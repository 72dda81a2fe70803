#include "ui/edit/LinTab_Druck_KA71.h"

#include "ui/edit/FieldBinder.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

CLinTab_Druck_KA71::CLinTab_Druck_KA71(const CLinTabValues& werte, const CLinTabRules& rules, QWidget* parent)
    : CLinTab(werte, rules, parent)
    , m_freiAnfang(new QLineEdit)
    , m_freiEnde(new QLineEdit)
    , m_komma(new QComboBox) {
    auto* group = new QGroupBox(tr("Freier Messbereich"));
    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel(tr("Anfang:")), 0, 0);
    grid->addWidget(m_freiAnfang, 0, 1);
    grid->addWidget(new QLabel(tr("Ende:")), 1, 0);
    grid->addWidget(m_freiEnde, 1, 1);
    grid->addWidget(new QLabel(tr("Komma:")), 2, 0);
    grid->addWidget(m_komma, 2, 1);
    m_komma->addItems(CLinTabRules::KommaTexte());
    m_topRow->insertWidget(m_topRow->count() - 1, group);
    m_binder->Add(CLinTabRules::kFeldFreiAnfang, m_freiAnfang);
    m_binder->Add(CLinTabRules::kFeldFreiEnde, m_freiEnde);
    connect(m_freiAnfang, &QLineEdit::editingFinished, this,
            [this] { OnFreiVerlassen(CLinTabRules::kFeldFreiAnfang); });
    connect(m_freiEnde, &QLineEdit::editingFinished, this,
            [this] { OnFreiVerlassen(CLinTabRules::kFeldFreiEnde); });
    connect(m_komma, &QComboBox::activated, this, &CLinTab_Druck_KA71::OnKomma);
    Fill();
}

void CLinTab_Druck_KA71::Fill() {
    CLinTab::Fill();
    m_freiAnfang->setText(m_values.strFreiAnfang);
    m_freiEnde->setText(m_values.strFreiEnde);
    m_komma->setCurrentIndex(m_values.bereich.nKomma);
}

void CLinTab_Druck_KA71::Gather() {
    CLinTab::Gather();
    m_values.strFreiAnfang = m_freiAnfang->text();
    m_values.strFreiEnde = m_freiEnde->text();
}

void CLinTab_Druck_KA71::OnFreiVerlassen(int nFeld) {
    if (m_bMeldet) {
        return; // the message box took the focus; that is no new value
    }
    Gather();
    if (const auto problem = m_rules.FreiBereichVerlassen(m_values, nFeld)) {
        m_bMeldet = true;
        ShowProblem(*problem);
        m_bMeldet = false;
        return;
    }
    Fill();
}

void CLinTab_Druck_KA71::OnKomma(int nIndex) {
    Gather();
    m_rules.SetKomma(m_values, nIndex);
    Fill();
}
