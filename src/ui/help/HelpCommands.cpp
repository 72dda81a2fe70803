#include "ui/help/HelpCommands.h"

#include "access/HelpDocuments.h"
#include "access/HelpTopics.h"
#include "ui/help/HelpViewer.h"
#include "ui/help/Hilfethemen.h"

CHelpCommands::CHelpCommands(QString programDir, bool bEnglish, IOperator& op, QWidget* parent)
    : m_strProgramDir(std::move(programDir))
    , m_bEnglish(bEnglish)
    , m_operator(op)
    , m_pParent(parent) {}

bool CHelpCommands::OpenSoftwareHelp() {
    return CHelpViewer::OpenDocument(CHelpDocuments::SoftwareFileName(), m_strProgramDir, m_bEnglish,
                                     m_operator);
}

bool CHelpCommands::OpenTransmitterHelp() {
    return CHelpViewer::OpenDocument(CHelpDocuments::TransmitterFileName(), m_strProgramDir, m_bEnglish,
                                     m_operator);
}

void CHelpCommands::ShowHelpTopics() {
    CHilfethemen sheet(CHelpTopics::ReadPages(CHelpDocuments::SearchDirs(m_strProgramDir), m_bEnglish),
                       m_pParent);
    sheet.exec();
}
