#include "ui/calibration/DlgAbgleichdaten.h"

#include "shell/Edition.h"

#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

CDlgAbgleichdaten::CDlgAbgleichdaten(CAbgleichdaten& record, const QString& title, const QString& name,
                                     QWidget* parent)
    : QDialog(parent)
    , m_record(record) {
    setWindowTitle(title);
    setObjectName(name);
}

void CDlgAbgleichdaten::Build(const QList<CAbgleichRecordRules::Entry>& entries,
                              const QList<CAbglEintraege::Beschriftung>& rows) {
    m_table = new CAbglEintraege(entries, rows, this);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole)->setObjectName(QStringLiteral("ok"));
    buttons->addButton(tr("Abbrechen"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgAbgleichdaten::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDlgAbgleichdaten::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    layout->addWidget(buttons);
}

void CDlgAbgleichdaten::accept() {
    const QList<CAbgleichRecordRules::Entry> entries = m_table->Entries();
    if (const std::optional<ValidationProblem> problem = CAbgleichRecordRules::Validate(entries)) {
        const QString label = m_table->Label(problem->field);
        QMessageBox::warning(this, CEdition::ProgramName(),
                             label.isEmpty() ? problem->text
                                             : QStringLiteral("%1: %2").arg(label, problem->text));
        m_table->FocusEntry(problem->field);
        return;
    }
    CAbgleichRecordRules::Apply(entries, m_record);
    QDialog::accept();
}
