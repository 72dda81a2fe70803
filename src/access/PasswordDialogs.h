#pragma once

#include <QString>
#include <optional>

/// The password dialogs as the access operations need them: the window shows "Passworteingabe",
/// "Passwort ändern" and "Freigabe"; tests answer from a script.
class IPasswordDialogs {
public:
    /// What "Passwort ändern" hands back on "OK".
    struct PasswordChange {
        QString alt;
        QString neu;
        QString bestaetigung;
    };

    /// The button that ended "Freigabe"; each of the three actions closes it at once.
    enum class FreigabeAction { Ok, Freigeben, Sperren, PasswortAendern };

    virtual ~IPasswordDialogs() = default;

    /// "Passworteingabe" with an empty masked field; nothing on "Abbrechen".
    virtual std::optional<QString> AskPassword() = 0;
    /// "Passwort ändern" with "Altes Passwort:" preset; nothing on "Abbrechen".
    virtual std::optional<PasswordChange> AskPasswordChange(const QString& altVorgabe) = 0;
    virtual FreigabeAction AskFreigabe() = 0;
};
