#include "ui/access/AccessCommands.h"

#include "ui/access/About.h"

CAccessCommands::CAccessCommands(CQuillonDoc& doc, IOperator& op, CTransmitterLink& link,
                                 CConnection& connection, QWidget* parent)
    : m_pParent(parent)
    , m_dialogs(parent)
    , m_password(doc, op, m_dialogs)
    , m_remote(link, connection)
    , m_release(doc, op, m_dialogs, m_remote) {}

bool CAccessCommands::CheckPassword() {
    return m_password.CheckPassword();
}

void CAccessCommands::ChangeProgramPassword() {
    m_password.ChangeProgramPassword();
}

void CAccessCommands::About() {
    const QString p = m_release.ReadReleasePassword();
    CAbout about(m_pParent);
    if (about.exec() == QDialog::Accepted && about.KeyFlag()) {
        m_release.Run(p, about.Passwort());
    }
}
