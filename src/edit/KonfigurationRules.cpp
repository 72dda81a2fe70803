#include "edit/KonfigurationRules.h"

#include "base/CorrectionLimits.h"
#include "base/NumberField.h"
#include "base/TypKatalog.h"

#include <cmath>
#include <utility>

namespace {

constexpr float kNullpunktMax = 1000.0f;
constexpr int kTastensperreMax = 100;
constexpr int kPasswortMax = 999;

} // namespace

CKonfigurationRules::CKonfigurationRules(QLocale locale)
    : m_locale(std::move(locale)) {}

int CKonfigurationRules::TastensperreGrenze(int nTyp) {
    return IstPasswort(nTyp) ? kPasswortMax : kTastensperreMax;
}

bool CKonfigurationRules::TemperaturSichtbar(int nTyp) {
    const CTypKatalog::Typ* typ = CTypKatalog::Find(nTyp);
    return typ != nullptr && typ->bTemperatur;
}

bool CKonfigurationRules::TastensperreSichtbar(int nTyp) {
    return CTypKatalog::HasTastatursperre(nTyp);
}

bool CKonfigurationRules::IstPasswort(int nTyp) {
    return CTypKatalog::IsKA71(nTyp);
}

QString CKonfigurationRules::TastensperreLabel(int nTyp) {
    return IstPasswort(nTyp) ? tr("Passwort") : tr("Tastensperre");
}

QString CKonfigurationRules::Text(double value) const {
    return CNumberField::Format(value, m_locale);
}

std::optional<ValidationProblem> CKonfigurationRules::Validate(const CKonfigurationValues& werte) const {
    using F = CKonfigurationValues;
    Zahlen z;
    CCorrectionLimits::Values korrektur;
    const CCorrectionLimits::Entry entry{werte.nTyp, werte.fSpanne, werte.strOffset, werte.strSpanne};
    if (auto problem = CCorrectionLimits::Check(entry, m_locale, {F::kOffset, F::kSpanne}, korrektur)) {
        return problem;
    }
    if (auto text =
            CNumberField::CheckFloat(werte.strNullpunkt, 0.0f, kNullpunktMax, m_locale, z.fNullpunkt)) {
        return ValidationProblem{F::kNullpunkt, *text};
    }
    if (!TastensperreSichtbar(werte.nTyp)) {
        return std::nullopt;
    }
    const int grenze = TastensperreGrenze(werte.nTyp);
    if (auto text = CNumberField::CheckInt(werte.strTastensperre, 0, grenze, m_locale, z.nTastensperre)) {
        return ValidationProblem{F::kTastensperre, *text};
    }
    return std::nullopt;
}

CKonfigurationRules::Zahlen CKonfigurationRules::GetZahlen(const CKonfigurationValues& werte) const {
    Zahlen z;
    z.fOffset = static_cast<float>(CNumberField::Parse(werte.strOffset, m_locale).value_or(0.0));
    z.fSpanne = static_cast<float>(CNumberField::Parse(werte.strSpanne, m_locale).value_or(0.0));
    z.fNullpunkt =
        std::trunc(static_cast<float>(CNumberField::Parse(werte.strNullpunkt, m_locale).value_or(0.0)));
    z.nTastensperre = CNumberField::ParseInt(werte.strTastensperre, m_locale).value_or(0);
    return z;
}

void CKonfigurationRules::Reset(CKonfigurationValues& werte) const {
    werte.strOffset = Text(0.0);
    werte.strSpanne = Text(0.0);
    werte.strNullpunkt = Text(0.0);
    werte.strTastensperre = QStringLiteral("0");
}
