#pragma once

#include "access/PasswordDialogs.h"

#include <QQueue>
#include <QStringList>

/// The password dialogs of unit tests: answer from a script and record what was asked. Without a
/// scripted answer every dialog is cancelled ("Freigabe" closes with "OK").
class CScriptedPasswordDialogs : public IPasswordDialogs {
public:
    std::optional<QString> AskPassword() override {
        ++passwordPrompts;
        return passwords.isEmpty() ? std::nullopt : passwords.dequeue();
    }

    std::optional<PasswordChange> AskPasswordChange(const QString& altVorgabe) override {
        changePresets.append(altVorgabe);
        return changes.isEmpty() ? std::nullopt : changes.dequeue();
    }

    FreigabeAction AskFreigabe() override {
        ++freigabeShown;
        return actions.isEmpty() ? FreigabeAction::Ok : actions.dequeue();
    }

    QQueue<std::optional<QString>> passwords;
    QQueue<std::optional<PasswordChange>> changes;
    QQueue<FreigabeAction> actions;
    int passwordPrompts = 0;
    QStringList changePresets;
    int freigabeShown = 0;
};
