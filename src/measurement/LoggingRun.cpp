#include "measurement/LoggingRun.h"

#include "core/Operator.h"
#include "document/QuillonDoc.h"
#include "measurement/MessAnzeige.h"
#include "measurement/Messung.h"

namespace {

constexpr int kMsPerSecond = 1000;

/// Sets the busy flag for the lifetime of a sample, also when an error leaves it early.
class CLogAktivGuard {
public:
    explicit CLogAktivGuard(bool& flag)
        : m_flag(flag) {
        m_flag = true;
    }
    ~CLogAktivGuard() { m_flag = false; }
    CLogAktivGuard(const CLogAktivGuard&) = delete;
    CLogAktivGuard& operator=(const CLogAktivGuard&) = delete;

private:
    bool& m_flag;
};

} // namespace

CLoggingRun::CLoggingRun(CMessung& messung, CQuillonDoc& doc, Now now, QLocale locale, QObject* parent)
    : QObject(parent)
    , m_messung(messung)
    , m_doc(doc)
    , m_now(std::move(now))
    , m_locale(std::move(locale)) {
    connect(&m_timer, &QTimer::timeout, this, &CLoggingRun::OnTimer);
}

bool CLoggingRun::Start() {
    m_bLogAktiv = false;
    m_nSamples = 0;
    m_timer.start(m_doc.GetLogIntervall() * kMsPerSecond);
    if (!m_timer.isActive()) {
        m_doc.Operator().Message(QStringLiteral("No more Timers"));
        return false;
    }
    OnTimer();
    return true;
}

void CLoggingRun::Stop() {
    m_timer.stop();
}

bool CLoggingRun::IsRunning() const {
    return m_timer.isActive();
}

void CLoggingRun::OnTimer() {
    if (m_bLogAktiv) {
        return;
    }
    CLogAktivGuard guard(m_bLogAktiv);
    Tick();
}

void CLoggingRun::Tick() {
    if (!m_messung.ReadLogSample()) {
        return;
    }
    const QDateTime time = m_now();
    const double messwert = m_doc.GetMesswert(0);
    const double temperatur = m_doc.GetTemperatur();
    m_messung.AppendLogLine(time, messwert, temperatur);
    ++m_nSamples;

    m_anzeige.messwert = CMessAnzeige::FormatMesswert(messwert, CMessAnzeige::Precision(m_doc), m_locale);
    m_anzeige.einheit = CMessAnzeige::UnitText(m_doc);
    m_anzeige.temperatur = CMessAnzeige::FormatTemperatur(temperatur, m_locale);
    m_anzeige.zeit = m_messung.Format().Time(time);
    m_anzeige.bTemperatur = CMessAnzeige::HasTemperatur(m_doc.GetTyp());
    m_anzeige.time = time;
    m_anzeige.fMesswert = messwert;
    m_anzeige.fTemperatur = temperatur;
    emit sampleTaken();
}
