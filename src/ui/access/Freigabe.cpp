#include "ui/access/Freigabe.h"

#include "ui/access/DialogButtons.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

using FreigabeAction = IPasswordDialogs::FreigabeAction;

CFreigabe::CFreigabe(QWidget* parent)
    : QDialog(parent)
    , m_pFreigeben(ActionButton(tr("Freigeben"), FreigabeAction::Freigeben))
    , m_pSperren(ActionButton(tr("Sperren"), FreigabeAction::Sperren))
    , m_pPasswort(ActionButton(tr("Passwort ändern"), FreigabeAction::PasswortAendern)) {
    setWindowTitle(tr("Freigabe"));
    auto* group = new QGroupBox(tr("Schnittstelle"), this);
    auto* groupLayout = new QHBoxLayout(group);
    groupLayout->addWidget(m_pFreigeben);
    groupLayout->addWidget(m_pSperren);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(m_pPasswort, 0, Qt::AlignLeft);
    layout->addWidget(CDialogButtons::OkOnly(this));
}

QPushButton* CFreigabe::ActionButton(const QString& text, FreigabeAction action) {
    auto* button = new QPushButton(text, this);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, action] {
        m_action = action;
        accept();
    });
    return button;
}
