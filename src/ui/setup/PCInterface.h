#pragma once

#include <QDialog>

class QRadioButton;

/// "PC-Interface": the kind of programming interface, "PL40 (bis 2005)" or "PL45 (ab 2006)".
class CPCInterface : public QDialog {
    Q_OBJECT

public:
    /// nValue: 0 PL40, 1 PL45.
    explicit CPCInterface(int nValue, QWidget* parent = nullptr);

    int Value() const;
    QRadioButton* Choice(int nValue) const { return nValue == 0 ? m_pPL40 : m_pPL45; }

private:
    QRadioButton* m_pPL40;
    QRadioButton* m_pPL45;
};
