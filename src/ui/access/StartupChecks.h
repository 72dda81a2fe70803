#pragma once

class CAccessCommands;
class CQuillonDoc;
class CSetupCommands;

/// What the window's first paint runs, in this order: the program password, the hardware setup while
/// "ShowHardwareSetup" is set, the connection notice while "StartupHinweis" is set.
class CStartupChecks {
public:
    /// False when the password was refused or cancelled: the program then ends with exit code 0,
    /// before anything else is shown.
    static bool Run(const CQuillonDoc& doc, CAccessCommands& access, CSetupCommands& setup);
};
