#include "measurement/KalibrierungRules.h"

#include "base/CorrectionLimits.h"
#include "base/NumberField.h"
#include "document/QuillonDoc.h"
#include "measurement/MessAnzeige.h"

#include <cmath>

namespace {

constexpr int kSpanneDecimals = 2;

} // namespace

CKalibrierungRules::CKalibrierungRules(QLocale locale)
    : m_locale(std::move(locale)) {}

CKalibrierungRules::Values CKalibrierungRules::Load(const CQuillonDoc& doc) const {
    Values values;
    const int precision = CMessAnzeige::Precision(doc);
    values.messdruck = CMessAnzeige::FormatMesswert(doc.GetMesswert(0), precision, m_locale);
    values.einheit = CMessAnzeige::UnitText(doc);
    values.temperatur = CMessAnzeige::FormatTemperatur(doc.GetTemperatur(), m_locale);
    values.bTemperatur = CMessAnzeige::HasTemperatur(doc.GetTyp());
    values.nTyp = doc.GetTyp();
    values.span =
        std::fabs(static_cast<double>(doc.GetGrundEnde()) - static_cast<double>(doc.GetGrundAnfang()));
    values.offsetDecimals = qBound(0, doc.GetDezimalstellen(), 4);
    values.offset = Offset(doc.GetOffset(), values.offsetDecimals);
    values.spanne = Spanne(doc.GetSpanne());
    return values;
}

std::optional<ValidationProblem> CKalibrierungRules::Validate(const Values& values) const {
    CCorrectionLimits::Values korrektur;
    const CCorrectionLimits::Entry entry{values.nTyp, static_cast<float>(values.span), values.offset,
                                         values.spanne};
    const CCorrectionLimits::Fields fields{static_cast<int>(Field::Offset), static_cast<int>(Field::Spanne)};
    return CCorrectionLimits::Check(entry, m_locale, fields, korrektur);
}

void CKalibrierungRules::Apply(const Values& values, CQuillonDoc& doc) const {
    doc.SetOffset(static_cast<float>(CNumberField::Parse(values.offset, m_locale).value_or(0.0)));
    doc.SetSpanne(static_cast<float>(CNumberField::Parse(values.spanne, m_locale).value_or(0.0)));
}

void CKalibrierungRules::Reset(Values& values) const {
    values.offset = Offset(0.0, values.offsetDecimals);
    values.spanne = Spanne(0.0);
}

QString CKalibrierungRules::Offset(double value, int decimals) const {
    return CNumberField::FormatFixed(value, 0, decimals, m_locale);
}

QString CKalibrierungRules::Spanne(double value) const {
    return CNumberField::FormatFixed(value, 0, kSpanneDecimals, m_locale);
}
