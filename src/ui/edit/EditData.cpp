#include "ui/edit/EditData.h"

#include "edit/LinTabRules.h"
#include "ui/access/DialogButtons.h"
#include "ui/edit/EditDataRX30.h"
#include "ui/edit/EditDataRX31_3x.h"
#include "ui/edit/EditData_KA71.h"
#include "ui/edit/FieldBinder.h"
#include "ui/edit/FieldRow.h"
#include "ui/edit/LinTab.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

QLineEdit* ReadOnlyField(const QString& text) {
    auto* field = new QLineEdit(text);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    field->setMinimumWidth(CFieldRow::kFieldWidth);
    return field;
}

} // namespace

std::unique_ptr<CEditData> CEditData::Create(const CEditDataValues& werte, const QLocale& locale,
                                             QWidget* parent) {
    switch (werte.eVariante) {
    case CEditDataValues::Variante::RX31_3x:
        return std::make_unique<CEditDataRX31_3x>(werte, locale, parent);
    case CEditDataValues::Variante::RX30:
        return std::make_unique<CEditDataRX30>(werte, locale, parent);
    case CEditDataValues::Variante::KA71:
        return std::make_unique<CEditData_KA71>(werte, locale, parent);
    case CEditDataValues::Variante::EditData:
        break;
    }
    return std::make_unique<CEditData>(werte, locale, parent);
}

CEditData::CEditData(const CEditDataValues& werte, const QLocale& locale, QWidget* parent)
    : QDialog(parent)
    , m_rules(locale)
    , m_values(werte)
    , m_binder(new CFieldBinder(this))
    , m_layout(new QVBoxLayout(this)) {
    setWindowTitle(tr("Daten editieren"));
    BuildGrundbereich();
    BuildSignal();
    BuildStrom();
    BuildBottom();
    m_binder->SetHintLine(m_hint, [this](int nFeld) { return m_rules.Hint(m_values, nFeld); });
    Fill();
}

QLineEdit* CEditData::AddRow(QGridLayout* grid, int nRow, const QString& label, const QString& unit,
                             int nFeld, QLabel** unitLabel, QLabel** labelOut) {
    const CFieldRow row = CFieldRow::AddEdit(grid, nRow, label, unit, *m_binder, nFeld);
    if (unitLabel != nullptr) {
        *unitLabel = row.unit;
    }
    if (labelOut != nullptr) {
        *labelOut = row.label;
    }
    return row.Edit();
}

void CEditData::BuildGrundbereich() {
    auto* group = new QGroupBox(tr("Grundmessbereich"));
    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel(tr("Anfang:")), 0, 0);
    grid->addWidget(ReadOnlyField(m_values.strGrundAnfang), 0, 1);
    grid->addWidget(new QLabel(m_values.strEinheit), 0, 2);
    grid->addWidget(new QLabel(tr("Ende:")), 0, 3);
    grid->addWidget(ReadOnlyField(m_values.strGrundEnde), 0, 4);
    grid->addWidget(new QLabel(m_values.strEinheit), 0, 5);
    m_layout->addWidget(group);
}

void CEditData::BuildSignal() {
    using F = CEditDataValues;
    m_signalGroup = new QGroupBox(tr("Signalumformung"));
    m_signalGrid = new QGridLayout(m_signalGroup);
    m_messAnfang = AddRow(m_signalGrid, 0, tr("4mA Signal bei"), QString(), F::kMessAnfang,
                          &m_messAnfangEinheit, &m_messAnfangLabel);
    m_messEnde = AddRow(m_signalGrid, 1, tr("20mA Signal bei"), QString(), F::kMessEnde, &m_messEndeEinheit,
                        &m_messEndeLabel);
    m_daempfung =
        AddRow(m_signalGrid, 2, tr("Dämpfung:"), tr("Sek."), F::kDaempfung, nullptr, &m_daempfungLabel);
    m_tempDaempfung = AddRow(m_signalGrid, 3, tr("Dämpfung Temp.:"), tr("Sek."), F::kTempDaempfung,
                             &m_tempDaempfungEinheit, &m_tempDaempfungLabel);
    for (QWidget* w : {static_cast<QWidget*>(m_tempDaempfung), static_cast<QWidget*>(m_tempDaempfungLabel),
                       static_cast<QWidget*>(m_tempDaempfungEinheit)}) {
        w->hide();
    }
    m_linKorrektur = new QCheckBox(tr("Lin.-Korrektur:"));
    m_linKorrektur->setLayoutDirection(Qt::RightToLeft);
    m_edit = new QPushButton(tr("Edit"));
    m_edit->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_signalGrid->addWidget(m_linKorrektur, 4, 0);
    m_signalGrid->addWidget(m_edit, 4, 1);
    m_binder->Add(F::kLinKorrektur, m_linKorrektur);
    m_layout->addWidget(m_signalGroup);

    connect(m_messAnfang, &QLineEdit::textEdited, this, &CEditData::OnMessbereichEdited);
    connect(m_messEnde, &QLineEdit::textEdited, this, &CEditData::OnMessbereichEdited);
    // On toggled, not clicked: a screen reader's toggle action checks the box without a click.
    connect(m_linKorrektur, &QCheckBox::toggled, this, &CEditData::OnLinKorrektur);
    connect(m_edit, &QPushButton::clicked, this, &CEditData::OnEdit);
}

void CEditData::BuildStrom() {
    using F = CEditDataValues;
    auto* row = new QHBoxLayout;
    m_stromGroup = new QGroupBox(tr("Stromgrenzen"));
    auto* stromGrid = new QGridLayout(m_stromGroup);
    QLabel* unit = nullptr;
    m_stromMin = AddRow(stromGrid, 0, tr("Min"), tr("mA"), F::kStromMin, &unit);
    m_mAEinheiten << unit;
    m_stromMax = AddRow(stromGrid, 1, tr("Max"), tr("mA"), F::kStromMax, &unit);
    m_mAEinheiten << unit;
    m_fehlerGroup = new QGroupBox(tr("Transmitterfehler"));
    auto* fehlerGrid = new QGridLayout(m_fehlerGroup);
    m_fehlerstrom = AddRow(fehlerGrid, 0, tr("Strom:"), tr("mA"), F::kFehlerstrom, &unit, &m_fehlerLabel);
    m_mAEinheiten << unit;
    fehlerGrid->setRowStretch(1, 1);
    row->addWidget(m_stromGroup);
    row->addWidget(m_fehlerGroup);
    m_layout->addLayout(row);
}

void CEditData::BuildBottom() {
    auto* group = new QGroupBox(tr("Bezeichnung"));
    auto* tagLayout = new QVBoxLayout(group);
    m_bezeichnung = new QLineEdit;
    m_bezeichnung->setAccessibleName(group->title()); // the group is its only label
    tagLayout->addWidget(m_bezeichnung);
    m_binder->Add(CEditDataValues::kBezeichnung, m_bezeichnung);
    m_layout->addWidget(group);

    m_hintGroup = new QGroupBox;
    m_hintGroup->setFlat(true);
    auto* hintLayout = new QVBoxLayout(m_hintGroup);
    hintLayout->setContentsMargins(0, 0, 0, 0);
    m_hint = new QLabel;
    m_hint->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    m_hint->setMinimumHeight(m_hint->fontMetrics().height() + 6);
    hintLayout->addWidget(m_hint);
    m_layout->addWidget(m_hintGroup);

    auto* buttons = new QDialogButtonBox;
    QPushButton* ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("Abbrechen"), QDialogButtonBox::RejectRole);
    QPushButton* reset = buttons->addButton(tr("Rücksetzen"), QDialogButtonBox::ResetRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &CEditData::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CEditData::reject);
    connect(reset, &QPushButton::clicked, this, &CEditData::OnRuecksetzen);
    m_layout->addWidget(buttons);
    CDialogButtons::MakeDefault(ok);
}

void CEditData::Fill() {
    m_messAnfang->setText(m_values.strMessAnfang);
    m_messEnde->setText(m_values.strMessEnde);
    m_messAnfangEinheit->setText(m_values.strMessEinheit);
    m_messEndeEinheit->setText(m_values.strMessEinheit);
    m_daempfung->setText(m_values.strDaempfung);
    m_tempDaempfung->setText(m_values.strTempDaempfung);
    m_stromMin->setText(m_values.strStromMin);
    m_stromMax->setText(m_values.strStromMax);
    m_fehlerstrom->setText(m_values.strFehlerstrom);
    m_bezeichnung->setText(m_values.strBezeichnung);
    FillLinKorrektur();
}

void CEditData::FillLinKorrektur() {
    const QSignalBlocker quiet(m_linKorrektur); // showing the value is no choice of the user's
    m_linKorrektur->setChecked(m_values.LinKorrektur());
    m_edit->setEnabled(m_values.LinKorrektur());
}

void CEditData::Gather() {
    m_values.strMessAnfang = m_messAnfang->text();
    m_values.strMessEnde = m_messEnde->text();
    m_values.strDaempfung = m_daempfung->text();
    m_values.strTempDaempfung = m_tempDaempfung->text();
    m_values.strStromMin = m_stromMin->text();
    m_values.strStromMax = m_stromMax->text();
    m_values.strFehlerstrom = m_fehlerstrom->text();
    m_values.strBezeichnung = m_bezeichnung->text();
}

void CEditData::ShowProblem(const ValidationProblem& problem) {
    m_binder->Show(problem);
}

void CEditData::accept() {
    Gather();
    if (const auto problem = m_rules.Validate(m_values)) {
        ShowProblem(*problem);
        return;
    }
    QDialog::accept();
}

void CEditData::OnLinKorrektur(bool bChecked) {
    Gather();
    const auto problem = m_rules.SetLinKorrektur(m_values, bChecked);
    FillLinKorrektur();
    if (problem) {
        ShowProblem(*problem);
    }
}

void CEditData::OnEdit() {
    Gather();
    const CLinTabRules tabRules(m_rules.Locale());
    std::unique_ptr<CLinTab> editor =
        CLinTab::Create(m_rules.LinTabEditor(m_values, tabRules), tabRules, this);
    if (editor->exec() == QDialog::Accepted) {
        CEditDataRules::TakeLinTab(m_values, editor->Result());
    }
}

void CEditData::OnMessbereichEdited() {
    CEditDataRules::MessbereichEdited(m_values);
    FillLinKorrektur();
}

void CEditData::OnRuecksetzen() {
    Gather();
    m_rules.Reset(m_values);
    Fill();
}
