#include "measurement/CheckRules.h"

#include "base/NumberField.h"
#include "document/ReferenceInstruments.h"
#include "document/SettingsRegistry.h"
#include "measurement/CheckHistory.h"

#include <QRegularExpression>
#include <algorithm>

namespace {

using R = CSettingsRegistry;

/// Beyond what any loop delivers, so that a slip of the decimal point is caught and a true reading never.
constexpr float kMaxCurrentMa = 30.0f;
constexpr int kErrorDecimals = 3;

std::optional<QDate> ParseDate(const QString& text, const QLocale& locale) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        return QDate();
    }
    for (const QDate date :
         {locale.toDate(trimmed, QLocale::ShortFormat), QDate::fromString(trimmed, Qt::ISODate)}) {
        if (date.isValid()) {
            // A two-digit year of the short format reads as 19xx; a reference's due date is never that old.
            return date.year() < 1970 ? date.addYears(100) : date;
        }
    }
    return std::nullopt;
}

} // namespace

CCheckRules::CCheckRules(const CCheckRecord& range, Sampler sampler, QLocale locale)
    : m_record(range)
    , m_sampler(std::move(sampler))
    , m_locale(std::move(locale)) {}

CCheckRules::Values CCheckRules::Load(const CSettingsRegistry& settings, const QString& technician,
                                      std::optional<int> lastIntervalDays) const {
    Values values;
    QStringList points;
    for (const double percent : CCheckArithmetic::DefaultPercents()) {
        points << m_locale.toString(percent);
    }
    values.points = points.join(QStringLiteral("; "));
    // The setting keeps the tolerance in the C form so that it reads the same in every language.
    const double tolerance = QLocale::c().toDouble(settings.Text(R::kCheckTolerance));
    values.tolerance = m_locale.toString(tolerance);
    values.references = CReferenceInstruments::FromJson(settings.Text(R::kCheckReferences));
    ChooseReference(values, 0);
    values.technician = technician;
    values.interval = m_locale.toString(lastIntervalDays.value_or(settings.Int(R::kCheckIntervalDays)));
    return values;
}

void CCheckRules::ChooseReference(Values& values, int index) const {
    if (index < 0 || index >= values.references.size()) {
        return;
    }
    const CReferenceInstrument& chosen = values.references.at(index);
    values.referenceName = chosen.name;
    values.referenceSerial = chosen.serial;
    values.referenceCertificate = chosen.certificate;
    values.referenceDue =
        chosen.dueDate.isValid() ? m_locale.toString(chosen.dueDate, QLocale::ShortFormat) : QString();
}

std::optional<QList<double>> CCheckRules::ParsePercents(const QString& text, QString& refused) const {
    QList<double> percents;
    const QStringList parts = text.split(QRegularExpression(QStringLiteral("[;\\s]+")), Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        const std::optional<double> percent = CNumberField::Parse(part, m_locale);
        if (!percent) {
            refused = tr("Der Prüfpunkt \"%1\" ist keine Zahl.").arg(part);
            return std::nullopt;
        }
        if (const std::optional<QString> message = CCheckArithmetic::RefusePercent(*percent)) {
            refused = *message;
            return std::nullopt;
        }
        if (!percents.contains(*percent)) {
            percents.append(*percent);
        }
    }
    if (percents.isEmpty()) {
        refused = tr("Geben Sie mindestens einen Prüfpunkt an.");
        return std::nullopt;
    }
    return percents;
}

std::optional<ValidationProblem> CCheckRules::Validate(const Values& values) const {
    using P = ValidationProblem;
    if (const std::optional<QString> message = CCheckArithmetic::RefuseRange(m_record)) {
        return P::At(Field::Points, *message);
    }
    QString refused;
    if (!ParsePercents(values.points, refused)) {
        return P::At(Field::Points, refused);
    }
    const std::optional<double> tolerance = CNumberField::Parse(values.tolerance, m_locale);
    if (!tolerance) {
        return P::At(Field::Tolerance, CNumberField::MsgZahl());
    }
    if (const std::optional<QString> message = CCheckArithmetic::RefuseTolerance(*tolerance)) {
        return P::At(Field::Tolerance, *message);
    }
    if (values.referenceName.trimmed().isEmpty()) {
        return P::At(Field::ReferenceName, tr("Geben Sie das Referenzgerät an, mit dem geprüft wird."));
    }
    const std::optional<QDate> due = ParseDate(values.referenceDue, m_locale);
    if (!due) {
        return P::At(Field::ReferenceDue, tr("\"%1\" ist kein Datum.").arg(values.referenceDue));
    }
    if (!values.ambient.trimmed().isEmpty() && !CNumberField::Parse(values.ambient, m_locale)) {
        return P::At(Field::Ambient, CNumberField::MsgZahl());
    }
    if (values.technician.trimmed().isEmpty()) {
        return P::At(Field::Technician, tr("Geben Sie an, wer prüft."));
    }
    int nInterval = 0;
    if (const std::optional<QString> message = CNumberField::CheckInt(
            values.interval, kMinIntervalDays, kMaxIntervalDays, m_locale, nInterval)) {
        return P::At(Field::Interval, *message);
    }
    // A reference past its own calibration makes the check untraceable; the technician may still go on.
    if (due->isValid() && *due < QDate::currentDate()) {
        return P::At(Field::ReferenceDue,
                     tr("Die Kalibrierung des Referenzgeräts ist seit %1 fällig. Trotzdem prüfen?")
                         .arg(m_locale.toString(*due, QLocale::ShortFormat)),
                     P::Kind::Warning);
    }
    return std::nullopt;
}

void CCheckRules::Start(const Values& values, CSettingsRegistry& settings) {
    QString refused;
    const QList<double> percents = ParsePercents(values.points, refused).value_or(QList<double>());
    m_record.tolerancePercent =
        CNumberField::Parse(values.tolerance, m_locale).value_or(m_record.tolerancePercent);
    m_record.reference = {values.referenceName.trimmed(), values.referenceSerial.trimmed(),
                          values.referenceCertificate.trimmed(),
                          ParseDate(values.referenceDue, m_locale).value_or(QDate())};
    m_record.ambientCelsius = CNumberField::Parse(values.ambient, m_locale);
    m_record.technician = values.technician.trimmed();
    m_record.intervalDays = CNumberField::ParseInt(values.interval, m_locale).value_or(m_record.intervalDays);
    m_record.asFound.points = CCheckArithmetic::PlanPoints(m_record, percents, values.down);
    m_record.asLeft.reset();
    m_phase = Phase::AsFound;
    m_index = 0;
    StartSampling();

    // The station keeps the instrument for the next check: one entry per name and serial number.
    QList<CReferenceInstrument> references = values.references;
    const auto same = std::find_if(references.begin(), references.end(), [&](const CReferenceInstrument& r) {
        return r.name == m_record.reference.name && r.serial == m_record.reference.serial;
    });
    if (same != references.end()) {
        *same = m_record.reference;
    } else {
        references.append(m_record.reference);
    }
    settings.Set(R::kCheckReferences, CReferenceInstruments::ToJson(references));
}

CCheckSeries& CCheckRules::Running() {
    return m_record.asLeft && (m_phase == Phase::AsLeft || m_phase == Phase::Done) ? *m_record.asLeft
                                                                                   : m_record.asFound;
}

bool CCheckRules::IsMeasuring() const {
    return (m_phase == Phase::AsFound || m_phase == Phase::AsLeft) && m_index < Series().points.size();
}

const CCheckSeries& CCheckRules::Series() const {
    return m_record.asLeft && (m_phase == Phase::AsLeft || m_phase == Phase::Done) ? *m_record.asLeft
                                                                                   : m_record.asFound;
}

const CCheckPoint& CCheckRules::Point() const {
    return Series().points.at(m_index);
}

std::optional<ValidationProblem> CCheckRules::EnterReadings(const QString& reference,
                                                            const QString& current) {
    const std::optional<double> referenceValue = CNumberField::Parse(reference, m_locale);
    if (!referenceValue) {
        return ValidationProblem::At(Field::Reference, tr("Geben Sie den Wert des Referenzgeräts ein."));
    }
    std::optional<double> currentValue;
    if (!current.trimmed().isEmpty()) {
        float ma = 0.0f;
        if (const std::optional<QString> message =
                CNumberField::CheckFloat(current, 0.0f, kMaxCurrentMa, m_locale, ma)) {
            return ValidationProblem::At(Field::Current, *message);
        }
        currentValue = CNumberField::Parse(current, m_locale);
    }
    if (!IsMeasuring()) {
        return std::nullopt;
    }
    CCheckPoint& point = Running().points[m_index];
    point.reference = referenceValue;
    point.currentMa = currentValue;
    return std::nullopt;
}

void CCheckRules::StartSampling() {
    m_samples.clear();
    m_bNoReading = false;
}

std::optional<double> CCheckRules::RunningMean() const {
    if (m_bNoReading || m_samples.isEmpty()) {
        return std::nullopt;
    }
    return CCheckArithmetic::Mean(Window());
}

QList<double> CCheckRules::Window() const {
    return m_samples.mid(std::max<qsizetype>(0, m_samples.size() - kSettleWindow));
}

CCheckRules::Sampling CCheckRules::Tick() {
    if (!IsMeasuring()) {
        return Sampling::NoReading;
    }
    const std::optional<double> sample = m_sampler ? m_sampler() : std::nullopt;
    if (!sample) {
        m_bNoReading = true;
        return Sampling::NoReading;
    }
    m_samples.append(*sample);
    if (CCheckArithmetic::IsSettled(m_record, Window())) {
        TakeReading(true);
        return Sampling::Settled;
    }
    return m_samples.size() >= kMaxSamples ? Sampling::Unsettled : Sampling::Going;
}

void CCheckRules::Accept() {
    TakeReading(false);
}

void CCheckRules::TakeReading(bool bSettled) {
    if (!IsMeasuring()) {
        return;
    }
    CCheckPoint& point = Running().points[m_index];
    const bool bReading = !m_bNoReading && !m_samples.isEmpty();
    point.reading = bReading ? std::optional<double>(CCheckArithmetic::Mean(Window())) : std::nullopt;
    point.settled = bSettled;
    point.acceptedUnsettled = bReading && !bSettled;
    StartSampling();
    if (++m_index < Running().points.size()) {
        return;
    }
    m_index = 0;
    m_phase = m_phase == Phase::AsFound ? Phase::AsFoundDone : Phase::Done;
}

void CCheckRules::BeginAsLeft() {
    CCheckSeries asLeft;
    for (const CCheckPoint& found : m_record.asFound.points) {
        CCheckPoint point;
        point.percent = found.percent;
        point.nominal = found.nominal;
        asLeft.points.append(point);
    }
    m_record.asLeft = asLeft;
    m_phase = Phase::AsLeft;
    m_index = 0;
    StartSampling();
}

CCheckRecord::Verdict CCheckRules::Verdict() const {
    return CCheckArithmetic::Verdict(m_record);
}

qint64 CCheckRules::Finish(const QDate& today, const CQuillonDoc& doc) {
    m_record.verdict = Verdict();
    m_record.nextDue = CCheckArithmetic::NextDue(today, m_record.intervalDays);
    m_phase = Phase::Done;
    return CCheckHistory::Record(m_record, doc);
}

QString CCheckRules::Number(double value, int decimals) const {
    return CNumberField::Fixed(value, decimals, m_locale);
}

QString CCheckRules::ErrorText(const std::optional<double>& error) const {
    return error ? CNumberField::Fixed(*error, kErrorDecimals, m_locale) : QString();
}
