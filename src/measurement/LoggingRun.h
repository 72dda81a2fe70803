#pragma once

#include <QDateTime>
#include <QLocale>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

class CMessung;
class CQuillonDoc;

/// The logging run: a timer with the document's interval takes one sample at each expiry, appends its
/// line to the log file and tells the window "Daten loggen" what to show. A sample that is still running
/// (waiting for the transmitter, or showing a message) keeps the next expiry from starting another one;
/// a failed sample skips its line and the run goes on, so that logging resumes by itself when the
/// transmitter answers again.
class CLoggingRun : public QObject {
    Q_OBJECT

public:
    /// What the window "Daten loggen" shows after a sample.
    struct Anzeige {
        QString messwert;   ///< formatted with the type's precision
        QString einheit;    ///< unit text beside it
        QString temperatur; ///< formatted with one decimal
        QString zeit;       ///< time of the sample in the locale's time form
        bool bTemperatur = false;
        QDateTime time;         ///< time of the sample
        double fMesswert = 0.0; ///< the values as numbers, for the live trend
        double fTemperatur = 0.0;
    };
    using Now = std::function<QDateTime()>;

    /// now gives the time of a sample (the system's local time in the product); the window shows the
    /// values in the given locale's number form.
    CLoggingRun(CMessung& messung, CQuillonDoc& doc, Now now = &QDateTime::currentDateTime,
                QLocale locale = QLocale(), QObject* parent = nullptr);

    /// Starts the timer with the document's interval and takes the first sample at once. When no timer
    /// can run, "No more Timers" and false.
    bool Start();
    void Stop();
    bool IsRunning() const;
    /// One expiry of the timer: a sample, unless one is running (m_bLogAktiv).
    void OnTimer();
    bool IsLogAktiv() const { return m_bLogAktiv; }
    /// Samples read since the start.
    int SampleCount() const { return m_nSamples; }
    const Anzeige& LetzteAnzeige() const { return m_anzeige; }
    const QTimer& Timer() const { return m_timer; }
    const CQuillonDoc& Doc() const { return m_doc; }

signals:
    /// A sample was read; LetzteAnzeige holds its values.
    void sampleTaken();

private:
    void Tick();

    CMessung& m_messung;
    CQuillonDoc& m_doc;
    Now m_now;
    QLocale m_locale;
    QTimer m_timer;
    bool m_bLogAktiv = false;
    int m_nSamples = 0;
    Anzeige m_anzeige;
};
