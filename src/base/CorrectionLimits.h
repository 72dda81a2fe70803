#pragma once

#include "core/ValidationProblem.h"

#include <QCoreApplication>
#include <QLocale>
#include <QString>
#include <optional>

/// The offset and span corrections a person types in "Konfiguration" and in "Kalibrierung": both
/// dialogs check them here, so that one text gets one verdict and one message in either of them. The
/// limits are the type's (CTypKatalog::Correction); a type without a row counts as "every other type".
class CCorrectionLimits {
    Q_DECLARE_TR_FUNCTIONS(CCorrectionLimits)

public:
    /// What the person typed, and what the limits depend on.
    struct Entry {
        int nTyp = 0;
        /// |base end - base start|; the offset limit is a share of it.
        float fSpan = 1.0f;
        QString offset;
        QString spanne;
    };
    /// The two corrections once they passed.
    struct Values {
        float fOffset = 0.0f;
        float fSpanne = 0.0f;
    };
    /// The dialog's own Field values for the two edits, so that a problem points at them.
    struct Fields {
        int offset;
        int spanne;
    };

    /// The offset correction's limit either way, in the unit of the span.
    static float OffsetLimit(int nTyp, float fSpan);
    /// The span correction's limit either way, in % FS.
    static float SpanLimit(int nTyp);

    /// The offset, then the span correction: the first problem, or nothing with values set. A base range
    /// without span refuses both, since the corrections are shares of it.
    static std::optional<ValidationProblem> Check(const Entry& entry, const QLocale& locale, Fields fields,
                                                  Values& values);
};
