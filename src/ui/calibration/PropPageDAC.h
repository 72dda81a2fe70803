#pragma once

#include "ui/calibration/AbglWizardPage.h"

#include <array>

class QComboBox;
class QLabel;
class QPushButton;

/// "DAC-Abgleich": the DAC values of the output at its start, middle and end, found by driving the
/// output and reading it on an external meter.
class CPropPageDAC : public CAbglWizardPage {
    Q_OBJECT

public:
    explicit CPropPageDAC(CAbglWizard& wizard);
    void initializePage() override;
    std::optional<int> Leave() override;
    /// Hands the output back to the transmitter if the page drove it ("Ausgang freigeben").
    void ReleaseOutput();

private:
    struct Punkt {
        QLabel* label;
        QLineEdit* edit;
        QPushButton* minus;
        QPushButton* plus;
        QPushButton* setzen;
    };

    std::optional<int> Value(int nPoint);
    void Step(int nPoint, int nStep);
    void SetOutput(int nPoint);
    void PointsChosen();
    void UpdateMiddle();
    bool SetDac(int nValue);

    QComboBox* m_punkte;
    std::array<Punkt, 3> m_punkt{};
    bool m_bDriven = false;
};
