#include "ui/measurement/Kalibrierung.h"

#include "shell/Edition.h"
#include "ui/edit/FieldRow.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QPushButton* Button(QWidget* parent, const QString& text, const QString& name) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QLabel* Value(QWidget* parent, const QString& text, int nId) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QStringLiteral("ctl%1").arg(nId));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

} // namespace

CKalibrierung::CKalibrierung(const CKalibrierungRules::Values& values, const CKalibrierungRules& rules,
                             QWidget* parent)
    : QDialog(parent)
    , m_values(values)
    , m_rules(rules)
    , m_offset(new QLineEdit(values.offset, this))
    , m_spanne(new QLineEdit(values.spanne, this)) {
    setWindowTitle(tr("Kalibrierung"));
    setObjectName(QStringLiteral("kalibrierung"));
    m_offset->setObjectName(QStringLiteral("ctl1012"));
    m_spanne->setObjectName(QStringLiteral("ctl1013"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildMesswert());
    layout->addWidget(BuildKorrektur());
    layout->addWidget(BuildButtons());
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* CKalibrierung::BuildMesswert() {
    auto* group = new QGroupBox(tr("Aktueller Messwert"), this);
    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel(tr("Messdruck:"), group), 0, 0);
    grid->addWidget(Value(group, m_values.messdruck, 1025), 0, 1);
    grid->addWidget(Value(group, m_values.einheit, 1002), 0, 2);
    if (m_values.bTemperatur) {
        grid->addWidget(new QLabel(tr("Temperatur:"), group), 1, 0);
        grid->addWidget(Value(group, m_values.temperatur, 1026), 1, 1);
        grid->addWidget(Value(group, QStringLiteral("°C"), 1279), 1, 2);
    }
    auto* neu = Button(group, tr("Neuer Messwert"), QStringLiteral("ctl1041"));
    connect(neu, &QPushButton::clicked, this, [this] { done(kNeuerMesswert); });
    grid->addWidget(neu, 0, 3);
    return group;
}

QWidget* CKalibrierung::BuildKorrektur() {
    auto* group = new QGroupBox(tr("Korrektur"), this);
    auto* grid = new QGridLayout(group);
    QLabel* offsetUnit = CFieldRow::Add(grid, 0, tr("Offsetkorrektur"), m_offset, m_values.einheit).unit;
    offsetUnit->setObjectName(QStringLiteral("ctl1037"));
    offsetUnit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    CFieldRow::Add(grid, 1, tr("Spannekorrektur"), m_spanne, tr("% FS"));
    auto* auslesen = Button(group, tr("Auslesen"), QStringLiteral("ctl1030"));
    auto* uebertragen = Button(group, tr("Übertragen"), QStringLiteral("ctl1029"));
    auto* ruecksetzen = Button(group, tr("Rücksetzen"), QStringLiteral("ctl1278"));
    connect(auslesen, &QPushButton::clicked, this, [this] { done(kAuslesen); });
    connect(uebertragen, &QPushButton::clicked, this, [this] {
        if (IsValid()) {
            done(kUebertragen);
        }
    });
    connect(ruecksetzen, &QPushButton::clicked, this, &CKalibrierung::Ruecksetzen);
    grid->addWidget(auslesen, 0, 3);
    grid->addWidget(uebertragen, 1, 3);
    grid->addWidget(ruecksetzen, 2, 3);
    return group;
}

QWidget* CKalibrierung::BuildButtons() {
    auto* row = new QWidget(this);
    auto* box = new QHBoxLayout(row);
    box->setContentsMargins(0, 0, 0, 0);
    box->addStretch();
    auto* ok = Button(row, tr("OK"), QStringLiteral("ok"));
    ok->setDefault(true);
    auto* cancel = Button(row, tr("Abbrechen"), QStringLiteral("cancel"));
    connect(ok, &QPushButton::clicked, this, &CKalibrierung::accept);
    connect(cancel, &QPushButton::clicked, this, &CKalibrierung::reject);
    box->addWidget(ok);
    box->addWidget(cancel);
    return row;
}

CKalibrierungRules::Values CKalibrierung::Values() const {
    CKalibrierungRules::Values values = m_values;
    values.offset = m_offset->text();
    values.spanne = m_spanne->text();
    return values;
}

bool CKalibrierung::IsValid() {
    const std::optional<ValidationProblem> problem = m_rules.Validate(Values());
    if (!problem) {
        return true;
    }
    QMessageBox::warning(this, CEdition::ProgramName(), problem->text);
    QLineEdit* field = problem->Is(CKalibrierungRules::Field::Offset) ? m_offset : m_spanne;
    field->setFocus();
    field->selectAll();
    return false;
}

void CKalibrierung::accept() {
    if (IsValid()) {
        QDialog::accept();
    }
}

void CKalibrierung::Ruecksetzen() {
    CKalibrierungRules::Values values = Values();
    m_rules.Reset(values);
    m_offset->setText(values.offset);
    m_spanne->setText(values.spanne);
}

CKorrekturSchleife::Result CKalibrierung::ToResult(int code) {
    switch (code) {
    case kNeuerMesswert:
        return CKorrekturSchleife::Result::NeuerMesswert;
    case kAuslesen:
        return CKorrekturSchleife::Result::Auslesen;
    case kUebertragen:
        return CKorrekturSchleife::Result::Uebertragen;
    case QDialog::Accepted:
        return CKorrekturSchleife::Result::Ok;
    default:
        return CKorrekturSchleife::Result::Abbrechen;
    }
}
