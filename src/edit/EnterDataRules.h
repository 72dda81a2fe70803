#pragma once

#include "core/ValidationProblem.h"

#include <QString>
#include <optional>

/// The small dialog "Dateneingabe" of the test commands: an index and a value, handed on as typed.
class CEnterDataRules {
public:
    enum Field { kIndex, kWert };
    static constexpr int kWertMax = 10;

    static std::optional<ValidationProblem> Validate(const QString& strIndex, const QString& strWert);
};
