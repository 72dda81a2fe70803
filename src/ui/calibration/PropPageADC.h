#pragma once

#include "ui/calibration/AbglWizardPage.h"

#include <array>

class QComboBox;
class QLabel;
class QPushButton;

/// "ADC-Abgleich": the converter readings of the input at up to five pressures, and the gain.
class CPropPageADC : public CAbglWizardPage {
    Q_OBJECT

public:
    explicit CPropPageADC(CAbglWizard& wizard);
    void initializePage() override;
    std::optional<int> Leave() override;

private:
    struct Zeile {
        QLabel* label;
        QLineEdit* edit;
        QPushButton* auslesen;
    };

    void PointsChosen();
    int Points() const;
    /// The rows as entered, the disabled ones interpolated and shown; nothing on a refused entry.
    std::optional<std::array<qint32, 5>> Rows();
    void ReadRow(int nRow);
    void ReadTemperature();
    void SetGain();

    QComboBox* m_gain;
    QComboBox* m_punkte;
    std::array<Zeile, 5> m_zeile{};
    QLineEdit* m_tAdc;
};
