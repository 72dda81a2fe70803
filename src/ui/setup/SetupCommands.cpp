#include "ui/setup/SetupCommands.h"

#include "access/HinweisTextRules.h"
#include "access/PCInterfaceRules.h"
#include "ui/setup/Comport.h"
#include "ui/setup/HardwareSetup.h"
#include "ui/setup/HinweisText.h"
#include "ui/setup/PCInterface.h"

CSetupCommands::CSetupCommands(CQuillonDoc& doc, CTransmitterLink& link, CConnection& connection,
                               QWidget* parent)
    : m_doc(doc)
    , m_pParent(parent)
    , m_setup(doc, link, connection)
    , m_comport(doc, link, connection) {}

bool CSetupCommands::SetupHardware() {
    return m_setup.Run([this](CHardwareSetupRules::Values& values) {
        return CHardwareSetup::Ask(m_setup, values, m_pParent);
    });
}

bool CSetupCommands::ChoosePort() {
    return m_comport.Run(
        [this](CComportRules::Values& values) { return CComport::Ask(m_comport, values, m_pParent); });
}

bool CSetupCommands::ChooseInterface() {
    CPCInterface dialog(CPCInterfaceRules::Load(m_doc), m_pParent);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    CPCInterfaceRules::Apply(dialog.Value(), m_doc);
    return true;
}

void CSetupCommands::ShowConnectionNotice() {
    CHinweisText dialog(CHinweisTextRules::Load(m_doc), m_pParent);
    if (dialog.exec() == QDialog::Accepted) {
        CHinweisTextRules::Apply(dialog.ShowAtStart(), m_doc);
    }
}
