#pragma once

#include <QString>

/// What a dialog's rules class finds wrong with the values a person entered: the field to put the
/// focus on and the message to show. A warning may be accepted by the person; an error keeps the dialog
/// open. Every dialog's Validate returns the first one it finds, or nothing.
struct ValidationProblem {
    enum class Kind { Error, Warning };

    QString field;
    QString text;
    Kind kind = Kind::Error;
};
