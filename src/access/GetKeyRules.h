#pragma once

#include <QString>
#include <functional>
#include <optional>

/// What the about box's hidden field remembers of the keys typed into it: Ctrl+Enter (character code
/// 10) sets the key flag and asks for a password, which is remembered when confirmed; any other
/// character forgets the password again. Nothing of it shows.
class CGetKeyRules {
public:
    static constexpr int kCtrlEnter = 10;

    /// Asks for the password; nothing on "Abbrechen".
    using AskPassword = std::function<std::optional<QString>()>;

    void Reset();
    void OnCharacter(int nCode, const AskPassword& ask);

    bool KeyFlag() const { return m_bKey; }
    const QString& Passwort() const { return m_strPasswort; }

private:
    bool m_bKey = false;
    QString m_strPasswort;
};
