#pragma once

#include "access/PasswordDialogs.h"

class QWidget;

/// The password dialogs of the window: "Passworteingabe", "Passwort ändern" and "Freigabe", modal over
/// the given parent.
class CPasswordDialogs : public IPasswordDialogs {
public:
    explicit CPasswordDialogs(QWidget* parent);

    std::optional<QString> AskPassword() override;
    std::optional<PasswordChange> AskPasswordChange(const QString& altVorgabe) override;
    FreigabeAction AskFreigabe() override;

private:
    QWidget* m_pParent;
};
