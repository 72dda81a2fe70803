#include "ui/measurement/DoLoggen.h"

#include "measurement/LoggingRun.h"
#include "measurement/MessAnzeige.h"
#include "ui/measurement/TrendPlot.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* Value(QWidget* parent, int nId) {
    auto* label = new QLabel(parent);
    label->setObjectName(QStringLiteral("ctl%1").arg(nId));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("+00000.000")));
    return label;
}

} // namespace

CDoLoggen::CDoLoggen(CLoggingRun& run, QWidget* parent)
    : QDialog(parent)
    , m_run(run)
    , m_messwert(Value(this, 1003))
    , m_einheit(new QLabel(this))
    , m_temperaturLabel(new QLabel(tr("Temperatur:"), this))
    , m_temperatur(Value(this, 1026))
    , m_grad(new QLabel(QStringLiteral("°C"), this))
    , m_zeit(Value(this, 1049))
    , m_plot(new CTrendPlot(CTrendModel::kDefaultWindowMs, this)) {
    setWindowTitle(tr("Daten loggen"));
    setObjectName(QStringLiteral("doLoggen"));
    m_einheit->setObjectName(QStringLiteral("ctl1002"));

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("Messwert:"), this), 0, 0);
    grid->addWidget(m_messwert, 0, 1);
    grid->addWidget(m_einheit, 0, 2);
    grid->addWidget(m_temperaturLabel, 1, 0);
    grid->addWidget(m_temperatur, 1, 1);
    grid->addWidget(m_grad, 1, 2);
    grid->addWidget(new QLabel(tr("letzte Messung:"), this), 2, 0);
    grid->addWidget(m_zeit, 2, 1);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("Abbrechen"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("cancel"));
    connect(buttons, &QDialogButtonBox::rejected, this, &CDoLoggen::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(m_plot);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(&m_run, &CLoggingRun::sampleTaken, this, &CDoLoggen::ShowSample);
    ShowSample();
}

void CDoLoggen::ShowSample() {
    const CLoggingRun::Anzeige& anzeige = m_run.LetzteAnzeige();
    m_messwert->setText(anzeige.messwert);
    m_einheit->setText(anzeige.einheit);
    m_temperatur->setText(anzeige.temperatur);
    m_zeit->setText(anzeige.zeit);
    if (m_run.SampleCount() > m_nPlotted) {
        m_nPlotted = m_run.SampleCount();
        // Units and range can change with the first sample's units reply: taken afresh each time.
        CTrendModel& model = m_plot->Model();
        const auto [anfang, ende] = CTrendModel::SollBereichOf(m_run.Doc());
        model.SetSollBereich(anfang, ende);
        model.SetDecimals(CMessAnzeige::Precision(m_run.Doc()));
        model.SetUnit(anzeige.einheit);
        CTrendModel::Sample sample;
        sample.nMs = anzeige.time.toMSecsSinceEpoch();
        sample.messwert = anzeige.fMesswert;
        if (anzeige.bTemperatur) {
            sample.temperatur = anzeige.fTemperatur;
        }
        m_plot->AddSample(sample);
    }
    for (QWidget* row : {static_cast<QWidget*>(m_temperaturLabel), static_cast<QWidget*>(m_temperatur),
                         static_cast<QWidget*>(m_grad)}) {
        row->setVisible(anzeige.bTemperatur);
    }
}

void CDoLoggen::reject() {
    m_run.Stop();
    QDialog::reject();
}
