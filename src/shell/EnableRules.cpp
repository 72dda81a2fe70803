#include "shell/EnableRules.h"

#include "base/TypKatalog.h"
#include "document/QuillonDoc.h"

CommandState CommandState::Of(const CQuillonDoc& doc, bool bBereit) {
    return {bBereit, doc.IsGueltig(), doc.GetTyp(), doc.Abgleichdaten().m_bGueltig};
}

bool CEnableRules::IsAnalogTyp(int nTyp) {
    // The transmitters with the analog calibration words (RX30/RX31/RX84/RX96 family and KA71).
    return nTyp == 2 || nTyp == 3 || nTyp == 4 || nTyp == 8 || nTyp == 9 || nTyp == CTypKatalog::kKA71;
}

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
        return state.nTyp == 0 || state.nTyp == 1;
    case EnableRule::RA:
        return IsAnalogTyp(state.nTyp);
    case EnableRule::CRA:
        return state.bAbgleichGueltig && IsAnalogTyp(state.nTyp);
    case EnableRule::R7:
        return state.nTyp == CTypKatalog::kVN62;
    case EnableRule::CR7:
        return state.bAbgleichGueltig && state.nTyp == CTypKatalog::kVN62;
    case EnableRule::R10:
        return state.nTyp == CTypKatalog::kKA71;
    case EnableRule::CR10:
        return state.bAbgleichGueltig && state.nTyp == CTypKatalog::kKA71;
    }
    return false;
}
