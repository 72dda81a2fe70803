#include "ui/access/PasswordDialogs.h"

#include "ui/access/ChangePsw.h"
#include "ui/access/Freigabe.h"
#include "ui/access/Passwort.h"

CPasswordDialogs::CPasswordDialogs(QWidget* parent)
    : m_pParent(parent) {}

std::optional<QString> CPasswordDialogs::AskPassword() {
    CPasswort dialog(m_pParent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Passwort();
}

std::optional<IPasswordDialogs::PasswordChange>
CPasswordDialogs::AskPasswordChange(const QString& altVorgabe) {
    CChangePsw dialog(altVorgabe, m_pParent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Values();
}

IPasswordDialogs::FreigabeAction CPasswordDialogs::AskFreigabe() {
    CFreigabe dialog(m_pParent);
    dialog.exec();
    return dialog.Action();
}
