#pragma once

#include <QDialog>

class QButtonGroup;

/// "Transmitter": the hand choice of the transmitter type among the seven types an identification does
/// not tell (CTypAuswahl).
class CDlgTransmitterHalvard : public QDialog {
    Q_OBJECT

public:
    explicit CDlgTransmitterHalvard(int nTyp, QWidget* parent = nullptr);

    /// The type of the chosen button.
    int Typ() const;

private:
    QButtonGroup* m_buttons;
};
