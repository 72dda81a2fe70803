#pragma once

#include <QString>

class IOperator;
class QWidget;

/// The window's help commands: the two help documents and the help-topics sheet.
class CHelpCommands {
public:
    /// bEnglish: the language the program started with (a change takes effect only at the next start).
    CHelpCommands(QString programDir, bool bEnglish, IOperator& op, QWidget* parent);

    /// "Hilfe Software..." and "Hilfe Transmitter...".
    bool OpenSoftwareHelp();
    bool OpenTransmitterHelp();
    /// The help-topics sheet of the help text files.
    void ShowHelpTopics();

private:
    QString m_strProgramDir;
    bool m_bEnglish;
    IOperator& m_operator;
    QWidget* m_pParent;
};
