#include "ui/calibration/AbglWizardPage.h"

#include "base/NumberField.h"
#include "core/Operator.h"
#include "ui/calibration/AbglWizard.h"

#include <QLineEdit>

CAbglWizardPage::CAbglWizardPage(CAbglWizard& wizard)
    : QWizardPage(&wizard)
    , m_wizard(wizard) {}

namespace {

/// The document keeps single precision: more digits would show its rounding (4.67 as 4.670000076).
constexpr int kStellen = 7;

} // namespace

std::optional<double> CAbglWizardPage::Number(QLineEdit* edit) {
    const std::optional<double> value = CNumberField::Parse(edit->text(), QLocale());
    if (!value) {
        Refuse(edit, CNumberField::MsgZahl());
    }
    return value;
}

double CAbglWizardPage::Shown(const QLineEdit* edit) {
    return CNumberField::Parse(edit->text(), QLocale()).value_or(0);
}

void CAbglWizardPage::Refuse(QWidget* field, const QString& text) {
    m_wizard.Operator().Message(text);
    field->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(field)) {
        edit->selectAll();
    }
}

QString CAbglWizardPage::Text(double value) {
    return CNumberField::Format(value, QLocale(), kStellen);
}
