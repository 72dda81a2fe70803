#pragma once

#include "ui/calibration/AbglWizardPage.h"

class QComboBox;
class QRadioButton;

/// "Analogabgleich": the transmitter and the kind of calibration.
class CPropPageWelcome : public CAbglWizardPage {
    Q_OBJECT

public:
    explicit CPropPageWelcome(CAbglWizard& wizard);
    void initializePage() override;
    std::optional<int> Leave() override;

private:
    QComboBox* m_transmitter;
    QRadioButton* m_neu;
    QRadioButton* m_nach;
    QRadioButton* m_optionen;
};
