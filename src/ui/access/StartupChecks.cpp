#include "ui/access/StartupChecks.h"

#include "document/QuillonDoc.h"
#include "ui/access/AccessCommands.h"
#include "ui/setup/SetupCommands.h"

bool CStartupChecks::Run(const CQuillonDoc& doc, CAccessCommands& access, CSetupCommands& setup) {
    if (!access.CheckPassword()) {
        return false;
    }
    if (doc.GetShowHardwareSetup() != 0) {
        setup.SetupHardware();
    }
    if (doc.GetStartupHinweis() != 0) {
        setup.ShowConnectionNotice();
    }
    return true;
}
