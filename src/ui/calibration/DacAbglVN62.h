#pragma once

#include "calibration/DacAbglVN62Loop.h"

#include <QDialog>
#include <array>

class QSpinBox;

/// "DAC-Abgleich VN62": the three DAC points of each of the VN62's two outputs, each with a spin button
/// and "Set". The page ends for every action and is shown again by the loop; "Default" acts within it.
/// Whatever ends it, the six values it shows go back to the loop. The spin boxes take any word (a point
/// read from the transmitter is never cut to the DAC's range unseen); "Set", "DAC-Abgl senden" and "OK"
/// refuse a point above 4095. Spin boxes are named "dac0".."dac5", buttons "set0".."set5", "lesen",
/// "senden", "freigeben", "default", "ok", "cancel".
class CDacAbglVN62 : public QDialog, public CDacAbglVN62Loop::IView {
    Q_OBJECT

public:
    explicit CDacAbglVN62(QWidget* parent = nullptr);

    CDacAbglVN62Loop::Outcome Show(CDacAbglVN62Loop::Points& points) override;

private:
    using Action = CDacAbglVN62Loop::Action;

    QWidget* BuildOutput(const QString& title, int nFirst);
    QPushButton* ActionButton(const QString& text, const QString& name, Action action, int nRow = 0,
                              bool bValidate = false);
    CDacAbglVN62Loop::Points Shown() const;
    void End(Action action, int nRow, bool bValidate);
    void OnDefault();

    std::array<QSpinBox*, 6> m_points{};
    CDacAbglVN62Loop::Outcome m_outcome{Action::Abbrechen};
};
