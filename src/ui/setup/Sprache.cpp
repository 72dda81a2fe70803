#include "ui/setup/Sprache.h"

#include "shell/Edition.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

CSprache::CSprache(const CSpracheRules::Values& values, QWidget* parent)
    : QDialog(parent)
    , m_deutsch(new QRadioButton(tr("Deutsch"), this))
    , m_englisch(new QRadioButton(tr("Englisch"), this)) {
    setWindowTitle(tr("Landessprache"));
    setObjectName(QStringLiteral("sprache"));
    m_deutsch->setObjectName(QStringLiteral("deutsch"));
    m_englisch->setObjectName(QStringLiteral("englisch"));
    m_deutsch->setChecked(values.nSprache == CSpracheRules::kDeutsch);
    m_englisch->setChecked(values.nSprache == CSpracheRules::kEnglisch);

    auto* group = new QGroupBox(tr("Sprache"), this);
    auto* choices = new QVBoxLayout(group);
    choices->addWidget(m_deutsch);
    choices->addWidget(m_englisch);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole)->setObjectName(QStringLiteral("ok"));
    buttons->addButton(tr("Abbrechen"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CSprache::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CSprache::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

CSpracheRules::Values CSprache::Values() const {
    if (m_deutsch->isChecked()) {
        return {CSpracheRules::kDeutsch};
    }
    return {m_englisch->isChecked() ? CSpracheRules::kEnglisch : -1};
}

void CSprache::accept() {
    if (const std::optional<ValidationProblem> problem = CSpracheRules::Validate(Values())) {
        QMessageBox::warning(this, CEdition::ProgramName(), problem->text);
        m_deutsch->setFocus();
        return;
    }
    QDialog::accept();
}
