#include "shell/StartupChecks.h"

#include "document/QuillonDoc.h"

void CStartupChecks::SetPasswordCheck(PasswordCheck check) {
    m_passwordCheck = std::move(check);
}

void CStartupChecks::SetHardwareSetup(Step step) {
    m_hardwareSetup = std::move(step);
}

void CStartupChecks::SetAnschlusshinweis(Step step) {
    m_anschlusshinweis = std::move(step);
}

bool CStartupChecks::Run(const CQuillonDoc& doc) const {
    if (m_passwordCheck && !m_passwordCheck()) {
        return false;
    }
    if (doc.GetShowHardwareSetup() == 1 && m_hardwareSetup) {
        m_hardwareSetup();
    }
    if (doc.GetStartupHinweis() == 1 && m_anschlusshinweis) {
        m_anschlusshinweis();
    }
    return true;
}
