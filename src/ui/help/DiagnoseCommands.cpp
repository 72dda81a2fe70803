#include "ui/help/DiagnoseCommands.h"

#include "access/AboutRules.h"
#include "core/Operator.h"
#include "document/QuillonDoc.h"
#include "link/LinkTrace.h"
#include "shell/FileChooser.h"
#include "shell/LoggingSwitches.h"
#include "shell/ProblemReport.h"
#include "ui/help/DlgVerbindungsprotokoll.h"

CDiagnoseCommands::CDiagnoseCommands(CQuillonDoc& doc, QString edition, IFileChooser& chooser, IOperator& op,
                                     QWidget* parent)
    : m_doc(doc)
    , m_strEdition(std::move(edition))
    , m_chooser(chooser)
    , m_operator(op)
    , m_pParent(parent)
    , m_switches(std::make_unique<CLoggingSwitches>(doc.Settings())) {}

CDiagnoseCommands::~CDiagnoseCommands() {
    delete m_dialog; // it uses the switches, which go with this object
}

CDlgVerbindungsprotokoll* CDiagnoseCommands::ShowVerbindungsprotokoll() {
    if (m_dialog == nullptr) {
        m_dialog =
            new CDlgVerbindungsprotokoll(CLinkTrace::Global(), *m_switches, m_chooser, m_operator, m_pParent);
    }
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
    return m_dialog;
}

bool CDiagnoseCommands::SaveProblemReport() {
    const QString path = m_chooser.ChooseSave(tr("Zip-Dateien (*.zip);;Alle Dateien (*)"),
                                              QStringLiteral("Fehlerbericht.zip"));
    if (path.isEmpty()) {
        return false;
    }
    CProblemReport::Inhalt inhalt;
    inhalt.programVersion = CAboutRules::ProgramVersion();
    inhalt.edition = m_strEdition;
    inhalt.trace = CLinkTrace::Global().Entries();
    inhalt.settings = m_doc.Settings().ValuesWithoutPasswords(); // as the program uses them now
    inhalt.document = m_doc.GetParameterSatz();
    QString error;
    if (!CProblemReport::Write(path, inhalt, error)) {
        m_operator.Message(tr("Der Fehlerbericht kann nicht gespeichert werden: %1").arg(error), QString(),
                           IOperator::Icon::Error);
        return false;
    }
    return true;
}

void CDiagnoseCommands::ApplyLoggingSwitches() {
    m_switches->Apply();
}
