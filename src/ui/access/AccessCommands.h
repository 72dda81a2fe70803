#pragma once

#include "access/ProgramPassword.h"
#include "access/ReleaseEntry.h"
#include "access/RemoteParametrization.h"
#include "ui/access/PasswordDialogs.h"

class CConnection;
class CQuillonDoc;
class CTransmitterLink;
class IOperator;
class QWidget;

/// The window's commands of the access control: the password check of the first paint, "Passwort..."
/// and "Info über Varnex..." with the release entry behind the about box.
class CAccessCommands {
public:
    CAccessCommands(CQuillonDoc& doc, IOperator& op, CTransmitterLink& link, CConnection& connection,
                    QWidget* parent);

    /// The first paint's password check; false ends the program.
    bool CheckPassword();
    /// "Passwort...".
    void ChangeProgramPassword();
    /// "Info über Varnex...": the about box, and after it the release entry when Ctrl+Enter was used.
    void About();

private:
    QWidget* m_pParent;
    CPasswordDialogs m_dialogs;
    CProgramPassword m_password;
    CRemoteParametrization m_remote;
    CReleaseEntry m_release;
};
