#pragma once

#include "access/HardwareSetupRules.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QPushButton;

/// "Hardware Setup": transmitter type, interface kind and port, with "Interface suchen" and "Verbindung
/// prüfen". The dialog ends with the button pressed; the caller runs the search or the check and shows
/// it again (CHardwareSetupRules::Run).
class CHardwareSetup : public QDialog {
    Q_OBJECT

public:
    /// Dialog codes beyond Accepted and Rejected.
    enum Code { CodeCheck = 2, CodeSearch = 3 };

    CHardwareSetup(const CHardwareSetupRules& rules, CHardwareSetupRules::Values& values,
                   QWidget* parent = nullptr);

    /// The button that ended the dialog.
    static CHardwareSetupRules::Result ResultOf(int nCode);
    /// Shows the dialog modally; the values are read back on every button but "Abbrechen".
    static CHardwareSetupRules::Result Ask(const CHardwareSetupRules& rules,
                                           CHardwareSetupRules::Values& values, QWidget* parent);

    QComboBox* TransmitterBox() const { return m_pTransmitter; }
    QComboBox* InterfaceBox() const { return m_pInterface; }
    QComboBox* PortBox() const { return m_pPort; }
    QPushButton* SearchButton() const { return m_pSearch; }
    QPushButton* CheckButton() const { return m_pCheck; }
    QCheckBox* ShowAtStartBox() const { return m_pShowAtStart; }
    QCheckBox* VerifyAfterSendBox() const { return m_pVerifyAfterSend; }
    QPushButton* OkButton() const { return m_pOk; }
    QPushButton* CancelButton() const { return m_pCancel; }

private:
    void FillControls();
    void ReadBack();
    void EndWith(int nCode);
    QPushButton* EndButton(const QString& text, int nCode);

    const CHardwareSetupRules& m_rules;
    CHardwareSetupRules::Values& m_values;
    QComboBox* m_pTransmitter;
    QComboBox* m_pInterface;
    QComboBox* m_pPort;
    QPushButton* m_pSearch;
    QPushButton* m_pCheck;
    QCheckBox* m_pShowAtStart;
    QCheckBox* m_pVerifyAfterSend;
    QPushButton* m_pOk;
    QPushButton* m_pCancel;
};
