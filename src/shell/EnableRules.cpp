#include "shell/EnableRules.h"

#include "base/TypKatalog.h"
#include "document/QuillonDoc.h"

CommandState CommandState::Of(const CQuillonDoc& doc, bool bBereit) {
    // A record read for another type (before "Transmitter-Typ..." or a file of another type) enables
    // none of the record's commands: its words would be shown and written in the wrong layout.
    return {bBereit, doc.IsGueltig(), doc.GetTyp(), doc.Abgleichdaten().IsValidFor(doc.GetTyp())};
}

bool CEnableRules::IsAnalogTyp(int nTyp) {
    return CTypKatalog::HasAnalogAbgleich(nTyp);
}

namespace {

/// The factory submenus of one calibration form serve only the types of that form.
bool HasForm(int nTyp, CTypKatalog::AbgleichForm form) {
    return CTypKatalog::Is(nTyp, &CTypKatalog::Typ::abgleich, form);
}

} // namespace

bool CEnableRules::IsEnabled(EnableRule rule, const CommandState& state) {
    if (rule == EnableRule::Always) {
        return true;
    }
    if (!state.bBereit) {
        return false;
    }
    switch (rule) {
    case EnableRule::Always:
    case EnableRule::R:
        return true;
    case EnableRule::RV:
        return state.bGueltig;
    case EnableRule::R01:
        return HasForm(state.nTyp, CTypKatalog::AbgleichForm::RX93);
    case EnableRule::RA:
        return IsAnalogTyp(state.nTyp);
    case EnableRule::CRA:
        return state.bAbgleichGueltig && IsAnalogTyp(state.nTyp);
    case EnableRule::R7:
        return HasForm(state.nTyp, CTypKatalog::AbgleichForm::VN62);
    case EnableRule::CR7:
        return state.bAbgleichGueltig && HasForm(state.nTyp, CTypKatalog::AbgleichForm::VN62);
    case EnableRule::R10:
        return HasForm(state.nTyp, CTypKatalog::AbgleichForm::KA71);
    case EnableRule::CR10:
        return state.bAbgleichGueltig && HasForm(state.nTyp, CTypKatalog::AbgleichForm::KA71);
    }
    return false;
}
