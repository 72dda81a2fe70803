#include "ui/calibration/PropPageMessbereich.h"

#include "document/QuillonDoc.h"
#include "ui/calibration/AbglWizard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using R = CAbglWizardRules;
using M = CAbglMessbereichRules;

namespace {

constexpr int kAnfang = 1328, kEnde = 1329, kAbglAnfang = 1331, kAbglEnde = 1330, kEinheit = 1237,
              kKomma = 1337, kAusgAnfang = 1335, kAusgEnde = 1336, kUeberspringen = 1324, kLabel1 = 1129,
              kLabel2 = 1130;

QString Id(int nId) {
    return QStringLiteral("ctl%1").arg(nId);
}

} // namespace

QLineEdit* CPropPageMessbereich::Edit(int nId) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(Id(nId));
    edit->setMaximumWidth(100);
    return edit;
}

CPropPageMessbereich::CPropPageMessbereich(CAbglWizard& wizard)
    : CAbglWizardPage(wizard)
    , m_anfang(Edit(kAnfang))
    , m_ende(Edit(kEnde))
    , m_abglAnfang(Edit(kAbglAnfang))
    , m_abglEnde(Edit(kAbglEnde))
    , m_einheit(new QComboBox(this))
    , m_komma(new QComboBox(this))
    , m_ausgAnfang(Edit(kAusgAnfang))
    , m_ausgEnde(Edit(kAusgEnde))
    , m_ueberspringen(new QCheckBox(tr("Abgleich vom Analogausgang überspringen"), this))
    , m_einheit1(new QLabel(this))
    , m_einheit2(new QLabel(this)) {
    setTitle(tr("Messbereich"));
    m_einheit->setObjectName(Id(kEinheit));
    m_einheit->addItems(R::EinheitTexts());
    m_komma->setObjectName(Id(kKomma));
    m_komma->addItems(
        {QStringLiteral("1234"), QStringLiteral("123.4"), QStringLiteral("12.34"), QStringLiteral("1.234")});
    m_ueberspringen->setObjectName(Id(kUeberspringen));
    m_einheit1->setObjectName(Id(kLabel1));
    m_einheit2->setObjectName(Id(kLabel2));

    auto* bereiche = new QGridLayout;
    bereiche->addWidget(new QLabel(tr("Messbereich"), this), 0, 0);
    bereiche->addWidget(m_anfang, 0, 1);
    bereiche->addWidget(new QLabel(QStringLiteral("-"), this), 0, 2);
    bereiche->addWidget(m_ende, 0, 3);
    bereiche->addWidget(m_einheit1, 0, 4);
    bereiche->addWidget(new QLabel(tr("Abgleichsbereich"), this), 1, 0);
    bereiche->addWidget(m_abglAnfang, 1, 1);
    bereiche->addWidget(new QLabel(QStringLiteral("-"), this), 1, 2);
    bereiche->addWidget(m_abglEnde, 1, 3);
    bereiche->addWidget(m_einheit2, 1, 4);
    bereiche->addWidget(new QLabel(tr("Einheit"), this), 2, 0);
    bereiche->addWidget(m_einheit, 2, 1);
    bereiche->addWidget(new QLabel(tr("Kommaposition"), this), 3, 0);
    bereiche->addWidget(m_komma, 3, 1);
    bereiche->setColumnStretch(5, 1);

    auto* ausgang = new QGroupBox(tr("Ausgangsbereich"), this);
    auto* ausgangLayout = new QGridLayout(ausgang);
    ausgangLayout->addWidget(m_ausgAnfang, 0, 0);
    ausgangLayout->addWidget(new QLabel(QStringLiteral("-"), this), 0, 1);
    ausgangLayout->addWidget(m_ausgEnde, 0, 2);
    const std::pair<const char*, R::Ausgang> quick[] = {
        {QT_TR_NOOP("0-10V"), R::Ausgang::V10},
        {QT_TR_NOOP("0-5V"), R::Ausgang::V5},
        {QT_TR_NOOP("0-20mA"), R::Ausgang::MA20},
        {QT_TR_NOOP("4-.20mA"), R::Ausgang::MA4bis20},
    };
    auto* buttons = new QHBoxLayout;
    for (const auto& [text, kind] : quick) {
        auto* button = new QPushButton(tr(text), ausgang);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, k = kind] { Quick(k); });
        buttons->addWidget(button);
    }
    ausgangLayout->addLayout(buttons, 1, 0, 1, 4);
    ausgangLayout->setColumnStretch(3, 1);

    // A range is two fields between a row label and a "-": each is named by its range and its end.
    const auto nameRange = [this](QLineEdit* anfang, QLineEdit* ende, const QString& range) {
        anfang->setAccessibleName(QStringLiteral("%1 %2").arg(range, tr("Anfang")));
        ende->setAccessibleName(QStringLiteral("%1 %2").arg(range, tr("Ende")));
    };
    nameRange(m_anfang, m_ende, tr("Messbereich"));
    nameRange(m_abglAnfang, m_abglEnde, tr("Abgleichsbereich"));
    nameRange(m_ausgAnfang, m_ausgEnde, ausgang->title());

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bereiche);
    layout->addWidget(ausgang);
    layout->addWidget(m_ueberspringen);
    layout->addStretch(1);

    connect(m_anfang, &QLineEdit::textEdited, this, [this] { RangeEdited(m_anfang, m_abglAnfang); });
    connect(m_ende, &QLineEdit::textEdited, this, [this] { RangeEdited(m_ende, m_abglEnde); });
    connect(m_einheit, &QComboBox::activated, this, [this] { UnitChosen(); });
}

void CPropPageMessbereich::initializePage() {
    const int nTyp = Wizard().Doc().GetTyp();
    M::Values werte = M::Load(Wizard().Doc().Abgleichdaten(), nTyp);
    if (m_bOpened) {
        werte.bDacUeberspringen = m_ueberspringen->isChecked(); // the technician's choice stays
    }
    m_bOpened = true;
    Show(werte);
}

void CPropPageMessbereich::Show(const M::Values& w) {
    m_einheit->setCurrentIndex(w.nEinheit);
    m_komma->setCurrentIndex(w.nKommaPos);
    m_anfang->setText(Text(w.anfang));
    m_ende->setText(Text(w.ende));
    m_abglAnfang->setText(Text(w.abglAnfang));
    m_abglEnde->setText(Text(w.abglEnde));
    m_ausgAnfang->setText(Text(w.ausgAnfang));
    m_ausgEnde->setText(Text(w.ausgEnde));
    m_ueberspringen->setChecked(w.bDacUeberspringen);
    UnitChosen();
}

void CPropPageMessbereich::RangeEdited(QLineEdit* from, QLineEdit* to) {
    to->setText(from->text());
    m_komma->setCurrentIndex(R::SuggestedDecimals(Shown(m_anfang), Shown(m_ende)));
}

void CPropPageMessbereich::UnitChosen() {
    const QString label = R::EinheitLabel(m_einheit->currentIndex());
    m_einheit1->setText(label);
    m_einheit2->setText(label);
}

void CPropPageMessbereich::Quick(R::Ausgang ausgang) {
    const R::AusgangsBereich bereich = R::QuickOutput(ausgang);
    m_ausgAnfang->setText(Text(bereich.start));
    m_ausgEnde->setText(Text(bereich.ende));
    Wizard().Nav().bSpannung = bereich.bSpannung;
    Wizard().Nav().bLiveZero = bereich.bLiveZero;
}

std::optional<M::Values> CPropPageMessbereich::Gather() {
    M::Values w;
    QLineEdit* const edits[] = {m_anfang, m_ende, m_abglAnfang, m_abglEnde, m_ausgAnfang, m_ausgEnde};
    double* const values[] = {&w.anfang, &w.ende, &w.abglAnfang, &w.abglEnde, &w.ausgAnfang, &w.ausgEnde};
    for (std::size_t i = 0; i < std::size(edits); ++i) {
        const std::optional<double> value = Number(edits[i]);
        if (!value) {
            return std::nullopt;
        }
        *values[i] = *value;
    }
    w.nEinheit = m_einheit->currentIndex();
    w.nKommaPos = m_komma->currentIndex();
    w.bDacUeberspringen = m_ueberspringen->isChecked();
    const std::optional<ValidationProblem> problem = M::Validate(w, Wizard().Doc().GetTyp());
    if (problem) {
        QWidget* const fields[] = {m_anfang,     m_ende,     m_abglAnfang, m_abglEnde,
                                   m_ausgAnfang, m_ausgEnde, m_komma};
        Refuse(fields[problem->field], problem->text);
        return std::nullopt;
    }
    return w;
}

std::optional<int> CPropPageMessbereich::Leave() {
    const std::optional<M::Values> werte = Gather();
    if (!werte) {
        return std::nullopt;
    }
    return M::Apply(*werte, Wizard().Doc(), Wizard().Nav());
}
