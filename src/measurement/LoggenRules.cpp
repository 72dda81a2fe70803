#include "measurement/LoggenRules.h"

#include "base/NumberField.h"
#include "document/QuillonDoc.h"
#include "measurement/MessAnzeige.h"

CLoggenRules::Values CLoggenRules::Load(const CQuillonDoc& doc, const QLocale& locale) {
    Values values;
    const int precision = CMessAnzeige::Precision(doc);
    values.messwert = CMessAnzeige::FormatMesswert(doc.GetMesswert(0), precision, locale);
    values.einheit = CMessAnzeige::UnitText(doc);
    values.temperatur = CMessAnzeige::FormatTemperatur(doc.GetTemperatur(), locale);
    values.p1 = CMessAnzeige::FormatMesswert(doc.GetMesswert(1), precision, locale);
    values.p2 = CMessAnzeige::FormatMesswert(doc.GetMesswert(2), precision, locale);
    values.bTemperatur = CMessAnzeige::HasTemperatur(doc.GetTyp());
    values.bDruecke = CMessAnzeige::HasDruecke(doc.GetTyp());
    values.intervall = QString::number(doc.GetLogIntervall());
    values.bLoggen = doc.GetLogStatus() != 0;
    values.logFile = doc.GetLogFile();
    return values;
}

std::optional<ValidationProblem> CLoggenRules::Validate(const Values& values) {
    // Whole seconds carry no decimal or group separator, so every locale reads them alike.
    int nIntervall = 0;
    if (auto text = CNumberField::CheckInt(values.intervall, kIntervallMin, kIntervallMax, QLocale::c(),
                                           nIntervall)) {
        return ValidationProblem::At(Field::Intervall, *text);
    }
    return std::nullopt;
}

void CLoggenRules::Apply(const Values& values, CQuillonDoc& doc) {
    doc.SetLogIntervall(values.intervall.trimmed().toInt());
    doc.SetLogStatus(values.bLoggen ? 1 : 0);
    doc.SetLogFile(values.logFile);
}

QString CLoggenRules::LogFileFilter() {
    return tr("Log-Dateien (*.log);;Alle Dateien (*)");
}

QString CLoggenRules::LogFileSuffix() {
    return QStringLiteral("log");
}
