#include "ui/edit/Konfiguration.h"

#include "ui/edit/FieldBinder.h"
#include "ui/edit/FieldRow.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CKonfiguration::CKonfiguration(const CKonfigurationValues& werte, const QLocale& locale, QWidget* parent)
    : QDialog(parent)
    , m_rules(locale)
    , m_values(werte)
    , m_binder(new CFieldBinder(this)) {
    setWindowTitle(tr("Konfiguration"));
    setObjectName(QStringLiteral("konfiguration"));
    auto* layout = new QVBoxLayout(this);
    BuildMesswerte(layout);
    BuildKalibrierung(layout);
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(tr("Abbrechen"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &CKonfiguration::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CKonfiguration::reject);
    layout->addWidget(buttons);
    Fill();
}

void CKonfiguration::BuildMesswerte(QVBoxLayout* layout) {
    auto* group = new QGroupBox(tr("Messwerte"));
    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel(tr("Messdruck:")), 0, 0);
    grid->addWidget(new QLabel(m_values.strMesswert), 0, 1, Qt::AlignRight);
    grid->addWidget(new QLabel(m_values.strEinheit), 0, 2);
    const bool bTemperatur = CKonfigurationRules::TemperaturSichtbar(m_values.nTyp);
    if (bTemperatur) {
        grid->addWidget(new QLabel(tr("Temperatur:")), 1, 0);
        grid->addWidget(new QLabel(m_values.strTemperatur), 1, 1, Qt::AlignRight);
        grid->addWidget(new QLabel(tr("°C")), 1, 2);
    }
    auto* neu = new QPushButton(tr("Neuer Messwert"));
    neu->setAutoDefault(false);
    grid->addWidget(neu, 0, 3, bTemperatur ? 2 : 1, 1);
    connect(neu, &QPushButton::clicked, this, [this] { done(kNeuerMesswert); });
    layout->addWidget(group);
}

void CKonfiguration::BuildKalibrierung(QVBoxLayout* layout) {
    using F = CKonfigurationValues;
    auto* group = new QGroupBox(tr("Kalibrierung"));
    auto* grid = new QGridLayout(group);
    m_offset =
        CFieldRow::AddEdit(grid, 0, tr("Offsetkorrektur"), m_values.strEinheit, *m_binder, F::kOffset).Edit();
    m_spanne = CFieldRow::AddEdit(grid, 1, tr("Spannekorrektur"), tr("% FS"), *m_binder, F::kSpanne).Edit();
    auto* auslesen = new QPushButton(tr("Auslesen"));
    auto* uebertragen = new QPushButton(tr("Übertragen"));
    for (QPushButton* button : {auslesen, uebertragen}) {
        button->setAutoDefault(false);
    }
    grid->addWidget(auslesen, 0, 3);
    grid->addWidget(uebertragen, 1, 3);
    m_nullpunkt =
        CFieldRow::AddEdit(grid, 2, tr("Nullpunktsfenster"), tr("Digits"), *m_binder, F::kNullpunkt).Edit();
    const CFieldRow sperre =
        CFieldRow::AddEdit(grid, 3, CKonfigurationRules::TastensperreLabel(m_values.nTyp), tr("Min."),
                           *m_binder, F::kTastensperre);
    m_tastensperre = sperre.Edit();
    const bool bSperre = CKonfigurationRules::TastensperreSichtbar(m_values.nTyp);
    for (QWidget* w : {sperre.field, static_cast<QWidget*>(sperre.label)}) {
        w->setVisible(bSperre);
    }
    sperre.unit->setVisible(bSperre && !CKonfigurationRules::IstPasswort(m_values.nTyp));
    auto* reset = new QPushButton(tr("Rücksetzen"));
    reset->setAutoDefault(false);
    grid->addWidget(reset, 3, 3);
    layout->addWidget(group);
    connect(auslesen, &QPushButton::clicked, this, [this] { done(kAuslesen); });
    connect(uebertragen, &QPushButton::clicked, this, &CKonfiguration::OnUebertragen);
    connect(reset, &QPushButton::clicked, this, &CKonfiguration::OnRuecksetzen);
}

void CKonfiguration::Fill() {
    m_offset->setText(m_values.strOffset);
    m_spanne->setText(m_values.strSpanne);
    m_nullpunkt->setText(m_values.strNullpunkt);
    m_tastensperre->setText(m_values.strTastensperre);
}

void CKonfiguration::Gather() {
    m_values.strOffset = m_offset->text();
    m_values.strSpanne = m_spanne->text();
    m_values.strNullpunkt = m_nullpunkt->text();
    m_values.strTastensperre = m_tastensperre->text();
}

bool CKonfiguration::Check() {
    Gather();
    if (const auto problem = m_rules.Validate(m_values)) {
        m_binder->Show(*problem);
        return false;
    }
    return true;
}

void CKonfiguration::accept() {
    if (Check()) {
        QDialog::accept();
    }
}

void CKonfiguration::OnUebertragen() {
    if (Check()) {
        done(kUebertragen);
    }
}

void CKonfiguration::OnRuecksetzen() {
    Gather();
    m_rules.Reset(m_values);
    Fill();
}
