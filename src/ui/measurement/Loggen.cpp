#include "ui/measurement/Loggen.h"

#include "shell/Edition.h"
#include "ui/measurement/DlgLogAnzeige.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

/// One row of a live value: its label, the value and the unit, each found by the control's id.
void AddValueRow(QGridLayout* grid, int row, const QString& label, const QString& value, const QString& unit,
                 int nId) {
    auto* text = new QLabel(value);
    text->setObjectName(QStringLiteral("ctl%1").arg(nId));
    text->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    text->setMinimumWidth(text->fontMetrics().horizontalAdvance(QStringLiteral("+00000.000")));
    grid->addWidget(new QLabel(label), row, 0);
    grid->addWidget(text, row, 1);
    grid->addWidget(new QLabel(unit), row, 2);
}

} // namespace

CLoggen::CLoggen(const CLoggenRules::Values& values, QWidget* parent)
    : QDialog(parent)
    , m_values(values)
    , m_intervall(new QLineEdit(values.intervall, this))
    , m_loggen(new QCheckBox(tr("Loggen"), this))
    , m_datei(new QLineEdit(values.logFile, this)) {
    setWindowTitle(tr("Messwerte"));
    setObjectName(QStringLiteral("loggen"));
    m_intervall->setObjectName(QStringLiteral("ctl1027"));
    m_intervall->setValidator(new QIntValidator(0, 999, m_intervall));
    m_intervall->setMaxLength(3);
    m_intervall->setMaximumWidth(m_intervall->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 8);
    m_loggen->setObjectName(QStringLiteral("ctl1038"));
    m_loggen->setChecked(values.bLoggen);
    m_datei->setObjectName(QStringLiteral("ctl1023"));

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole)->setObjectName(QStringLiteral("ok"));
    buttons->addButton(tr("Abbrechen"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CLoggen::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CLoggen::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildValues());
    layout->addWidget(BuildSettings());
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* CLoggen::BuildValues() {
    auto* group = new QGroupBox(tr("Aktuelle Werte"), this);
    auto* grid = new QGridLayout;
    AddValueRow(grid, 0, tr("Messwert:"), m_values.messwert, m_values.einheit, 1025);
    int row = 1;
    if (m_values.bTemperatur) {
        AddValueRow(grid, row++, tr("Temperatur:"), m_values.temperatur, QStringLiteral("°C"), 1026);
    }
    if (m_values.bDruecke) {
        AddValueRow(grid, row++, tr("P1:"), m_values.p1, m_values.einheit, 1028);
        AddValueRow(grid, row++, tr("P2:"), m_values.p2, m_values.einheit, 1029);
    }
    auto* holen = new QPushButton(tr("Daten holen"), group);
    holen->setObjectName(QStringLiteral("ctl1041"));
    holen->setAutoDefault(false);
    connect(holen, &QPushButton::clicked, this, [this] { done(kDatenHolen); });
    auto* box = new QHBoxLayout(group);
    box->addLayout(grid);
    box->addWidget(holen, 0, Qt::AlignTop);
    return group;
}

QWidget* CLoggen::BuildSettings() {
    auto* group = new QGroupBox(this);
    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel(tr("Intervall:")), 0, 0);
    grid->addWidget(m_intervall, 0, 1);
    grid->addWidget(new QLabel(tr("Sek.")), 0, 2);
    grid->addWidget(m_loggen, 0, 3);
    grid->addWidget(new QLabel(tr("Datei:")), 1, 0);
    grid->addWidget(m_datei, 1, 1, 1, 3);
    auto* choose = new QPushButton(QStringLiteral("..."), group);
    choose->setObjectName(QStringLiteral("ctl1024"));
    choose->setAutoDefault(false);
    connect(choose, &QPushButton::clicked, this, &CLoggen::ChooseFile);
    grid->addWidget(choose, 1, 4);
    auto* show = new QPushButton(tr("Log-Datei anzeigen..."), group);
    show->setObjectName(QStringLiteral("logAnzeigen"));
    show->setAutoDefault(false);
    connect(show, &QPushButton::clicked, this, &CLoggen::ShowLogFile);
    grid->addWidget(show, 2, 1, 1, 3, Qt::AlignLeft);
    m_datei->setMinimumWidth(m_datei->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 40);
    return group;
}

void CLoggen::ChooseFile() {
    QFileDialog chooser(this);
    chooser.setAcceptMode(QFileDialog::AcceptSave);
    chooser.setNameFilter(CLoggenRules::LogFileFilter());
    chooser.setDefaultSuffix(CLoggenRules::LogFileSuffix());
    // The log is only ever appended to: choosing an existing file is no overwrite.
    chooser.setOption(QFileDialog::DontConfirmOverwrite);
    if (chooser.exec() == QDialog::Accepted && !chooser.selectedFiles().isEmpty()) {
        m_datei->setText(chooser.selectedFiles().constFirst());
    }
}

void CLoggen::ShowLogFile() {
    QString path = m_datei->text();
    if (path.isEmpty() || !QFileInfo::exists(path)) {
        path =
            QFileDialog::getOpenFileName(this, tr("Log-Datei anzeigen"), path, CLoggenRules::LogFileFilter());
        if (path.isEmpty()) {
            return;
        }
    }
    auto* dialog =
        new CDlgLogAnzeige(path, CLogFormat::FromLocale(QLocale::system()), m_values.einheit, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

CLoggenRules::Values CLoggen::Values() const {
    CLoggenRules::Values values = m_values;
    values.intervall = m_intervall->text();
    values.bLoggen = m_loggen->isChecked();
    values.logFile = m_datei->text();
    return values;
}

void CLoggen::accept() {
    if (const std::optional<ValidationProblem> problem = CLoggenRules::Validate(Values())) {
        QMessageBox::warning(this, CEdition::ProgramName(), problem->text);
        m_intervall->setFocus();
        m_intervall->selectAll();
        return;
    }
    QDialog::accept();
}

CMessung::LoggenResult CLoggen::ToResult(int code) {
    if (code == kDatenHolen) {
        return CMessung::LoggenResult::DatenHolen;
    }
    return code == QDialog::Accepted ? CMessung::LoggenResult::Ok : CMessung::LoggenResult::Abbrechen;
}
