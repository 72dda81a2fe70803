#include "ui/access/Passwort.h"

#include "ui/access/DialogButtons.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

CPasswort::CPasswort(QWidget* parent)
    : QDialog(parent)
    , m_pField(new QLineEdit(this)) {
    setWindowTitle(tr("Passworteingabe"));
    m_pField->setEchoMode(QLineEdit::Password);
    m_pField->setMinimumWidth(200);
    auto* form = new QFormLayout;
    form->addRow(tr("Passwort:"), m_pField);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(CDialogButtons::OkCancel(this));
    m_pField->setFocus();
}

QString CPasswort::Passwort() const {
    return m_pField->text();
}
