#include "ui/access/ChangePsw.h"

#include "ui/access/DialogButtons.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

CChangePsw::CChangePsw(const QString& altVorgabe, QWidget* parent)
    : QDialog(parent)
    , m_pAlt(MaskedField())
    , m_pNeu(MaskedField())
    , m_pBestaetigung(MaskedField()) {
    setWindowTitle(tr("Passwort ändern"));
    m_pAlt->setText(altVorgabe);
    auto* form = new QFormLayout;
    form->addRow(tr("Altes Passwort:"), m_pAlt);
    form->addRow(tr("Neues Passwort:"), m_pNeu);
    form->addRow(tr("Passwortbestätigung:"), m_pBestaetigung);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(CDialogButtons::OkCancel(this));
    (altVorgabe.isEmpty() ? m_pAlt : m_pNeu)->setFocus();
}

QLineEdit* CChangePsw::MaskedField() {
    auto* field = new QLineEdit(this);
    field->setEchoMode(QLineEdit::Password);
    field->setMinimumWidth(200);
    return field;
}

IPasswordDialogs::PasswordChange CChangePsw::Values() const {
    return {m_pAlt->text(), m_pNeu->text(), m_pBestaetigung->text()};
}
