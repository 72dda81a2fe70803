#include "ui/edit/LinTab.h"

#include "base/NumberField.h"
#include "ui/access/DialogButtons.h"
#include "ui/edit/FieldBinder.h"
#include "ui/edit/LinTabDruck.h"
#include "ui/edit/LinTab_Druck_KA71.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kZeilenJeBlock = 10;
constexpr int kSpaltenJeBlock = 4;
constexpr int kZellenBreite = 70;

} // namespace

std::unique_ptr<CLinTab> CLinTab::Create(const CLinTabValues& werte, const CLinTabRules& rules,
                                         QWidget* parent) {
    switch (werte.eArt) {
    case CLinTabValues::Art::Druck:
        return std::make_unique<CLinTabDruck>(werte, rules, parent);
    case CLinTabValues::Art::KA71:
        return std::make_unique<CLinTab_Druck_KA71>(werte, rules, parent);
    case CLinTabValues::Art::Prozent:
        break;
    }
    return std::make_unique<CLinTab>(werte, rules, parent);
}

CLinTab::CLinTab(const CLinTabValues& werte, const CLinTabRules& rules, QWidget* parent)
    : QDialog(parent)
    , m_rules(rules)
    , m_values(werte)
    , m_binder(new CFieldBinder(this))
    , m_layout(new QVBoxLayout(this))
    , m_topRow(new QHBoxLayout)
    , m_anzahl(new QComboBox) {
    setWindowTitle(tr("Linearitätskorrektur"));
    BuildHeader();
    BuildRows();
    BuildButtons();
    Fill();
}

void CLinTab::BuildHeader() {
    const bool bProzent = m_values.eArt == CLinTabValues::Art::Prozent;
    auto* bereich = new QGroupBox;
    auto* grid = new QGridLayout(bereich);
    m_wert4mA = new QLabel;
    m_wert20mA = new QLabel;
    grid->addWidget(new QLabel(bProzent ? tr("0% = ") : tr("4mA = ")), 0, 0);
    grid->addWidget(m_wert4mA, 0, 1);
    grid->addWidget(new QLabel(bProzent ? tr("100% = ") : tr("20mA = ")), 1, 0);
    grid->addWidget(m_wert20mA, 1, 1);
    m_topRow->addWidget(bereich);

    auto* stuetz = new QGroupBox(tr("Stützpunkte"));
    auto* stuetzLayout = new QVBoxLayout(stuetz);
    m_anzahl->addItems(CLinTabRules::AnzahlTexte(m_values.eArt));
    m_anzahl->setAccessibleName(stuetz->title()); // the group is its only label
    stuetzLayout->addWidget(m_anzahl);
    m_topRow->addWidget(stuetz);
    m_topRow->addStretch();
    m_layout->addLayout(m_topRow);
    connect(m_anzahl, &QComboBox::activated, this, &CLinTab::OnAnzahl);
}

void CLinTab::BuildRows() {
    const bool bKA71 = m_values.eArt == CLinTabValues::Art::KA71;
    const bool bProzent = m_values.eArt == CLinTabValues::Art::Prozent;
    auto* grid = new QGridLayout;
    // A cell is named by its column's heading and its point's number, as the eye reads the table.
    const QString xName = bKA71 ? tr("Anzeige") : tr("Ausgang");
    const QString yName = tr("Messwert");
    for (int block = 0; block < CLinTabelle::kPunkte / kZeilenJeBlock; ++block) {
        const int c = block * kSpaltenJeBlock;
        grid->addWidget(new QLabel(xName), 0, c + 1);
        grid->addWidget(new QLabel(yName), 0, c + 2);
        if (!bKA71) {
            grid->addWidget(new QLabel(tr("mA")), 1, c + 1);
            grid->addWidget(new QLabel(bProzent ? QStringLiteral("%") : m_values.strEinheit), 1, c + 2);
        }
    }
    for (int i = 0; i < CLinTabelle::kPunkte; ++i) {
        const int r = 2 + i % kZeilenJeBlock;
        const int c = (i / kZeilenJeBlock) * kSpaltenJeBlock;
        m_nummer[i] = new QLabel(QString::number(i + 1));
        m_x[i] = new QLineEdit;
        m_y[i] = new QLineEdit;
        m_x[i]->setAccessibleName(QStringLiteral("%1 %2").arg(xName).arg(i + 1));
        m_y[i]->setAccessibleName(QStringLiteral("%1 %2").arg(yName).arg(i + 1));
        m_x[i]->setFixedWidth(kZellenBreite);
        m_y[i]->setFixedWidth(kZellenBreite);
        m_einheit[i] = new QLabel(bProzent ? QStringLiteral("%") : m_values.strEinheit);
        grid->addWidget(m_nummer[i], r, c, Qt::AlignRight);
        grid->addWidget(m_x[i], r, c + 1);
        grid->addWidget(m_y[i], r, c + 2);
        grid->addWidget(m_einheit[i], r, c + 3);
        m_binder->Add(i, m_x[i]);
        m_binder->Add(CLinTabRules::kFeldY + i, m_y[i]);
    }
    m_layout->addLayout(grid);
}

void CLinTab::BuildButtons() {
    auto* buttons = new QDialogButtonBox;
    QPushButton* ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("Abbrechen"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &CLinTab::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CLinTab::reject);
    m_layout->addStretch();
    m_layout->addWidget(buttons);
    CDialogButtons::MakeDefault(ok);
}

void CLinTab::Fill() {
    const QLocale locale = m_rules.Locale();
    m_wert4mA->setText(CNumberField::Format(m_values.fWert4mA, locale) + QLatin1Char(' ') +
                       m_values.strEinheit);
    m_wert20mA->setText(CNumberField::Format(m_values.fWert20mA, locale) + QLatin1Char(' ') +
                        m_values.strEinheit);
    m_anzahl->setCurrentIndex(CLinTabRules::AnzahlToIndex(m_values));
    FillRows();
}

void CLinTab::FillRows() {
    for (int i = 0; i < CLinTabelle::kPunkte; ++i) {
        const CLinTabRules::RowState state = CLinTabRules::Row(m_values, i);
        m_x[i]->setText(m_values.strX[i]);
        m_y[i]->setText(m_values.strY[i]);
        for (QLineEdit* cell : {m_x[i], m_y[i]}) {
            cell->setEnabled(state.bEnabled);
            cell->setReadOnly(state.bReadOnly);
            cell->setVisible(state.bVisible);
        }
        m_nummer[i]->setVisible(state.bVisible);
        m_einheit[i]->setVisible(state.bVisible);
    }
}

void CLinTab::Gather() {
    for (int i = 0; i < CLinTabelle::kPunkte; ++i) {
        m_values.strX[i] = m_x[i]->text();
        m_values.strY[i] = m_y[i]->text();
    }
}

void CLinTab::ShowProblem(const ValidationProblem& problem) {
    m_binder->Show(problem);
}

CLinTabRules::Ergebnis CLinTab::Result() const {
    return m_rules.Result(m_values);
}

void CLinTab::accept() {
    Gather();
    if (const auto problem = m_rules.Validate(m_values)) {
        ShowProblem(*problem);
        return;
    }
    QDialog::accept();
}

void CLinTab::OnAnzahl(int nIndex) {
    m_rules.SetAnzahl(m_values, CLinTabRules::IndexToAnzahl(m_values.eArt, nIndex));
    Fill();
}
