#include "ui/calibration/AbglWizardPage.h"

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
    bool bOk = false;
    const double value = edit->text().trimmed().replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&bOk);
    if (!bOk) {
        Refuse(edit, tr("Bitte eine Zahl eingeben."));
        return std::nullopt;
    }
    return value;
}

void CAbglWizardPage::Refuse(QWidget* field, const QString& text) {
    m_wizard.Operator().Message(text);
    field->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(field)) {
        edit->selectAll();
    }
}

QString CAbglWizardPage::Text(double value) {
    return QString::number(value, 'g', kStellen);
}
