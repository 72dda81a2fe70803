#pragma once

#include "ui/edit/LinTab.h"

class QLineEdit;

/// "Linearitätskorrektur" of the KA71: display value against measured value, shown in the free display
/// range ("Freier Messbereich" with "Komma:") and the display unit, stored on the 0..10000 scale; the
/// first choice "radiziert" is the square-root characteristic.
class CLinTab_Druck_KA71 : public CLinTab {
    Q_OBJECT

public:
    CLinTab_Druck_KA71(const CLinTabValues& werte, const CLinTabRules& rules, QWidget* parent = nullptr);

protected:
    void Fill() override;
    void Gather() override;

private:
    void OnFreiVerlassen(int nFeld);
    void OnKomma(int nIndex);

    QLineEdit* m_freiAnfang;
    QLineEdit* m_freiEnde;
    QComboBox* m_komma;
    bool m_bMeldet = false;
};
