#include "measurement/KalibrierungRules.h"

#include "document/QuillonDoc.h"
#include "measurement/MessAnzeige.h"

#include <cmath>

namespace {

constexpr int kSpanneDecimals = 2;

bool IsRX26Familie(int nTyp) {
    return nTyp >= 3 && nTyp <= 6;
}

} // namespace

CKalibrierungRules::CKalibrierungRules(QLocale locale)
    : m_locale(std::move(locale)) {
    // A correction is typed as one number; thousands separators would only confuse it.
    m_locale.setNumberOptions(m_locale.numberOptions() | QLocale::OmitGroupSeparator);
}

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

CKalibrierungRules::Limits CKalibrierungRules::OffsetLimits(int nTyp, double span) {
    const double half = IsRX26Familie(nTyp) ? span * 0.25 : span / 10.0;
    return {-half, half};
}

CKalibrierungRules::Limits CKalibrierungRules::SpanneLimits(int nTyp) {
    return nTyp == 3 ? Limits{-25.0, 25.0} : Limits{-10.0, 10.0};
}

std::optional<double> CKalibrierungRules::Parse(const QString& text) const {
    bool bOk = false;
    const double value = m_locale.toDouble(text.trimmed(), &bOk);
    if (bOk && std::isfinite(value)) {
        return value;
    }
    return std::nullopt;
}

QString CKalibrierungRules::RangeMessage(const Limits& limits) const {
    return tr("Geben Sie eine Zahl zwischen %1 und %2 ein.")
        .arg(m_locale.toString(limits.lo), m_locale.toString(limits.hi));
}

std::optional<CKalibrierungRules::Problem> CKalibrierungRules::Validate(const Values& values) const {
    const Limits offset = OffsetLimits(values.nTyp, values.span);
    const std::optional<double> offsetValue = Parse(values.offset);
    if (!offsetValue || *offsetValue < offset.lo || *offsetValue > offset.hi) {
        return Problem{Field::Offset, RangeMessage(offset)};
    }
    const Limits spanne = SpanneLimits(values.nTyp);
    const std::optional<double> spanneValue = Parse(values.spanne);
    if (!spanneValue || *spanneValue < spanne.lo || *spanneValue > spanne.hi) {
        return Problem{Field::Spanne, RangeMessage(spanne)};
    }
    return std::nullopt;
}

void CKalibrierungRules::Apply(const Values& values, CQuillonDoc& doc) const {
    doc.SetOffset(static_cast<float>(Parse(values.offset).value_or(0.0)));
    doc.SetSpanne(static_cast<float>(Parse(values.spanne).value_or(0.0)));
}

void CKalibrierungRules::Reset(Values& values) const {
    values.offset = Offset(0.0, values.offsetDecimals);
    values.spanne = Spanne(0.0);
}

QString CKalibrierungRules::Offset(double value, int decimals) const {
    return m_locale.toString(value, 'f', decimals);
}

QString CKalibrierungRules::Spanne(double value) const {
    return m_locale.toString(value, 'f', kSpanneDecimals);
}
