#pragma once

#include "edit/LinTabRules.h"
#include "edit/LinTabValues.h"

#include <QDialog>
#include <array>
#include <memory>

class CFieldBinder;
class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QVBoxLayout;

/// "Linearitätskorrektur" for the percent table of the RX89 up to V. 2.2: up to 30 support points of
/// output current and measured value in percent. The range editors derive from it; CLinTabRules holds
/// the row states, the regeneration and the checks.
class CLinTab : public QDialog {
    Q_OBJECT

public:
    /// The editor that the values' kind asks for.
    static std::unique_ptr<CLinTab> Create(const CLinTabValues& werte, const CLinTabRules& rules,
                                           QWidget* parent = nullptr);

    CLinTab(const CLinTabValues& werte, const CLinTabRules& rules, QWidget* parent = nullptr);

    const CLinTabValues& Values() const { return m_values; }
    /// What to hand back to the edit dialog after "OK".
    CLinTabRules::Ergebnis Result() const;
    void accept() override;

protected:
    virtual void Fill();
    virtual void Gather();
    void ShowProblem(const ValidationProblem& problem);

    CLinTabRules m_rules;
    CLinTabValues m_values;
    CFieldBinder* m_binder;
    QVBoxLayout* m_layout;
    QHBoxLayout* m_topRow;
    QComboBox* m_anzahl;

private:
    void BuildHeader();
    void BuildRows();
    void BuildButtons();
    void FillRows();
    void OnAnzahl(int nIndex);

    QLabel* m_wert4mA;
    QLabel* m_wert20mA;
    std::array<QLabel*, CLinTabelle::kPunkte> m_nummer{};
    std::array<QLineEdit*, CLinTabelle::kPunkte> m_x{};
    std::array<QLineEdit*, CLinTabelle::kPunkte> m_y{};
    std::array<QLabel*, CLinTabelle::kPunkte> m_einheit{};
};
