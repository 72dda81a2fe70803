#pragma once

#include "calibration/AbgleichRecordRules.h"
#include "history/HistoryBrowser.h"
#include "shell/CommandTable.h"
#include "shell/DocumentSession.h"
#include "shell/Edition.h"

#include <QHash>
#include <QList>
#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>

class CAccessCommands;
class CGuiOperator;
class CHistoryStatus;
struct CHistoryRecord;
class CHistoryStore;
class CHelpCommands;
class CQuillonDoc;
class CQuillonView;
class CRecentFiles;
class CSetupCommands;
class CSheetPrinter;
class IByteDevice;
class IClock;
class IFileChooser;
class CDiagnoseCommands;
class QMenu;

/// The main window: menus of the edition and the toolbar built from the command table, the status bar
/// with "Bereit", the title "<document> - Varnex", and the form view in the middle. Every command is
/// enabled by its rule whenever a menu opens and whenever the ready flag or the document changes; the
/// commands whose part of the program is not built yet stay disabled.
class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    /// The action property that holds whether the command's rule allows it now.
    static constexpr const char* kRuleProperty = "ruleEnabled";

    /// What tests replace: the link's clock and byte device (nullptr: the machine's serial port) and
    /// the file choosers (nullptr: the desktop's dialogs).
    struct Seams {
        IClock* clock = nullptr;
        std::unique_ptr<IByteDevice> device;
        IFileChooser* chooser = nullptr;
    };

    CMainFrame(const CEdition& edition, CQuillonDoc& doc, CGuiOperator& op, CRecentFiles& recent, Seams seams,
               QWidget* parent = nullptr);
    ~CMainFrame() override;

    CQuillonView* View() const { return m_view; }
    CDocumentSession& Session() { return m_session; }
    /// The first action of a command id (menu and toolbar share it); nullptr when there is none.
    QAction* Action(int nId) const;
    QList<QAction*> Actions(int nId) const;
    QList<QAction*> RecentFileActions() const { return m_recentActions; }

    /// Connects the handler that carries out a command of the table. Each area of the window connects
    /// its own commands (ConnectCommands lists the areas); a command without a handler stays disabled.
    /// Whatever the area, a command with a rule never starts while a transmitter operation runs.
    void ConnectCommand(int nId, std::function<void()> handler);
    bool IsConnected(int nId) const;
    /// Carries out a command as its menu entry would; false when it is not connected or refused now.
    bool Run(int nId);

    /// The file of the command line; false when it could not be opened (an empty document then).
    bool OpenCommandLine(const QString& path);
    /// Prints the configuration sheet of the open document without a dialog (the command line's
    /// "--print"); false, after telling the person, when printing failed.
    bool PrintWithoutDialog();
    void SetDemo(bool bDemo);
    /// The language the program started in: the help topics and documents follow it.
    void SetEnglisch(bool bEnglisch);
    void UpdateCommands();
    void UpdateTitle();
    /// Sizes the window to fit the form and centres it on the desktop (before it is first shown).
    void FitAndCenter();
    /// The device history of the run ("Verlauf...", and the status bar's count of events waiting for
    /// the plant's server); nullptr: the program runs without one.
    void SetHistory(CHistoryStore* store);

Q_SIGNALS:
    /// "Verlauf-Datenbank..." has stored a new place for the history: whoever owns the history opens it
    /// there (SetHistory), so that the change holds without a restart.
    void historySettingsChanged();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void BuildMenus();
    void AddNodes(QMenu* menu, const std::vector<MenuNode>& nodes);
    QAction* MakeAction(int nId, const char* textOverride);
    void BuildToolbar();
    void BuildStatusBar();
    void RebuildRecentFiles();
    void ConnectCommands();
    void ConnectFileCommands();
    void ConnectPrintCommands();
    void ConnectMeasurementCommands();
    void ConnectEditCommands();
    /// Hardware setup, port and interface choice, passwords, about, help; and the first paint's checks.
    void ConnectAccessCommands();
    /// "Setup Hardware...", also the first paint's; the form shows the chosen type afterwards.
    void SetupHardware();
    void ConnectCalibrationCommands();
    void ConnectCompareCommands();
    /// "Verbindungsprotokoll..." and "Fehlerbericht speichern...".
    void ConnectDiagnoseCommands(IFileChooser& chooser);
    /// The one printer of the run, made when first needed: finding the printers must not slow the start.
    CSheetPrinter& SheetPrinter();
    void RunFileCommand(bool (CDocumentSession::*command)());
    void OnAbgleichAnzeigen(CAbgleichRecordRules::Form form);
    void OnSprache();
    void OnVerlaufDatenbank();
    void OnRangePreset(int nPreset);
    void OnBereitChanged(bool bBereit);
    /// "Verlauf...": the history's transmitters and events; a recorded set opens as a new document.
    void OnVerlauf();
    /// A recorded set as a new document, after the question about unsaved changes; false when it was
    /// not opened.
    bool OpenRecordedSet(const QByteArray& file);
    /// "Als Dokument öffnen" of an event that holds the set before and the set after (a completed
    /// send): which one the technician wants; nothing when they cancelled.
    std::optional<CHistoryBrowser::Side> AskWhichSet(const CHistoryRecord& record);
    /// Two recorded sets side by side in the compare window, the older on the left.
    void CompareRecordedSets(const QList<CHistoryRecord>& chosen);
    /// The sheet of two recorded sets: the newer as left, the older as found ("Vorher").
    void PrintRecordedSets(const QList<CHistoryRecord>& chosen);
    /// The sets of two chosen events, the older first; false when they are not two sets that load.
    bool LoadRecordedPair(const QList<CHistoryRecord>& chosen, CQuillonDoc& older, CQuillonDoc& newer);
    /// "Senden...", with the status bar's note of the event it recorded.
    void OnSenden();

    CEdition m_edition;
    CQuillonDoc& m_doc;
    CGuiOperator& m_operator;
    CRecentFiles& m_recent;
    std::unique_ptr<IClock> m_ownClock;
    std::unique_ptr<IFileChooser> m_ownChooser;
    IFileChooser& m_chooser;
    std::unique_ptr<CSheetPrinter> m_sheetPrinter;
    CDocumentSession m_session;
    CQuillonView* m_view = nullptr;
    CHistoryStatus* m_historyStatus = nullptr;
    CHistoryStore* m_history = nullptr;
    std::unique_ptr<CAccessCommands> m_access;
    std::unique_ptr<CSetupCommands> m_setup;
    std::unique_ptr<CHelpCommands> m_help;
    std::unique_ptr<CDiagnoseCommands> m_diagnose;
    QMultiHash<int, QAction*> m_actions;
    QHash<int, std::function<void()>> m_handlers;
    QMenu* m_fileMenu = nullptr;
    QAction* m_recentAnchor = nullptr;
    QList<QAction*> m_recentActions;
    bool m_bDemo = false;
    bool m_bClosePending = false;
};
