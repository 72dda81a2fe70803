#pragma once

#include <QCoreApplication>
#include <QPointer>
#include <QString>
#include <memory>

class CDlgVerbindungsprotokoll;
class CQuillonDoc;
class CLoggingSwitches;
class IFileChooser;
class IOperator;
class QWidget;

/// The service aids of the Hilfe menu: the "Verbindungsprotokoll" window (one for the run, shown again
/// where it was) with the logging switches of the settings group "Logging", and the problem report.
class CDiagnoseCommands {
    Q_DECLARE_TR_FUNCTIONS(CDiagnoseCommands)

public:
    /// edition: the edition's name for the report.
    CDiagnoseCommands(CQuillonDoc& doc, QString edition, IFileChooser& chooser, IOperator& op,
                      QWidget* parent);
    ~CDiagnoseCommands();
    CDiagnoseCommands(const CDiagnoseCommands&) = delete;
    CDiagnoseCommands& operator=(const CDiagnoseCommands&) = delete;

    /// "Verbindungsprotokoll...": shows the window without making it modal.
    CDlgVerbindungsprotokoll* ShowVerbindungsprotokoll();
    /// "Fehlerbericht speichern...": asks for a file and writes the zip (CProblemReport); false when
    /// cancelled or not written (the person has been told why).
    bool SaveProblemReport();
    /// Applies the remembered logging switches (at start).
    void ApplyLoggingSwitches();

private:
    CQuillonDoc& m_doc;
    QString m_strEdition;
    IFileChooser& m_chooser;
    IOperator& m_operator;
    QWidget* m_pParent;
    std::unique_ptr<CLoggingSwitches> m_switches;
    QPointer<CDlgVerbindungsprotokoll> m_dialog;
};
