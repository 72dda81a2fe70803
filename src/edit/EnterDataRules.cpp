#include "edit/EnterDataRules.h"

#include "edit/NumberField.h"

std::optional<CFieldProblem> CEnterDataRules::Validate(const QString& /*strIndex*/, const QString& strWert) {
    if (auto text = CNumberField::CheckLength(strWert, kWertMax)) {
        return CFieldProblem{kWert, *text};
    }
    return std::nullopt;
}
