#include "ui/calibration/PropPageADC.h"

#include "calibration/AbglWizardRules.h"
#include "document/QuillonDoc.h"
#include "ui/access/AccessibleNames.h"
#include "ui/calibration/AbglWizard.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

using R = CAbglWizardRules;

namespace {

constexpr int kGain = 1253, kPunkte = 1255, kFirstEdit = 1256, kTAdc = 1272;
constexpr int kPointCounts[] = {2, 3, 5};

QPushButton* Button(const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setAutoDefault(false);
    return button;
}

} // namespace

CPropPageADC::CPropPageADC(CAbglWizard& wizard)
    : CAbglWizardPage(wizard)
    , m_gain(new QComboBox(this))
    , m_punkte(new QComboBox(this))
    , m_tAdc(new QLineEdit(this)) {
    setTitle(tr("ADC-Abgleich"));
    m_gain->setObjectName(QStringLiteral("ctl%1").arg(kGain));
    m_gain->addItems({"1", "2", "4", "8", "16", "32"});
    m_punkte->setObjectName(QStringLiteral("ctl%1").arg(kPunkte));
    m_punkte->addItems({"2", "3", "5"});
    m_punkte->setCurrentIndex(2);
    m_tAdc->setObjectName(QStringLiteral("ctl%1").arg(kTAdc));
    m_tAdc->setReadOnly(true);
    m_tAdc->setMaximumWidth(90);
    auto* setzen = Button(tr("setzen"), this);
    setzen->setObjectName(QStringLiteral("gainSetzen"));

    auto* gainLabel = new QLabel(tr("Verstärkung"), this);
    auto* punkteLabel = new QLabel(tr("Abgleichpunkte"), this);
    CAccessibleNames::Pair(gainLabel, m_gain);
    CAccessibleNames::Pair(punkteLabel, m_punkte);
    auto* top = new QHBoxLayout;
    top->addWidget(gainLabel);
    top->addWidget(m_gain);
    top->addWidget(setzen);
    top->addSpacing(24);
    top->addWidget(punkteLabel);
    top->addWidget(m_punkte);
    top->addStretch(1);

    auto* grid = new QGridLayout;
    for (int i = 0; i < 5; ++i) {
        Zeile& z = m_zeile[static_cast<std::size_t>(i)];
        z.label = new QLabel(this);
        z.label->setObjectName(QStringLiteral("druck%1").arg(i));
        z.edit = new QLineEdit(this);
        z.edit->setObjectName(QStringLiteral("ctl%1").arg(kFirstEdit + i));
        z.edit->setMaximumWidth(90);
        // Named by its pressure once the page shows the record; until then by its place.
        z.edit->setAccessibleName(tr("Abgleichpunkt %1").arg(i + 1));
        z.auslesen = Button(tr("auslesen"), this);
        z.auslesen->setObjectName(QStringLiteral("auslesen%1").arg(i));
        grid->addWidget(z.label, i, 0);
        grid->addWidget(z.edit, i, 1);
        grid->addWidget(z.auslesen, i, 2);
        connect(z.auslesen, &QPushButton::clicked, this, [this, i] { ReadRow(i); });
    }
    auto* tAuslesen = Button(tr("auslesen"), this);
    tAuslesen->setObjectName(QStringLiteral("tAuslesen"));
    grid->addWidget(new QLabel(tr("T-ADC"), this), 5, 0);
    grid->addWidget(m_tAdc, 5, 1);
    grid->addWidget(tAuslesen, 5, 2);
    grid->setColumnStretch(3, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(grid);
    layout->addWidget(new QLabel(tr("ADC-Wertebereich: 15000 - 50000 (ggf. Verstärk. anpassen)"), this));
    layout->addStretch(1);

    connect(m_punkte, &QComboBox::currentIndexChanged, this, [this] { PointsChosen(); });
    connect(setzen, &QPushButton::clicked, this, [this] { SetGain(); });
    connect(tAuslesen, &QPushButton::clicked, this, [this] { ReadTemperature(); });
}

int CPropPageADC::Points() const {
    return kPointCounts[std::clamp(m_punkte->currentIndex(), 0, 2)];
}

void CPropPageADC::initializePage() {
    CAbglWizard& w = Wizard();
    // The record as chosen so far goes to the transmitter before its input is calibrated.
    w.Run([&w] { return w.Calibration().WriteCalibrationData(); });
    const CAbgleichdaten& record = w.Doc().Abgleichdaten();
    const std::array<QString, 5> labels = R::AdcLabels(record);
    for (std::size_t i = 0; i < m_zeile.size(); ++i) {
        m_zeile[i].label->setText(labels[i]);
        CAccessibleNames::Pair(m_zeile[i].label, m_zeile[i].edit);
        m_zeile[i].edit->setText(QString::number(record.m_nAdc[i]));
    }
    m_gain->setCurrentIndex(std::clamp(static_cast<int>(record.m_nGain), 0, 5));
    m_tAdc->setText(QString::number(record.m_nTemperaturAdc[0]));
    PointsChosen();
}

void CPropPageADC::PointsChosen() {
    for (int i = 0; i < 5; ++i) {
        const bool bEnabled = R::AdcRowEnabled(i, Points());
        m_zeile[static_cast<std::size_t>(i)].edit->setEnabled(bEnabled);
        m_zeile[static_cast<std::size_t>(i)].auslesen->setEnabled(bEnabled);
    }
}

std::optional<std::array<qint32, 5>> CPropPageADC::Rows() {
    std::array<qint32, 5> rows{};
    for (int i = 0; i < 5; ++i) {
        const Zeile& z = m_zeile[static_cast<std::size_t>(i)];
        if (!R::AdcRowEnabled(i, Points())) {
            continue;
        }
        bool bOk = false;
        const int value = z.edit->text().trimmed().toInt(&bOk);
        if (!bOk || value < 0 || value > R::kAdcMax) {
            Refuse(z.edit, R::RangeText(0, R::kAdcMax));
            return std::nullopt;
        }
        rows[static_cast<std::size_t>(i)] = value;
    }
    R::FillAdcRows(rows, Points());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        m_zeile[i].edit->setText(QString::number(rows[i]));
    }
    return rows;
}

void CPropPageADC::ReadRow(int nRow) {
    CAbglWizard& w = Wizard();
    std::optional<qint32> adc;
    w.Run([&w, &adc] {
        adc = w.Service().ServiceGetAdc();
        return adc.has_value();
    });
    // A failed read shows 0 in the row: no reading to take over.
    m_zeile[static_cast<std::size_t>(nRow)].edit->setText(QString::number(adc.value_or(0)));
}

void CPropPageADC::ReadTemperature() {
    CAbglWizard& w = Wizard();
    std::optional<qint32> adc;
    w.Run([&w, &adc] {
        adc = w.Service().ServiceGetTempAdc();
        return adc.has_value();
    });
    m_tAdc->setText(QString::number(adc.value_or(0)));
}

void CPropPageADC::SetGain() {
    CAbglWizard& w = Wizard();
    w.Run([&w, nGain = m_gain->currentIndex()] { return w.Service().ServiceSetGain(nGain); });
}

std::optional<int> CPropPageADC::Leave() {
    const std::optional<std::array<qint32, 5>> rows = Rows();
    if (!rows) {
        return std::nullopt;
    }
    CAbglWizard& w = Wizard();
    CAbgleichdaten& record = w.Doc().Abgleichdaten();
    record.m_nGain = static_cast<quint16>(m_gain->currentIndex());
    record.m_nAdc = *rows;
    w.Nav().nLastPage = R::kAdc;
    const bool bOk = w.Run([&w] { return w.Calibration().WriteCalibrationData(); }) &&
                     w.Run([&w] { return w.Transfer().ReadWizardParameters(); });
    if (!bOk) {
        w.ShowEmpfangsfehler();
        return std::nullopt;
    }
    return w.Nav().Next(R::kAdc);
}
