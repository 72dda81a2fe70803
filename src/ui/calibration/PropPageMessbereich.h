#pragma once

#include "calibration/AbglMessbereichRules.h"
#include "ui/calibration/AbglWizardPage.h"

class QCheckBox;
class QComboBox;
class QLabel;

/// "Messbereich": measuring range, calibration range, unit, decimal places and output range.
class CPropPageMessbereich : public CAbglWizardPage {
    Q_OBJECT

public:
    explicit CPropPageMessbereich(CAbglWizard& wizard);
    void initializePage() override;
    std::optional<int> Leave() override;

private:
    QLineEdit* Edit(int nId);
    void Show(const CAbglMessbereichRules::Values& werte);
    std::optional<CAbglMessbereichRules::Values> Gather();
    void RangeEdited(QLineEdit* from, QLineEdit* to);
    void UnitChosen();
    void Quick(CAbglWizardRules::Ausgang ausgang);

    QLineEdit* m_anfang;
    QLineEdit* m_ende;
    QLineEdit* m_abglAnfang;
    QLineEdit* m_abglEnde;
    QComboBox* m_einheit;
    QComboBox* m_komma;
    QLineEdit* m_ausgAnfang;
    QLineEdit* m_ausgEnde;
    QCheckBox* m_ueberspringen;
    QLabel* m_einheit1;
    QLabel* m_einheit2;
    bool m_bOpened = false;
};
