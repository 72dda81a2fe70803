#pragma once

#include "core/ValidationProblem.h"

#include <QCoreApplication>
#include <QString>
#include <optional>

class CQuillonDoc;

/// The rules behind the dialog "Landessprache": which language is chosen, and what choosing one does.
/// The choice lives in the document until program end, reaches the profile then, and the program
/// starts in that language the next time; the running program keeps its language.
class CSpracheRules {
    Q_DECLARE_TR_FUNCTIONS(CSpracheRules)

public:
    static constexpr int kDeutsch = 0;
    static constexpr int kEnglisch = 1;
    enum class Field { Sprache };

    struct Values {
        int nSprache = kDeutsch;
    };

    /// What the person is told once a choice has been taken.
    struct Notice {
        QString text;
        QString caption;
    };

    static Values Load(const CQuillonDoc& doc);
    static std::optional<ValidationProblem> Validate(const Values& values);
    /// Takes the choice into the document; returns the notice to show.
    static Notice Apply(const Values& values, CQuillonDoc& doc);
};
