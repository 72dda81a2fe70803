#include "ui/edit/EnterData.h"

#include "edit/EnterDataRules.h"
#include "ui/edit/FieldBinder.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

CEnterData::CEnterData(const QString& strWert, QWidget* parent)
    : QDialog(parent)
    , m_binder(new CFieldBinder(this))
    , m_index(new QLineEdit)
    , m_wert(new QLineEdit(strWert)) {
    setWindowTitle(tr("Dateneingabe"));
    setObjectName(QStringLiteral("enterData"));
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
    if (!strWert.isEmpty()) {
        // The preset shows the form the command expects; the person types over it at once.
        m_wert->setFocus();
        m_wert->selectAll();
    }
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
