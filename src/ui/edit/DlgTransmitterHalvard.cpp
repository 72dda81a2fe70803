#include "ui/edit/DlgTransmitterHalvard.h"

#include "base/TypKatalog.h"
#include "edit/TypAuswahl.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

CDlgTransmitterHalvard::CDlgTransmitterHalvard(int nTyp, QWidget* parent)
    : QDialog(parent)
    , m_buttons(new QButtonGroup(this)) {
    setWindowTitle(tr("Transmitter"));
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(tr("Transmitter-Typ"));
    auto* radios = new QVBoxLayout(group);
    for (int i = 0; i < CTypAuswahl::kKnoepfe; ++i) {
        auto* radio = new QRadioButton(CTypKatalog::GetTypText(CTypAuswahl::TypFor(i)));
        m_buttons->addButton(radio, i);
        radios->addWidget(radio);
    }
    m_buttons->button(CTypAuswahl::KnopfFor(nTyp))->setChecked(true);
    layout->addWidget(group);
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(tr("Abbrechen"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

int CDlgTransmitterHalvard::Typ() const {
    return CTypAuswahl::TypFor(m_buttons->checkedId());
}
