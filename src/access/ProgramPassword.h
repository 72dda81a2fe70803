#pragma once

#include <QCoreApplication>
#include <QString>

class CQuillonDoc;
class IOperator;
class IPasswordDialogs;

/// The program password: asked once when the window is first drawn, changed with "Passwort...". The
/// master password is accepted wherever the program password is; an empty program password asks
/// nothing.
class CProgramPassword {
    Q_DECLARE_TR_FUNCTIONS(CProgramPassword)

public:
    CProgramPassword(CQuillonDoc& doc, IOperator& op, IPasswordDialogs& dialogs);

    /// True when the user may go on; false after "Abbrechen" or a wrong password (told once, no retry).
    bool CheckPassword();
    /// "Passwort...": old password, new one and its confirmation. An empty new password removes the
    /// protection.
    void ChangeProgramPassword();

private:
    bool IsAccepted(const QString& typed) const;

    CQuillonDoc& m_doc;
    IOperator& m_operator;
    IPasswordDialogs& m_dialogs;
};
