#include "access/GetKeyRules.h"

void CGetKeyRules::Reset() {
    m_bKey = false;
    m_strPasswort.clear();
}

void CGetKeyRules::OnCharacter(int nCode, const AskPassword& ask) {
    m_strPasswort.clear();
    if (nCode != kCtrlEnter) {
        return;
    }
    m_bKey = true;
    if (const std::optional<QString> typed = ask()) {
        m_strPasswort = *typed;
    }
}
