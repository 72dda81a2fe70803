#pragma once

#include "calibration/TempAbgleich.h"

#include <QDialog>
#include <array>
#include <functional>

class IOperator;
class QLineEdit;

/// "Temperaturabgleichdaten": the six I-Min and I-Max currents, the six temperatures and their checksum.
/// "Empfangen" reads them from the transmitter, "Senden" checks the entries and writes them, "Beenden"
/// ends; the values live only while the dialog is open.
class CTempAbgleichDialog : public QDialog {
    Q_OBJECT

public:
    /// The operations behind "Empfangen" and "Senden".
    struct Aktionen {
        std::function<bool(CTempAbgleich::Values&)> empfangen;
        std::function<bool(const CTempAbgleich::Values&)> senden;
    };

    CTempAbgleichDialog(Aktionen aktionen, IOperator& op, QWidget* parent = nullptr);

    void SetValues(const CTempAbgleich::Values& werte);
    /// The entries; nothing (message shown, focus on the field) when one is refused.
    std::optional<CTempAbgleich::Values> Values();

private:
    void Empfangen();
    void Senden();
    QLineEdit* Field(int nRow, int nEntry);

    Aktionen m_aktionen;
    IOperator& m_operator;
    std::array<std::array<QLineEdit*, CTempAbgleich::kEntries>, 3> m_rows{};
    QLineEdit* m_checksum = nullptr;
};
