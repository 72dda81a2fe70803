#pragma once

#include "calibration/AbglOptionenRules.h"
#include "ui/calibration/AbglWizardPage.h"

#include <array>

class QComboBox;
class QLabel;

/// "Zusätzliche Optionen": characteristic, damping, zero window, output limits, serial number and the
/// factory offset and span correction, which can be tried on the measured value before Next.
class CPropPageOptionen : public CAbglWizardPage {
    Q_OBJECT

public:
    explicit CPropPageOptionen(CAbglWizard& wizard);
    void initializePage() override;
    std::optional<int> Leave() override;

private:
    void Show(const CAbglOptionenRules::Values& werte);
    /// Gathers and checks the page and stores it into document and record.
    bool Store();
    void SendOffsetSpan();

    QComboBox* m_kennlinie;
    QLineEdit* m_daempfung;
    QLineEdit* m_nullpunkt;
    QLineEdit* m_ausgMin;
    QLineEdit* m_ausgMax;
    QLineEdit* m_fehler;
    std::array<QLineEdit*, 3> m_serie{};
    QLineEdit* m_offset;
    QLineEdit* m_spanne;
    QLineEdit* m_messwert;
    QLabel* m_offsetEinheit;
    QLabel* m_messwertEinheit;
    bool m_bOpened = false;
};
