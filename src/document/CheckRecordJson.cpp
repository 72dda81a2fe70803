#include "document/CheckRecordJson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <cmath>

namespace {

// Stored keys (see the class comment: never renamed).
const QLatin1String kRange4("rangeAt4mA");
const QLatin1String kRange20("rangeAt20mA");
const QLatin1String kUnit("unit");
const QLatin1String kDecimals("decimals");
const QLatin1String kTolerance("tolerancePercent");
const QLatin1String kReference("reference");
const QLatin1String kName("name");
const QLatin1String kSerial("serial");
const QLatin1String kCertificate("certificate");
const QLatin1String kDue("dueDate");
const QLatin1String kAmbient("ambientCelsius");
const QLatin1String kTechnician("technician");
const QLatin1String kAsFound("asFound");
const QLatin1String kAsLeft("asLeft");
const QLatin1String kVerdict("verdict");
const QLatin1String kInterval("intervalDays");
const QLatin1String kNextDue("nextDue");
const QLatin1String kPercent("percent");
const QLatin1String kNominal("nominal");
const QLatin1String kReferenceReading("referenceReading");
const QLatin1String kReading("reading");
const QLatin1String kCurrent("currentMa");
const QLatin1String kSettled("settled");
const QLatin1String kAccepted("acceptedUnsettled");

void PutOptional(QJsonObject& o, QLatin1String key, const std::optional<double>& value) {
    if (value)
        o.insert(key, *value);
}

void PutDate(QJsonObject& o, QLatin1String key, const QDate& date) {
    if (date.isValid())
        o.insert(key, date.toString(Qt::ISODate));
}

QJsonArray SeriesToJson(const CCheckSeries& series) {
    QJsonArray points;
    for (const CCheckPoint& p : series.points) {
        QJsonObject o;
        o.insert(kPercent, p.percent);
        o.insert(kNominal, p.nominal);
        PutOptional(o, kReferenceReading, p.reference);
        PutOptional(o, kReading, p.reading);
        PutOptional(o, kCurrent, p.currentMa);
        o.insert(kSettled, p.settled);
        o.insert(kAccepted, p.acceptedUnsettled);
        points.append(o);
    }
    return points;
}

/// Reads the fields of one JSON object; the first problem met is kept, naming the key.
class FieldReader {
public:
    FieldReader(const QJsonObject& o, QString where)
        : m_o(o)
        , m_where(std::move(where)) {}

    double Number(QLatin1String key) {
        const QJsonValue v = m_o.value(key);
        if (!v.isDouble() || !std::isfinite(v.toDouble())) {
            Fail(key);
            return 0.0;
        }
        return v.toDouble();
    }
    std::optional<double> OptionalNumber(QLatin1String key) {
        if (!m_o.contains(key))
            return std::nullopt;
        return Number(key);
    }
    QString Text(QLatin1String key) {
        const QJsonValue v = m_o.value(key);
        if (v.isUndefined())
            return QString();
        if (!v.isString())
            Fail(key);
        return v.toString();
    }
    bool Flag(QLatin1String key) {
        const QJsonValue v = m_o.value(key);
        if (v.isUndefined())
            return false;
        if (!v.isBool())
            Fail(key);
        return v.toBool();
    }
    QDate Date(QLatin1String key) {
        const QString text = Text(key);
        if (text.isEmpty())
            return QDate();
        const QDate date = QDate::fromString(text, Qt::ISODate);
        if (!date.isValid())
            Fail(key);
        return date;
    }
    void Fail(QLatin1String key) {
        if (m_problem.isEmpty())
            m_problem = CCheckRecordJson::DamagedMessage(m_where + key);
    }
    const QString& Problem() const { return m_problem; }

private:
    const QJsonObject& m_o;
    QString m_where;
    QString m_problem;
};

bool SeriesFromJson(const QJsonValue& value, const QString& where, CCheckSeries& series, QString& error) {
    if (!value.isArray()) {
        error = CCheckRecordJson::DamagedMessage(where);
        return false;
    }
    const QJsonArray points = value.toArray();
    for (qsizetype i = 0; i < points.size(); ++i) {
        const QString at = QStringLiteral("%1[%2].").arg(where).arg(i);
        const QJsonObject o = points.at(i).toObject();
        FieldReader r(o, at);
        CCheckPoint p;
        p.percent = r.Number(kPercent);
        p.nominal = r.Number(kNominal);
        p.reference = r.OptionalNumber(kReferenceReading);
        p.reading = r.OptionalNumber(kReading);
        p.currentMa = r.OptionalNumber(kCurrent);
        p.settled = r.Flag(kSettled);
        p.acceptedUnsettled = r.Flag(kAccepted);
        if (!points.at(i).isObject())
            r.Fail(kPercent);
        if (!r.Problem().isEmpty()) {
            error = r.Problem();
            return false;
        }
        series.points.append(p);
    }
    return true;
}

} // namespace

QString CCheckRecordJson::DamagedMessage(const QString& key) {
    return tr("Die Prüfdaten sind beschädigt: \"%1\" fehlt oder ist ungültig.").arg(key);
}

QString CCheckRecordJson::VerdictKey(CCheckRecord::Verdict verdict) {
    switch (verdict) {
    case CCheckRecord::Verdict::Passed:
        return QStringLiteral("passed");
    case CCheckRecord::Verdict::Failed:
        return QStringLiteral("failed");
    case CCheckRecord::Verdict::AdjustedPassed:
        return QStringLiteral("adjusted-passed");
    }
    return QString();
}

std::optional<CCheckRecord::Verdict> CCheckRecordJson::VerdictFromKey(const QString& key) {
    for (auto v : {CCheckRecord::Verdict::Passed, CCheckRecord::Verdict::Failed,
                   CCheckRecord::Verdict::AdjustedPassed}) {
        if (VerdictKey(v) == key)
            return v;
    }
    return std::nullopt;
}

QString CCheckRecordJson::Write(const CCheckRecord& record) {
    QJsonObject o;
    o.insert(kRange4, record.rangeAt4mA);
    o.insert(kRange20, record.rangeAt20mA);
    o.insert(kUnit, record.unit);
    o.insert(kDecimals, record.decimals);
    o.insert(kTolerance, record.tolerancePercent);
    QJsonObject ref;
    ref.insert(kName, record.reference.name);
    ref.insert(kSerial, record.reference.serial);
    ref.insert(kCertificate, record.reference.certificate);
    PutDate(ref, kDue, record.reference.dueDate);
    o.insert(kReference, ref);
    PutOptional(o, kAmbient, record.ambientCelsius);
    o.insert(kTechnician, record.technician);
    o.insert(kAsFound, SeriesToJson(record.asFound));
    if (record.asLeft)
        o.insert(kAsLeft, SeriesToJson(*record.asLeft));
    o.insert(kVerdict, VerdictKey(record.verdict));
    o.insert(kInterval, record.intervalDays);
    PutDate(o, kNextDue, record.nextDue);
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
}

bool CCheckRecordJson::Read(const QString& json, CCheckRecord& record, QString& error) {
    QJsonParseError parse;
    const QJsonDocument doc = QJsonDocument::fromJson(json.toUtf8(), &parse);
    if (!doc.isObject()) {
        error = tr("Die Prüfdaten sind beschädigt: kein JSON-Objekt.");
        return false;
    }
    const QJsonObject o = doc.object();
    FieldReader r(o, QString());
    CCheckRecord read;
    read.rangeAt4mA = r.Number(kRange4);
    read.rangeAt20mA = r.Number(kRange20);
    read.unit = r.Text(kUnit);
    read.decimals = static_cast<int>(r.Number(kDecimals));
    read.tolerancePercent = r.Number(kTolerance);
    read.ambientCelsius = r.OptionalNumber(kAmbient);
    read.technician = r.Text(kTechnician);
    read.intervalDays = static_cast<int>(r.Number(kInterval));
    read.nextDue = r.Date(kNextDue);
    const auto verdict = VerdictFromKey(r.Text(kVerdict));
    if (!verdict)
        r.Fail(kVerdict);
    if (!r.Problem().isEmpty()) {
        error = r.Problem();
        return false;
    }
    read.verdict = *verdict;

    const QJsonObject ref = o.value(kReference).toObject();
    FieldReader rr(ref, QStringLiteral("reference."));
    read.reference.name = rr.Text(kName);
    read.reference.serial = rr.Text(kSerial);
    read.reference.certificate = rr.Text(kCertificate);
    read.reference.dueDate = rr.Date(kDue);
    if (!rr.Problem().isEmpty()) {
        error = rr.Problem();
        return false;
    }

    if (!SeriesFromJson(o.value(kAsFound), kAsFound, read.asFound, error))
        return false;
    if (o.contains(kAsLeft)) {
        CCheckSeries asLeft;
        if (!SeriesFromJson(o.value(kAsLeft), kAsLeft, asLeft, error))
            return false;
        read.asLeft = asLeft;
    }
    record = read;
    return true;
}
