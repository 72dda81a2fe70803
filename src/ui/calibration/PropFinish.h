#pragma once

#include "ui/calibration/AbglWizardPage.h"

/// "Abgleich beendet": Next starts over with the next transmitter, Cancel ends the wizard.
class CPropFinish : public CAbglWizardPage {
    Q_OBJECT

public:
    explicit CPropFinish(CAbglWizard& wizard);
    std::optional<int> Leave() override;
};
