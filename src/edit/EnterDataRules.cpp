#include "edit/EnterDataRules.h"

#include "base/NumberField.h"

std::optional<CFieldProblem> CEnterDataRules::Validate(const QString& /*strIndex*/, const QString& strWert) {
    if (auto text = CNumberField::CheckLength(strWert, kWertMax)) {
        return CFieldProblem{kWert, *text};
    }
    return std::nullopt;
}
