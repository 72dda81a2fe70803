#pragma once

#include "edit/KonfigurationRules.h"
#include "edit/KonfigurationValues.h"

#include <QDialog>

class CFieldBinder;
class QLabel;
class QLineEdit;

/// "Konfiguration" of the types 2 to 10: the live value, offset and span correction, zero window and key
/// lock (the KA71's password). Its buttons end it with their own result; the caller runs the transfer and
/// shows it again.
class CKonfiguration : public QDialog {
    Q_OBJECT

public:
    /// The dialog's results besides Accepted (OK) and Rejected (Abbrechen).
    enum Ergebnis { kUebertragen = 1029, kAuslesen = 1030, kNeuerMesswert = 1041 };

    CKonfiguration(const CKonfigurationValues& werte, const QLocale& locale, QWidget* parent = nullptr);

    /// The values as the dialog holds them; after OK or "Übertragen" they passed every check.
    const CKonfigurationValues& Values() const { return m_values; }
    void accept() override;

private:
    void BuildMesswerte(class QVBoxLayout* layout);
    void BuildKalibrierung(class QVBoxLayout* layout);
    void Fill();
    void Gather();
    bool Check();
    void OnUebertragen();
    void OnRuecksetzen();

    CKonfigurationRules m_rules;
    CKonfigurationValues m_values;
    CFieldBinder* m_binder;
    QLineEdit* m_offset = nullptr;
    QLineEdit* m_spanne = nullptr;
    QLineEdit* m_nullpunkt = nullptr;
    QLineEdit* m_tastensperre = nullptr;
};
