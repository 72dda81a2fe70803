#pragma once

#include "core/ValidationProblem.h"
#include "document/CheckRecord.h"
#include "measurement/CheckArithmetic.h"

#include <QCoreApplication>
#include <QDate>
#include <QList>
#include <QLocale>
#include <QString>
#include <functional>
#include <optional>

class CQuillonDoc;
class CSettingsRegistry;

/// The flow of "Prüfung...": the set-up (test points, tolerance, reference instrument, ambient
/// temperature, technician, interval), then the as-found pass point by point, then, when the technician
/// adjusts, the same points as left, then the record in the device history. Each point takes the
/// reference reading (and the output current if measured) as typed, then samples of the measured value
/// until they have settled, the technician takes them unsettled, or the transmitter gave none.
///
/// The samples come from a callback, one per call, so the window can take them from a timer and tests
/// can feed them. Nothing is recorded until Finish: a check cancelled at any point leaves no trace.
class CCheckRules {
    Q_DECLARE_TR_FUNCTIONS(CCheckRules)

public:
    /// One measured value of the transmitter; nothing when it gave none.
    using Sampler = std::function<std::optional<double>()>;

    /// The set-up page as typed (numbers in the locale's form).
    struct Values {
        QString points; ///< the test points in % of the set range, separated by ";"
        bool down = false;
        QString tolerance;
        QList<CReferenceInstrument> references; ///< the station's list
        QString referenceName;
        QString referenceSerial;
        QString referenceCertificate;
        QString referenceDue; ///< the locale's short date, empty when not known
        QString ambient;      ///< °C, empty when not measured
        QString technician;
        QString interval; ///< days
    };
    enum class Field {
        Points,
        Tolerance,
        ReferenceName,
        ReferenceDue,
        Ambient,
        Technician,
        Interval,
        Reference, ///< the reference reading of the current point
        Current,   ///< the output current of the current point
    };
    enum class Phase { Setup, AsFound, AsFoundDone, AsLeft, Done };
    /// Where the samples of the current point stand after one more.
    enum class Sampling { Going, Settled, Unsettled, NoReading };

    static constexpr int kSampleIntervalMs = 500;
    /// Ten samples, five seconds: long enough for a pressure to settle, short enough to wait for.
    static constexpr int kMaxSamples = 10;
    /// Settled is judged over the last samples only, so that the swing while the pressure was still
    /// coming up does not count against it.
    static constexpr int kSettleWindow = 4;
    static constexpr int kMinIntervalDays = 1;
    static constexpr int kMaxIntervalDays = 3650;

    CCheckRules(const CCheckRecord& range, Sampler sampler, QLocale locale = QLocale());

    /// The set-up's defaults: points 0 to 100 % in quarters, the tolerance and reference list of the
    /// settings, the first reference, the technician given (the operating-system user) and the interval of
    /// this transmitter's last check when known, else of the settings.
    Values Load(const CSettingsRegistry& settings, const QString& technician,
                std::optional<int> lastIntervalDays) const;
    /// The fields of a reference of the station's list.
    void ChooseReference(Values& values, int index) const;
    std::optional<ValidationProblem> Validate(const Values& values) const;
    /// Takes the set-up (it passed Validate), plans the as-found points and keeps the reference in the
    /// station's list (new, or its certificate and due date updated).
    void Start(const Values& values, CSettingsRegistry& settings);

    /// The reference reading and output current of the current point as typed; nothing with both kept.
    std::optional<ValidationProblem> EnterReadings(const QString& reference, const QString& current);
    /// Begins the samples of the current point afresh.
    void StartSampling();
    /// Takes one sample. Settled: the reading is taken and the check has gone on to the next point.
    Sampling Tick();
    int SampleCount() const { return static_cast<int>(m_samples.size()); }
    /// What the current point would read if taken now: the mean of the last samples; nothing before the
    /// first sample or when the transmitter gave none.
    std::optional<double> RunningMean() const;
    /// The technician takes the point as it stands (unsettled, or without a reading) and goes on.
    void Accept();

    /// After the as-found pass: the technician has adjusted the transmitter; the same points again, as
    /// left.
    void BeginAsLeft();
    /// The verdict and next due date, the record into the device history; the event's id (0 when none
    /// was stored).
    qint64 Finish(const QDate& today, const CQuillonDoc& doc);

    Phase CurrentPhase() const { return m_phase; }
    const CCheckRecord& Record() const { return m_record; }
    /// The pass being made (as found, or as left once begun).
    const CCheckSeries& Series() const;
    int PointIndex() const { return m_index; }
    /// The point being measured; only while a pass runs.
    const CCheckPoint& Point() const;
    /// The verdict so far: as found alone, or with as left.
    CCheckRecord::Verdict Verdict() const;

    QString Number(double value, int decimals) const;
    /// The error of a point in % for the table ("" when there is none).
    QString ErrorText(const std::optional<double>& error) const;

private:
    CCheckSeries& Running();
    /// A pass runs and has a point to measure.
    bool IsMeasuring() const;
    void TakeReading(bool bSettled);
    QList<double> Window() const;
    std::optional<QList<double>> ParsePercents(const QString& text, QString& refused) const;

    CCheckRecord m_record;
    Sampler m_sampler;
    QLocale m_locale;
    Phase m_phase = Phase::Setup;
    int m_index = 0;
    QList<double> m_samples;
    bool m_bNoReading = false;
};
