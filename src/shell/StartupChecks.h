#pragma once

#include <functional>

class CQuillonDoc;

/// The checks of the window's first paint, in their order: the program password (the program ends when
/// it is refused or cancelled), the hardware setup with its interface search when the setting
/// "ShowHardwareSetup" asks for it, and the connection notice when "StartupHinweis" asks for it. The
/// dialogs plug themselves in here; a check not plugged in is skipped.
class CStartupChecks {
public:
    /// False ends the program.
    using PasswordCheck = std::function<bool()>;
    using Step = std::function<void()>;

    void SetPasswordCheck(PasswordCheck check);
    void SetHardwareSetup(Step step);
    void SetAnschlusshinweis(Step step);

    /// Runs the checks once; false when the program is to end.
    bool Run(const CQuillonDoc& doc) const;

private:
    PasswordCheck m_passwordCheck;
    Step m_hardwareSetup;
    Step m_anschlusshinweis;
};
