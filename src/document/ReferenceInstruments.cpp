#include "document/ReferenceInstruments.h"

#include "document/SettingsRegistry.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// Stored keys: the same as in a check record's reference, so an entry reads the same in both places.
const QLatin1String kName("name");
const QLatin1String kSerial("serial");
const QLatin1String kCertificate("certificate");
const QLatin1String kDue("dueDate");

} // namespace

QList<CReferenceInstrument> CReferenceInstruments::FromJson(const QString& json) {
    QList<CReferenceInstrument> instruments;
    const QJsonArray entries = QJsonDocument::fromJson(json.toUtf8()).array();
    for (const QJsonValue& entry : entries) {
        const QJsonObject o = entry.toObject();
        CReferenceInstrument instrument;
        instrument.name = o.value(kName).toString().trimmed();
        if (instrument.name.isEmpty()) {
            continue;
        }
        instrument.serial = o.value(kSerial).toString();
        instrument.certificate = o.value(kCertificate).toString();
        // A due date that cannot be read is "not known", not a reason to lose the instrument.
        instrument.dueDate = QDate::fromString(o.value(kDue).toString(), Qt::ISODate);
        instruments.append(instrument);
    }
    return instruments;
}

QString CReferenceInstruments::ToJson(const QList<CReferenceInstrument>& instruments) {
    QJsonArray entries;
    for (const CReferenceInstrument& instrument : instruments) {
        QJsonObject o{
            {kName, instrument.name}, {kSerial, instrument.serial}, {kCertificate, instrument.certificate}};
        if (instrument.dueDate.isValid()) {
            o.insert(kDue, instrument.dueDate.toString(Qt::ISODate));
        }
        entries.append(o);
    }
    return QString::fromUtf8(QJsonDocument(entries).toJson(QJsonDocument::Compact));
}

QList<CReferenceInstrument> CReferenceInstruments::Load(const CSettingsRegistry& settings) {
    return FromJson(settings.Text(CSettingsRegistry::kCheckReferences));
}

void CReferenceInstruments::Save(CSettingsRegistry& settings,
                                 const QList<CReferenceInstrument>& instruments) {
    settings.Set(CSettingsRegistry::kCheckReferences, ToJson(instruments));
}
