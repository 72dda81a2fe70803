#include "ui/setup/Comport.h"

#include "ui/access/DialogButtons.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

CComport::CComport(const CComportRules& rules, CComportRules::Values& values, QWidget* parent)
    : QDialog(parent)
    , m_values(values)
    , m_pGroup(new QButtonGroup(this))
    , m_pSearch(new QPushButton(tr("PL45 suchen"), this)) {
    setWindowTitle(tr("Schnittstelle"));
    auto* group = new QGroupBox(tr("PC-Schnittstelle"), this);
    auto* grid = new QGridLayout(group);
    for (int i = 0; i < CComportRules::kPortCount; ++i) {
        auto* button = new QRadioButton(rules.PortText(i), group);
        button->setEnabled(values.enabled.at(static_cast<size_t>(i)));
        m_pGroup->addButton(button, i);
        grid->addWidget(button, i % 4, i / 4);
        m_buttons.append(button);
    }
    if (values.nSelected >= 0 && values.nSelected < CComportRules::kPortCount) {
        m_buttons.at(values.nSelected)->setChecked(true);
    }
    m_pSearch->setEnabled(values.bSearchEnabled);
    m_pSearch->setAutoDefault(false);
    connect(m_pSearch, &QPushButton::clicked, this, [this] {
        ReadBack();
        done(CodeSearch);
    });
    QDialogButtonBox* buttons = CDialogButtons::OkCancel(this);
    disconnect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        ReadBack();
        accept();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(m_pSearch, 0, Qt::AlignLeft);
    layout->addWidget(buttons);
}

void CComport::ReadBack() {
    if (m_pGroup->checkedId() >= 0) {
        m_values.nSelected = m_pGroup->checkedId();
    }
}

CComportRules::Result CComport::ResultOf(int nCode) {
    switch (nCode) {
    case Accepted:
        return CComportRules::Result::Ok;
    case CodeSearch:
        return CComportRules::Result::Search;
    default:
        return CComportRules::Result::Cancel;
    }
}

CComportRules::Result CComport::Ask(const CComportRules& rules, CComportRules::Values& values,
                                    QWidget* parent) {
    CComport dialog(rules, values, parent);
    return ResultOf(dialog.exec());
}
