#pragma once

#include "access/PasswordDialogs.h"

#include <QDialog>

class QLineEdit;

/// "Passwort ändern": old password, new password and its confirmation, all masked.
class CChangePsw : public QDialog {
    Q_OBJECT

public:
    /// altVorgabe presets "Altes Passwort:" (the release password); the program password starts empty.
    explicit CChangePsw(const QString& altVorgabe, QWidget* parent = nullptr);

    IPasswordDialogs::PasswordChange Values() const;
    QLineEdit* AltField() const { return m_pAlt; }
    QLineEdit* NeuField() const { return m_pNeu; }
    QLineEdit* BestaetigungField() const { return m_pBestaetigung; }

private:
    QLineEdit* MaskedField();

    QLineEdit* m_pAlt;
    QLineEdit* m_pNeu;
    QLineEdit* m_pBestaetigung;
};
