#include "edit/SeriennummerRules.h"

#include "base/NumberField.h"
#include "document/Windows1252.h"
#include "edit/EditDataRules.h"

#include <algorithm>

namespace {

constexpr std::array<int, CSeriennummerRules::kFelder> kAnfang = {0, 7, 10};

} // namespace

std::array<QString, CSeriennummerRules::kFelder> CSeriennummerRules::Split(const QString& strSeriennummer) {
    std::array<QString, kFelder> felder;
    for (std::size_t i = 0; i < felder.size(); ++i) {
        felder[i] = strSeriennummer.mid(kAnfang[i], kLaengen[i]);
    }
    return felder;
}

std::optional<ValidationProblem> CSeriennummerRules::Validate(const std::array<QString, kFelder>& felder) {
    if (std::optional<ValidationProblem> problem = CheckLengths(felder)) {
        return problem;
    }
    return CheckStorable(felder);
}

std::optional<ValidationProblem>
CSeriennummerRules::CheckLengths(const std::array<QString, kFelder>& felder) {
    for (std::size_t i = 0; i < felder.size(); ++i) {
        if (auto text = CNumberField::CheckLength(felder[i], kLaengen[i])) {
            return ValidationProblem{static_cast<int>(i), *text};
        }
        if (felder[i].size() < kLaengen[i]) {
            return ValidationProblem{static_cast<int>(i), tr("Geben Sie %1 Zeichen ein.").arg(kLaengen[i])};
        }
    }
    return std::nullopt;
}

std::optional<ValidationProblem>
CSeriennummerRules::CheckStorable(const std::array<QString, kFelder>& felder) {
    for (std::size_t i = 0; i < felder.size(); ++i) {
        if (!CWindows1252::IsStorable(felder[i])) {
            return ValidationProblem{
                static_cast<int>(i),
                tr("Seriennummer, Teil %1: %2").arg(i + 1).arg(CEditDataRules::MsgZeichen())};
        }
    }
    return std::nullopt;
}

QString CSeriennummerRules::Compose(const std::array<QString, kFelder>& felder) {
    return felder[0] + QLatin1Char('.') + felder[1] + QLatin1Char('.') + felder[2] + QStringLiteral("   ");
}

std::optional<QString> CSeriennummerRules::CheckStored(const QString& strSeriennummer) {
    const std::array<QString, kFelder> felder = Split(strSeriennummer);
    if (const std::optional<ValidationProblem> problem = CheckLengths(felder)) {
        return tr("Teil %1: %2").arg(problem->field + 1).arg(problem->text);
    }
    const QString form = Compose(felder);
    const qsizetype nForm = form.trimmed().size();
    const QString rest = strSeriennummer.mid(nForm);
    const bool bRestLeer =
        std::all_of(rest.begin(), rest.end(), [](QChar c) { return c == QLatin1Char(' ') || c.isNull(); });
    if (!strSeriennummer.startsWith(form.left(nForm)) || !bRestLeer) {
        return tr("die Form ist %1").arg(QStringLiteral("123456.78.901"));
    }
    if (const std::optional<ValidationProblem> problem = CheckStorable(felder)) {
        return problem->text;
    }
    return std::nullopt;
}
