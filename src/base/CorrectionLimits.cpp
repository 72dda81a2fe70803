#include "base/CorrectionLimits.h"

#include "base/NumberField.h"
#include "base/TypKatalog.h"

#include <cmath>

namespace {

/// The limits of a type number the table has no row for.
constexpr CTypKatalog::Correction kOtherTypes{10.0f, 10.0f};

CTypKatalog::Correction CorrectionOf(int nTyp) {
    const CTypKatalog::Typ* typ = CTypKatalog::Find(nTyp);
    return typ != nullptr ? typ->correction : kOtherTypes;
}

} // namespace

float CCorrectionLimits::OffsetLimit(int nTyp, float fSpan) {
    return std::fabs(fSpan) / CorrectionOf(nTyp).fOffsetDivisor;
}

float CCorrectionLimits::SpanLimit(int nTyp) {
    return CorrectionOf(nTyp).fSpanPercent;
}

std::optional<ValidationProblem> CCorrectionLimits::Check(const Entry& entry, const QLocale& locale,
                                                          Fields fields, Values& values) {
    if (!(entry.fSpan > 0.0f) || !std::isfinite(entry.fSpan)) {
        // The KA71 also converts the offset through the span: without one there is nothing to trim.
        return ValidationProblem{fields.offset, tr("Der Grundmessbereich hat keine Spanne.")};
    }
    const float offset = OffsetLimit(entry.nTyp, entry.fSpan);
    if (auto text = CNumberField::CheckFloat(entry.offset, -offset, offset, locale, values.fOffset)) {
        return ValidationProblem{fields.offset, *text};
    }
    const float spanne = SpanLimit(entry.nTyp);
    if (auto text = CNumberField::CheckFloat(entry.spanne, -spanne, spanne, locale, values.fSpanne)) {
        return ValidationProblem{fields.spanne, *text};
    }
    return std::nullopt;
}
