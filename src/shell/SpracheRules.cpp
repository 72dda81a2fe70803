#include "shell/SpracheRules.h"

#include "document/QuillonDoc.h"

CSpracheRules::Values CSpracheRules::Load(const CQuillonDoc& doc) {
    return {doc.GetSprache()};
}

std::optional<ValidationProblem> CSpracheRules::Validate(const Values& values) {
    if (values.nSprache != kDeutsch && values.nSprache != kEnglisch) {
        return ValidationProblem::At(Field::Sprache, tr("Bitte wählen Sie eine Sprache."));
    }
    return std::nullopt;
}

CSpracheRules::Notice CSpracheRules::Apply(const Values& values, CQuillonDoc& doc) {
    doc.SetSprache(values.nSprache);
    return {tr("Die Einstellung wird erst nach Neustart\ndes Programms wirksam."), tr("Sprachwahl")};
}
