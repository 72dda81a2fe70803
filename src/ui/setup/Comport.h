#pragma once

#include "access/ComportRules.h"

#include <QDialog>
#include <QList>

class QButtonGroup;
class QPushButton;
class QRadioButton;

/// "Schnittstelle": the port of the interface among COM1 to COM8, and "PL45 suchen". The dialog ends
/// with the button pressed; the caller runs the search and shows it again (CComportRules::Run).
class CComport : public QDialog {
    Q_OBJECT

public:
    enum Code { CodeSearch = 2 };

    CComport(const CComportRules& rules, CComportRules::Values& values, QWidget* parent = nullptr);

    static CComportRules::Result ResultOf(int nCode);
    static CComportRules::Result Ask(const CComportRules& rules, CComportRules::Values& values,
                                     QWidget* parent);

    QRadioButton* PortButton(int nIndex) const { return m_buttons.at(nIndex); }
    QPushButton* SearchButton() const { return m_pSearch; }

private:
    void ReadBack();

    CComportRules::Values& m_values;
    QButtonGroup* m_pGroup;
    QList<QRadioButton*> m_buttons;
    QPushButton* m_pSearch;
};
