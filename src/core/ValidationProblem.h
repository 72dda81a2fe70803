#pragma once

#include <QString>
#include <utility>

/// What a dialog's rules class finds wrong with the values a person entered: the field to put the
/// focus on (the value of the rules class's own Field enum) and the message to show. A warning may be
/// accepted by the person; an error keeps the dialog open. Every dialog's Validate returns the first one
/// it finds, or nothing.
struct ValidationProblem {
    enum class Kind { Error, Warning };

    int field = -1;
    QString text;
    Kind kind = Kind::Error;

    template <typename FieldEnum>
    static ValidationProblem At(FieldEnum where, QString text, Kind kind = Kind::Error) {
        return {static_cast<int>(where), std::move(text), kind};
    }
    template <typename FieldEnum>
    bool Is(FieldEnum where) const {
        return field == static_cast<int>(where);
    }
};
