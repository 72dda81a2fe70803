#include "ui/setup/PCInterface.h"

#include "access/PCInterfaceRules.h"
#include "ui/access/DialogButtons.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

CPCInterface::CPCInterface(int nValue, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("PC-Interface"));
    const QStringList texts = CPCInterfaceRules::ChoiceTexts();
    auto* group = new QGroupBox(tr("Interface"), this);
    m_pPL40 = new QRadioButton(texts.at(0), group);
    m_pPL45 = new QRadioButton(texts.at(1), group);
    (nValue != 0 ? m_pPL45 : m_pPL40)->setChecked(true);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(m_pPL40);
    groupLayout->addWidget(m_pPL45);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(CDialogButtons::OkCancel(this));
}

int CPCInterface::Value() const {
    return m_pPL45->isChecked() ? 1 : 0;
}
