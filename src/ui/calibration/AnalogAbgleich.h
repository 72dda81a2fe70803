#pragma once

#include "calibration/AnalogAbgleichLoop.h"

#include <QDialog>
#include <QHash>
#include <array>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

/// "Analogabgleich RX30 / RX31 / RX84 / RX96": the whole calibration record of the connected transmitter
/// on one page. The page ends for every action with that action and is shown again by the loop with the
/// updated values; " - ", " + ", the output range buttons and "Update" act within the page. Every control
/// with an id carries it as object name ("ctl1264"), the buttons their action ("get0", "set1", "senden").
class CAnalogAbgleich : public QDialog, public CAnalogAbgleichLoop::IView {
    Q_OBJECT

public:
    explicit CAnalogAbgleich(int nTyp, QWidget* parent = nullptr);

    CAnalogAbgleichLoop::Outcome Show(CAnalogAbgleichRules::Values& values) override;

private:
    using Action = CAnalogAbgleichLoop::Action;

    QWidget* BuildBereich(int nTyp);
    QGroupBox* BuildAdc();
    QGroupBox* BuildDac();
    QWidget* BuildButtons();
    QLineEdit* Edit(int nId, int nChars);
    QPushButton* ActionButton(const QString& text, const QString& name, Action action, int nRow = 0,
                              bool bTakeOver = true);

    void Fill();
    void ShowPointLabels();
    void SelectRange();
    /// The edits into m_values; false (after the message, with the edit focused) when one is refused.
    bool TakeOver();
    bool TakeInteger(int nId, int nMin, int nMax, int& value);
    void End(Action action, int nRow, bool bTakeOver);
    void OnUpdate();
    void OnStep(int nRow, int nDelta);
    void OnRange(CAnalogAbgleichRules::OutputRange range);

    CAnalogAbgleichRules::Values m_values;
    CAnalogAbgleichLoop::Outcome m_outcome{Action::Abbrechen};
    QHash<int, QLineEdit*> m_edits;
    std::array<QLabel*, 5> m_pointLabels{};
    QButtonGroup* m_komma;
    QButtonGroup* m_range;
    QComboBox* m_einheit = nullptr;
    QComboBox* m_gain = nullptr;
};
