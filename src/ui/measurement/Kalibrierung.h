#pragma once

#include "measurement/KalibrierungRules.h"
#include "measurement/KorrekturSchleife.h"

#include <QDialog>

class QLineEdit;

/// The dialog "Kalibrierung": a fresh measured value beside the offset and span correction. "Neuer
/// Messwert", "Auslesen" and "Übertragen" end it with their own result for the correction loop to carry
/// out; "Rücksetzen" sets both corrections to 0 in the dialog only.
class CKalibrierung : public QDialog {
    Q_OBJECT

public:
    static constexpr int kNeuerMesswert = 1041;
    static constexpr int kAuslesen = 1030;
    static constexpr int kUebertragen = 1029;

    CKalibrierung(const CKalibrierungRules::Values& values, const CKalibrierungRules& rules,
                  QWidget* parent = nullptr);

    CKalibrierungRules::Values Values() const;
    void accept() override;
    static CKorrekturSchleife::Result ToResult(int code);

private:
    QWidget* BuildMesswert();
    QWidget* BuildKorrektur();
    QWidget* BuildButtons();
    /// Validates, tells the user the first problem and puts the focus on its field.
    bool IsValid();
    void Ruecksetzen();

    CKalibrierungRules::Values m_values;
    const CKalibrierungRules& m_rules;
    QLineEdit* m_offset;
    QLineEdit* m_spanne;
};
