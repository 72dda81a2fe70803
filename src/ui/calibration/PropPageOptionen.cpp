#include "ui/calibration/PropPageOptionen.h"

#include "document/QuillonDoc.h"
#include "ui/access/AccessibleNames.h"
#include "ui/calibration/AbglWizard.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using R = CAbglWizardRules;
using O = CAbglOptionenRules;

namespace {

QLineEdit* Edit(int nId, QWidget* parent, int nWidth = 80) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QStringLiteral("ctl%1").arg(nId));
    edit->setMaximumWidth(nWidth);
    return edit;
}

QPushButton* Button(const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setAutoDefault(false);
    button->setMaximumWidth(28);
    return button;
}

} // namespace

CPropPageOptionen::CPropPageOptionen(CAbglWizard& wizard)
    : CAbglWizardPage(wizard)
    , m_kennlinie(new QComboBox(this))
    , m_daempfung(Edit(1348, this))
    , m_nullpunkt(Edit(1353, this))
    , m_ausgMin(Edit(1357, this))
    , m_ausgMax(Edit(1358, this))
    , m_fehler(Edit(1359, this))
    , m_serie{Edit(1360, this, 70), Edit(1361, this, 36), Edit(1362, this, 44)}
    , m_offset(Edit(1349, this))
    , m_spanne(Edit(1350, this))
    , m_messwert(Edit(1351, this))
    , m_offsetEinheit(new QLabel(this))
    , m_messwertEinheit(new QLabel(this)) {
    setTitle(tr("Zusätzliche Optionen"));
    m_kennlinie->setObjectName(QStringLiteral("ctl1346"));
    m_kennlinie->addItems({tr("steigend"), tr("fallend")});
    m_serie[0]->setMaxLength(6);
    m_serie[1]->setMaxLength(2);
    m_serie[2]->setMaxLength(3);
    m_messwert->setReadOnly(true);
    m_offsetEinheit->setObjectName(QStringLiteral("ctl1347"));
    m_messwertEinheit->setObjectName(QStringLiteral("ctl1002"));

    auto* grid = new QGridLayout;
    int row = 0;
    const auto addRow = [this, grid, &row](const QString& text, QWidget* field, const QString& unit) {
        grid->addWidget(new QLabel(text, this), row, 0);
        grid->addWidget(field, row, 1);
        if (!unit.isEmpty()) {
            grid->addWidget(new QLabel(unit, this), row, 2);
        }
        ++row;
    };
    addRow(tr("Kennlinie:"), m_kennlinie, QString());
    addRow(tr("Dämpfung *):"), m_daempfung, tr("s"));
    addRow(tr("Nullpunktsfenster *):"), m_nullpunkt, tr("Digits"));
    addRow(tr("Ausg. Min *):"), m_ausgMin, QString());
    addRow(tr("Ausg. Max *):"), m_ausgMax, QString());
    addRow(tr("Fehlersignal *):"), m_fehler, QString());
    auto* serie = new QHBoxLayout;
    serie->addWidget(m_serie[0]);
    for (std::size_t i = 1; i < m_serie.size(); ++i) {
        const int nWidth = i == 1 ? 2 : 3;
        serie->addWidget(new QLabel(QStringLiteral("."), this));
        serie->addWidget(m_serie[i]);
        auto* plus = Button(QStringLiteral("+"), this);
        auto* minus = Button(QStringLiteral("-"), this);
        plus->setObjectName(QStringLiteral("seriePlus%1").arg(i));
        serie->addWidget(plus);
        serie->addWidget(minus);
        QLineEdit* edit = m_serie[i];
        connect(plus, &QPushButton::clicked, this,
                [edit, nWidth] { edit->setText(R::StepSerial(edit->text(), nWidth, 1)); });
        connect(minus, &QPushButton::clicked, this,
                [edit, nWidth] { edit->setText(R::StepSerial(edit->text(), nWidth, -1)); });
    }
    serie->addStretch(1);
    auto* serieLabel = new QLabel(tr("Seriennummer:"), this);
    // The three parts share the one label; each is named by it and its place.
    for (std::size_t i = 0; i < m_serie.size(); ++i) {
        m_serie[i]->setAccessibleName(
            QStringLiteral("%1 %2").arg(CAccessibleNames::FromLabel(serieLabel->text())).arg(i + 1));
    }
    grid->addWidget(serieLabel, row, 0);
    grid->addLayout(serie, row, 1, 1, 3);
    grid->setColumnStretch(3, 1);

    auto* werk = new QGroupBox(tr("Werks Offset- / Spannekorrektur"), this);
    auto* werkLayout = new QGridLayout(werk);
    werkLayout->addWidget(new QLabel(tr("Offsetkorrektur:"), werk), 0, 0);
    werkLayout->addWidget(m_offset, 0, 1);
    werkLayout->addWidget(m_offsetEinheit, 0, 2);
    werkLayout->addWidget(new QLabel(tr("Spannekorrektur:"), werk), 1, 0);
    werkLayout->addWidget(m_spanne, 1, 1);
    werkLayout->addWidget(new QLabel(tr("%FS"), werk), 1, 2);
    werkLayout->addWidget(new QLabel(tr("Messwert:"), werk), 2, 0);
    werkLayout->addWidget(m_messwert, 2, 1);
    werkLayout->addWidget(m_messwertEinheit, 2, 2);
    auto* senden = new QPushButton(tr("Offset u. Spanne senden"), werk);
    senden->setObjectName(QStringLiteral("offsetSpanneSenden"));
    senden->setAutoDefault(false);
    werkLayout->addWidget(senden, 3, 0, 1, 3, Qt::AlignLeft);
    werkLayout->setColumnStretch(3, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(werk);
    layout->addWidget(new QLabel(tr("*) Die Werte werden erst nach einem PowerOn-Reset wirksam!"), this));
    layout->addStretch(1);

    connect(senden, &QPushButton::clicked, this, [this] { SendOffsetSpan(); });
}

void CPropPageOptionen::initializePage() {
    CAbglWizard& w = Wizard();
    O::Values werte;
    if (!m_bOpened) {
        werte = O::Load(w.Doc(), w.Nav());
        m_bOpened = true;
    } else {
        // The limits and the serial number stay as entered unless the transmitter's values were read.
        werte.ausgMin = Shown(m_ausgMin);
        werte.ausgMax = Shown(m_ausgMax);
        werte.fehler = Shown(m_fehler);
        for (std::size_t i = 0; i < m_serie.size(); ++i) {
            werte.serie[i] = m_serie[i]->text();
        }
        O::Reload(w.Doc(), w.Nav(), werte);
    }
    Show(werte);
}

void CPropPageOptionen::Show(const O::Values& werte) {
    const QString unit = R::EinheitLabel(Wizard().Doc().Abgleichdaten().m_nAbglEinheit);
    m_offsetEinheit->setText(unit);
    m_messwertEinheit->setText(unit);
    m_kennlinie->setCurrentIndex(werte.bFallend ? 1 : 0);
    m_daempfung->setText(Text(werte.daempfung));
    m_nullpunkt->setText(Text(werte.nullpunktsfenster));
    m_ausgMin->setText(Text(werte.ausgMin));
    m_ausgMax->setText(Text(werte.ausgMax));
    m_fehler->setText(Text(werte.fehler));
    for (std::size_t i = 0; i < m_serie.size(); ++i) {
        m_serie[i]->setText(werte.serie[i]);
    }
    m_offset->setText(Text(werte.offset));
    m_spanne->setText(Text(werte.spanne));
    m_messwert->setText(Text(werte.messwert));
}

bool CPropPageOptionen::Store() {
    O::Values w;
    w.bFallend = m_kennlinie->currentIndex() == 1;
    QLineEdit* const edits[] = {m_daempfung, m_nullpunkt, m_ausgMin, m_ausgMax, m_fehler, m_offset, m_spanne};
    double* const values[] = {
        &w.daempfung, &w.nullpunktsfenster, &w.ausgMin, &w.ausgMax, &w.fehler, &w.offset, &w.spanne};
    for (std::size_t i = 0; i < std::size(edits); ++i) {
        const std::optional<double> value = Number(edits[i]);
        if (!value) {
            return false;
        }
        *values[i] = *value;
    }
    for (std::size_t i = 0; i < m_serie.size(); ++i) {
        w.serie[i] = m_serie[i]->text();
    }
    CQuillonDoc& doc = Wizard().Doc();
    const std::optional<ValidationProblem> problem = O::Validate(w, doc.Abgleichdaten());
    if (problem) {
        QWidget* const fields[] = {m_daempfung, m_nullpunkt, m_ausgMin, m_ausgMax,
                                   m_fehler,    m_offset,    m_spanne,  m_serie[0]};
        Refuse(fields[problem->field], problem->text);
        return false;
    }
    O::Apply(w, doc);
    return true;
}

void CPropPageOptionen::SendOffsetSpan() {
    if (!Store()) {
        return;
    }
    CAbglWizard& w = Wizard();
    const bool bOk = w.Run([&w] { return w.Transfer().WriteOffsetSpan(); }) &&
                     w.Run([&w] { return w.Transfer().ReadMeasuredValue(); });
    if (!bOk) {
        w.ShowEmpfangsfehler();
        return;
    }
    initializePage(); // shows the measured value with the new correction
}

std::optional<int> CPropPageOptionen::Leave() {
    if (!Store()) {
        return std::nullopt;
    }
    CAbglWizard& w = Wizard();
    if (!w.Run([&w] { return w.Transfer().WriteWizardOptions(); })) {
        w.ShowEmpfangsfehler();
        return std::nullopt;
    }
    return w.Nav().Next(R::kOptionen);
}
