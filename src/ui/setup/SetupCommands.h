#pragma once

#include "access/ComportRules.h"
#include "access/HardwareSetupRules.h"

class CConnection;
class CQuillonDoc;
class CTransmitterLink;
class QWidget;

/// The window's commands of the hardware setup: "Setup Hardware...", the port choice, the interface
/// choice and "Anschlußhinweis....".
class CSetupCommands {
public:
    CSetupCommands(CQuillonDoc& doc, CTransmitterLink& link, CConnection& connection, QWidget* parent);

    /// True when the user ended it with "OK" (the document's settings changed).
    bool SetupHardware();
    bool ChoosePort();
    bool ChooseInterface();
    /// "Hinweis"; "OK" stores whether it is shown at the next start.
    void ShowConnectionNotice();

private:
    CQuillonDoc& m_doc;
    QWidget* m_pParent;
    CHardwareSetupRules m_setup;
    CComportRules m_comport;
};
