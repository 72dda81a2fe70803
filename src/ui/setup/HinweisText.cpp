#include "ui/setup/HinweisText.h"

#include "access/HinweisTextRules.h"
#include "ui/access/DialogButtons.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

CHinweisText::CHinweisText(bool bShowAtStart, QWidget* parent)
    : QDialog(parent)
    , m_pShowAtStart(new QCheckBox(CHinweisTextRules::CheckBoxText(), this)) {
    setWindowTitle(tr("Hinweis"));
    auto* text = new QLabel(CHinweisTextRules::NoticeText(), this);
    text->setWordWrap(true);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    text->setMinimumWidth(420);
    m_pShowAtStart->setChecked(bShowAtStart);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(m_pShowAtStart);
    layout->addWidget(CDialogButtons::OkOnly(this));
}

bool CHinweisText::ShowAtStart() const {
    return m_pShowAtStart->isChecked();
}
