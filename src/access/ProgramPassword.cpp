#include "access/ProgramPassword.h"

#include "access/PasswordDialogs.h"
#include "access/PasswordRules.h"
#include "core/Operator.h"
#include "document/QuillonDoc.h"

#include <optional>

CProgramPassword::CProgramPassword(CQuillonDoc& doc, IOperator& op, IPasswordDialogs& dialogs)
    : m_doc(doc)
    , m_operator(op)
    , m_dialogs(dialogs) {}

bool CProgramPassword::IsAccepted(const QString& typed) const {
    return CPasswordRules::IsEqual(typed, m_doc.GetPasswort()) ||
           CPasswordRules::IsEqual(typed, CQuillonDoc::GetMasterPasswort());
}

bool CProgramPassword::CheckPassword() {
    // Exact comparison: the session password is what was typed, the stored one is in upper case; an
    // unset program password equals the empty session password of a fresh start.
    const QString& sitzung = m_doc.GetSitzungsPasswort();
    if (sitzung == m_doc.GetPasswort() || sitzung == CQuillonDoc::GetMasterPasswort()) {
        return true;
    }
    const std::optional<QString> typed = m_dialogs.AskPassword();
    if (!typed) {
        return false;
    }
    if (IsAccepted(*typed)) {
        m_doc.SetSitzungsPasswort(*typed);
        return true;
    }
    m_operator.Message(tr("Das Passwort ist nicht korrekt!"), QString(), IOperator::Icon::Warning);
    return false;
}

void CProgramPassword::ChangeProgramPassword() {
    const std::optional<IPasswordDialogs::PasswordChange> change = m_dialogs.AskPasswordChange(QString());
    if (!change) {
        return;
    }
    if (!IsAccepted(change->alt) || !CPasswordRules::IsEqual(change->neu, change->bestaetigung)) {
        m_operator.Message(tr("Die Passwörter sind nicht korrekt!"), QString(), IOperator::Icon::Warning);
        return;
    }
    QString neu = change->neu;
    if (!CPasswordRules::IsValidPassword(neu)) {
        m_operator.Message(tr("Ungültige Zeichen im Passwort!"), QString(), IOperator::Icon::Warning);
        return;
    }
    m_doc.SetPasswort(neu);
    m_doc.SetSitzungsPasswort(neu);
    m_operator.Message(tr("Das Passwort wurde geändert!"), QString(), IOperator::Icon::Information);
}
