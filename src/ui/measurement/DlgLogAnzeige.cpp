#include "ui/measurement/DlgLogAnzeige.h"

#include "ui/measurement/TrendPlot.h"

#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

/// One turn of reading: lines in small batches until this much time has passed, so that input and
/// painting get their turn between turns whatever the machine's speed.
constexpr int kTurnMs = 15;
constexpr int kBatchLines = 200;

} // namespace

CDlgLogAnzeige::CDlgLogAnzeige(const QString& path, const CLogFormat& format, const QString& unit,
                               QWidget* parent)
    : QDialog(parent)
    , m_leser(format)
    , m_plot(new CTrendPlot(0, this))
    , m_status(new QLabel(this))
    , m_timer(new QTimer(this)) {
    setObjectName(QStringLiteral("DlgLogAnzeige"));
    setWindowTitle(tr("Log-Datei anzeigen") + QStringLiteral(" - ") + QFileInfo(path).fileName());
    m_status->setObjectName(QStringLiteral("status"));
    m_plot->SetLocale(format.Locale());
    m_plot->Model().SetUnit(unit);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("Schließen"), QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("close"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_plot, 1);
    layout->addWidget(m_status);
    layout->addWidget(buttons);
    resize(720, 420);

    m_bOpened = m_leser.Open(path);
    if (!m_bOpened) {
        m_status->setText(tr("Kann Datei nicht öffnen!"));
        return;
    }
    m_timer->setInterval(0);
    connect(m_timer, &QTimer::timeout, this, &CDlgLogAnzeige::ReadStep);
    m_timer->start();
    ShowStatus();
}

CDlgLogAnzeige::~CDlgLogAnzeige() = default;

bool CDlgLogAnzeige::IsLoaded() const {
    return m_bOpened && m_leser.IsDone();
}

void CDlgLogAnzeige::ReadStep() {
    QElapsedTimer turn;
    turn.start();
    bool bMore = true;
    while (bMore && turn.elapsed() < kTurnMs) {
        bMore = m_leser.Step(kBatchLines);
    }
    if (bMore) {
        ShowStatus();
        return;
    }
    m_timer->stop();
    m_plot->Model().SetDecimals(m_leser.Decimals());
    m_plot->SetSamples(m_leser.Samples());
    ShowStatus();
    emit loaded();
}

void CDlgLogAnzeige::ShowStatus() {
    if (!m_leser.IsDone()) {
        const qint64 nPercent = m_leser.FileSize() > 0 ? m_leser.BytesRead() * 100 / m_leser.FileSize() : 0;
        m_status->setText(tr("Datei wird gelesen... %1 %").arg(nPercent));
        return;
    }
    QString text = tr("Messwerte: %1").arg(m_leser.Samples().size());
    if (m_leser.SkippedLines() > 0) {
        text +=
            QStringLiteral(", ") + tr("nicht lesbare Zeilen übersprungen: %1").arg(m_leser.SkippedLines());
    }
    m_status->setText(text);
}
