#pragma once

#include "access/PasswordDialogs.h"

#include <QDialog>

class QPushButton;

/// "Freigabe": releases or locks the remote parametrization of the attached transmitter, or changes the
/// release password. Each of the three buttons closes the dialog at once with its action; "OK" closes
/// it without one.
class CFreigabe : public QDialog {
    Q_OBJECT

public:
    explicit CFreigabe(QWidget* parent = nullptr);

    /// The action of the button that closed the dialog.
    IPasswordDialogs::FreigabeAction Action() const { return m_action; }

    QPushButton* FreigebenButton() const { return m_pFreigeben; }
    QPushButton* SperrenButton() const { return m_pSperren; }

private:
    QPushButton* ActionButton(const QString& text, IPasswordDialogs::FreigabeAction action);

    IPasswordDialogs::FreigabeAction m_action = IPasswordDialogs::FreigabeAction::Ok;
    QPushButton* m_pFreigeben;
    QPushButton* m_pSperren;
    QPushButton* m_pPasswort;
};
