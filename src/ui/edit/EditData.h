#pragma once

#include "edit/EditDataRules.h"
#include "edit/EditDataValues.h"

#include <QDialog>
#include <QLocale>
#include <memory>

class CFieldBinder;
class QCheckBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

/// "Daten editieren" for the RX89 and every type without its own variant: the parameter set's range,
/// damping, current limits, fault current, tag and linearization. The dialog only copies values in and
/// out; CEditDataRules checks them. The variants of the other types derive from it.
class CEditData : public QDialog {
    Q_OBJECT

public:
    /// The variant that the values' type asks for.
    static std::unique_ptr<CEditData> Create(const CEditDataValues& werte, const QLocale& locale,
                                             QWidget* parent = nullptr);

    CEditData(const CEditDataValues& werte, const QLocale& locale, QWidget* parent = nullptr);

    /// The values as the dialog holds them; after "OK" they passed every check.
    const CEditDataValues& Values() const { return m_values; }
    void accept() override;

protected:
    /// Copies the values into the controls (every variant's own ones after the common ones).
    virtual void Fill();
    /// Copies the controls back into the values.
    virtual void Gather();
    QLineEdit* AddRow(QGridLayout* grid, int nRow, const QString& label, const QString& unit, int nFeld,
                      QLabel** unitLabel = nullptr, QLabel** labelOut = nullptr);
    void ShowProblem(const ValidationProblem& problem);

    CEditDataRules m_rules;
    CEditDataValues m_values;
    CFieldBinder* m_binder;

    QVBoxLayout* m_layout;
    QGroupBox* m_signalGroup;
    QGridLayout* m_signalGrid;
    QGroupBox* m_stromGroup;
    QGroupBox* m_fehlerGroup;
    QLabel* m_fehlerLabel;
    QGroupBox* m_hintGroup;
    QLabel* m_hint;
    QLineEdit* m_messAnfang;
    QLineEdit* m_messEnde;
    QLabel* m_messAnfangLabel;
    QLabel* m_messEndeLabel;
    QLabel* m_messAnfangEinheit;
    QLabel* m_messEndeEinheit;
    QLabel* m_daempfungLabel;
    QLineEdit* m_daempfung;
    QLabel* m_tempDaempfungLabel;
    QLineEdit* m_tempDaempfung;
    QLabel* m_tempDaempfungEinheit;
    QLineEdit* m_stromMin;
    QLineEdit* m_stromMax;
    QLineEdit* m_fehlerstrom;
    QList<QLabel*> m_mAEinheiten;
    QLineEdit* m_bezeichnung;
    QCheckBox* m_linKorrektur;
    QPushButton* m_edit;

private:
    void BuildGrundbereich();
    void BuildSignal();
    void BuildStrom();
    void BuildBottom();
    void OnLinKorrektur(bool bChecked);
    void OnEdit();
    void OnMessbereichEdited();
    void OnRuecksetzen();
    void FillLinKorrektur();
};
