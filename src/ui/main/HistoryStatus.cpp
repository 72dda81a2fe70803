#include "ui/main/HistoryStatus.h"

#include "document/HistoryRecorder.h"

#include <QTimer>

CHistoryStatus::CHistoryStatus(QWidget* parent)
    : QLabel(parent)
    , m_timer(new QTimer(this)) {
    setObjectName(QStringLiteral("historyStatus"));
    m_timer->setInterval(kRefreshMs);
    connect(m_timer, &QTimer::timeout, this, &CHistoryStatus::Refresh);
    Refresh();
}

void CHistoryStatus::SetPendingCount(std::function<int()> pendingCount) {
    m_pendingCount = std::move(pendingCount);
    if (m_pendingCount) {
        m_timer->start();
    } else {
        m_timer->stop();
    }
    Refresh();
}

void CHistoryStatus::AfterOperation(qint64 nLastIdBefore) {
    const qint64 nLast = CHistoryRecorder::LastId();
    m_nEvent = nLast != nLastIdBefore ? nLast : 0;
    Refresh();
}

void CHistoryStatus::Refresh() {
    QStringList parts;
    if (m_nEvent != 0) {
        parts << tr("Verlauf: Ereignis %1").arg(m_nEvent);
    }
    const int nPending = m_pendingCount ? m_pendingCount() : 0;
    if (nPending > 0) {
        parts << tr("Für den Verlaufsserver wartend: %1").arg(nPending);
    }
    setText(parts.join(QStringLiteral("  ·  ")));
    setVisible(!parts.isEmpty());
}
