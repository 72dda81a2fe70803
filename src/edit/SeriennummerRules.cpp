#include "edit/SeriennummerRules.h"

#include "base/NumberField.h"

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

QString CSeriennummerRules::Compose(const std::array<QString, kFelder>& felder) {
    return felder[0] + QLatin1Char('.') + felder[1] + QLatin1Char('.') + felder[2] + QStringLiteral("   ");
}
