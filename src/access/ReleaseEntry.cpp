#include "access/ReleaseEntry.h"

#include "access/PasswordDialogs.h"
#include "access/PasswordRules.h"
#include "access/RemoteParametrization.h"
#include "core/Operator.h"
#include "document/Einstellungen.h"
#include "document/QuillonDoc.h"

#include <QDir>

CReleaseEntry::CReleaseEntry(CQuillonDoc& doc, IOperator& op, IPasswordDialogs& dialogs,
                             CRemoteParametrization& remote)
    : m_doc(doc)
    , m_operator(op)
    , m_dialogs(dialogs)
    , m_remote(remote) {}

QString CReleaseEntry::ReadReleasePassword() const {
    return m_doc.ReadCfgText();
}

void CReleaseEntry::Run(const QString& p, const QString& typed) {
    QString release = CPasswordRules::ToUpper(p);
    const QString eingabe = CPasswordRules::ToUpper(typed);
    if (CPasswordRules::IsEqual(eingabe, release) ||
        CPasswordRules::IsEqual(eingabe, CQuillonDoc::GetMasterCode())) {
        RunFreigabe(release);
    }
    // Written back whether or not the password matched: a missing file is created with the default.
    WriteBack(release);
}

void CReleaseEntry::RunFreigabe(QString& p) {
    switch (m_dialogs.AskFreigabe()) {
    case IPasswordDialogs::FreigabeAction::Freigeben:
        m_remote.SetRemoteParametrization(true);
        break;
    case IPasswordDialogs::FreigabeAction::Sperren:
        m_remote.SetRemoteParametrization(false);
        break;
    case IPasswordDialogs::FreigabeAction::PasswortAendern:
        if (const std::optional<QString> neu = ChangeReleasePassword(kMinLaenge, p)) {
            p = *neu;
        }
        break;
    case IPasswordDialogs::FreigabeAction::Ok:
        break;
    }
}

std::optional<QString> CReleaseEntry::ChangeReleasePassword(int nMinLaenge, const QString& p) {
    const std::optional<IPasswordDialogs::PasswordChange> change = m_dialogs.AskPasswordChange(p);
    if (!change) {
        return std::nullopt;
    }
    const bool bAltOk = CPasswordRules::IsEqual(change->alt, p) ||
                        CPasswordRules::IsEqual(change->alt, CQuillonDoc::GetMasterCode());
    if (!bAltOk || !CPasswordRules::IsEqual(change->neu, change->bestaetigung)) {
        PasswordError(tr("Die Passwörter sind nicht korrekt!"));
        return std::nullopt;
    }
    QString neu = change->neu;
    if (nMinLaenge <= 0 || neu.size() < nMinLaenge) {
        m_operator.Message(tr("Das Passwort muß mindestens 3 Zeichen lang sein."), QString(),
                           IOperator::Icon::Warning);
        return std::nullopt;
    }
    if (neu.size() > CEinstellungen::kCfgMaxLaenge) {
        // QlSet.cfg holds at most 255 characters; a longer password could never be read back.
        PasswordError(tr("Das Passwort darf höchstens 255 Zeichen lang sein."));
        return std::nullopt;
    }
    if (!CPasswordRules::IsValidPassword(neu)) {
        PasswordError(tr("Ungültige Zeichen im Passwort!"));
        return std::nullopt;
    }
    m_operator.Message(tr("Das Passwort wurde geändert!"), QStringLiteral("Quillon"),
                       IOperator::Icon::Information);
    return neu;
}

void CReleaseEntry::PasswordError(const QString& text) {
    m_operator.Message(text, tr("Passwort-Fehler"), IOperator::Icon::Error);
}

bool CReleaseEntry::WriteBack(const QString& p) {
    if (m_doc.WriteCfgText(p)) {
        return true;
    }
    const QString pfad = QDir::toNativeSeparators(
        QDir(m_doc.GetProgrammVerzeichnis()).absoluteFilePath(CEinstellungen::CfgDateiName()));
    m_operator.Message(tr("Das Freigabe-Passwort konnte nicht gespeichert werden:\n%1\n\n"
                          "Prüfen Sie, ob das Verzeichnis beschreibbar ist.")
                           .arg(pfad),
                       QString(), IOperator::Icon::Error);
    return false;
}
