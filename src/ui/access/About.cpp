#include "ui/access/About.h"

#include "access/AboutRules.h"
#include "ui/access/DialogButtons.h"
#include "ui/access/GetKey.h"
#include "ui/access/Passwort.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

CAbout::CAbout(QWidget* parent)
    : QDialog(parent)
    , m_pGetKey(new CGetKey(this))
    , m_pVersion(new QLabel(CAboutRules::VersionText(), this)) {
    setWindowTitle(tr("Info über Varnex"));
    auto* icon = new QLabel(this);
    const QIcon appIcon = QApplication::windowIcon().isNull()
                              ? style()->standardIcon(QStyle::SP_MessageBoxInformation)
                              : QApplication::windowIcon();
    icon->setPixmap(appIcon.pixmap(48, 48));
    icon->setAlignment(Qt::AlignTop);
    QFont bold = m_pVersion->font();
    bold.setBold(true);
    m_pVersion->setFont(bold);
    auto* notice = new QLabel(CAboutRules::MakerNotice(), this);

    auto* texts = new QVBoxLayout;
    texts->addWidget(m_pVersion);
    texts->addWidget(notice);
    texts->addWidget(m_pGetKey);
    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addLayout(texts, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    QDialogButtonBox* buttons = CDialogButtons::OkOnly(this);
    for (QAbstractButton* button : buttons->buttons()) {
        // The keys belong to the hidden field; a click still closes the box.
        button->setFocusPolicy(Qt::NoFocus);
    }
    layout->addWidget(buttons);
    m_pGetKey->SetAskPassword([this] { return AskPassword(); });
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CAbout::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    m_pGetKey->Reset();
    m_pGetKey->setFocus();
}

std::optional<QString> CAbout::AskPassword() {
    CPasswort dialog(this);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Passwort();
}

bool CAbout::KeyFlag() const {
    return m_pGetKey->Rules().KeyFlag();
}

QString CAbout::Passwort() const {
    return m_pGetKey->Rules().Passwort();
}
