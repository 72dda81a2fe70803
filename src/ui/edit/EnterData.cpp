#include "ui/edit/EnterData.h"

#include "edit/EnterDataRules.h"
#include "ui/edit/FieldBinder.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

CEnterData::CEnterData(QWidget* parent)
    : QDialog(parent)
    , m_binder(new CFieldBinder(this))
    , m_index(new QLineEdit)
    , m_wert(new QLineEdit) {
    setWindowTitle(tr("Dateneingabe"));
    auto* layout = new QFormLayout(this);
    layout->addRow(tr("Index"), m_index);
    layout->addRow(tr("Wert"), m_wert);
    m_binder->Add(CEnterDataRules::kIndex, m_index);
    m_binder->Add(CEnterDataRules::kWert, m_wert);
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(tr("Abbrechen"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &CEnterData::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CEnterData::reject);
    layout->addRow(buttons);
}

void CEnterData::SetPresets(const QString& index, const QString& wert) {
    m_index->setText(index);
    m_wert->setText(wert);
}

QString CEnterData::Index() const {
    return m_index->text();
}

QString CEnterData::Wert() const {
    return m_wert->text();
}

void CEnterData::accept() {
    if (const auto problem = CEnterDataRules::Validate(Index(), Wert())) {
        m_binder->Show(*problem);
        return;
    }
    QDialog::accept();
}
