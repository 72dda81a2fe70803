#include "edit/EnterDataRules.h"

#include "base/NumberField.h"

std::optional<ValidationProblem> CEnterDataRules::Validate(const QString& /*strIndex*/,
                                                           const QString& strWert) {
    if (auto text = CNumberField::CheckLength(strWert, kWertMax)) {
        return ValidationProblem{kWert, *text};
    }
    return std::nullopt;
}
