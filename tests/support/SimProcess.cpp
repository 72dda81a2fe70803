#include "SimProcess.h"

#include <QElapsedTimer>
#include <QRegularExpression>

CSimProcess::~CSimProcess() {
    Stop();
}

bool CSimProcess::Start(const QStringList& arguments, bool bTrace) {
    m_process.setProgram(QStringLiteral(QUILLON_SIM_PATH));
    m_process.setArguments(bTrace ? QStringList{QStringLiteral("--trace")} + arguments : arguments);
    m_process.start();
    if (!m_process.waitForStarted(5000)) {
        return false;
    }
    QElapsedTimer wait;
    wait.start();
    while (!m_process.canReadLine() && wait.elapsed() < 5000) {
        m_process.waitForReadyRead(100);
    }
    m_device = QString::fromLocal8Bit(m_process.readLine()).trimmed();
    return m_device.startsWith(QLatin1Char('/'));
}

QString CSimProcess::Device() const {
    return m_device;
}

void CSimProcess::Stop() {
    if (m_process.state() != QProcess::NotRunning) {
        m_process.terminate();
        if (!m_process.waitForFinished(5000)) {
            m_process.kill();
            m_process.waitForFinished(1000);
        }
    }
    m_trace += QString::fromLocal8Bit(m_process.readAllStandardError());
}

int CSimProcess::Requests() {
    return TraceCount(QStringLiteral("] REQ ")) - TraceCount(QStringLiteral("(broken, ignored)"));
}

int CSimProcess::TraceCount(const QString& text) {
    Stop();
    return static_cast<int>(m_trace.count(text));
}

QList<double> CSimProcess::RequestTimes(const QString& frameHex) {
    Stop();
    const QRegularExpression line(
        QStringLiteral("^\\[\\s*([0-9.]+)\\] REQ %1$").arg(QRegularExpression::escape(frameHex)),
        QRegularExpression::MultilineOption);
    QList<double> times;
    for (const QRegularExpressionMatch& match : line.globalMatch(m_trace)) {
        times.append(match.captured(1).toDouble());
    }
    return times;
}
