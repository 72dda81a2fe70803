#pragma once

#include "shell/CommandLine.h"
#include "shell/Edition.h"
#include "shell/ProgrammVerzeichnis.h"
#include "shell/RecentFiles.h"
#include "ui/main/GuiOperator.h"

#include <QCoreApplication>
#include <QTranslator>
#include <memory>
#include <optional>

class CHistoryStore;
class CMainFrame;
class CQuillonDoc;
class IByteDevice;
class IClock;
class IFileChooser;
class IProfileStore;

/// The application: program directory, profile, language, the document and the main window of the
/// edition, the command line, and the profile written back at the end.
///
/// Start-up order: program directory; profile; the English catalogue when "Language" is 1 (German stays
/// when it is missing), else Qt's German catalogue for Qt's own dialogs; the user's locale for numbers; the
/// document with the profile's settings as a new document; the main window; the demo simulator or the file of
/// the command line; show. The first paint of the form then runs the start-up checks.
class CQuillonApp {
    Q_DECLARE_TR_FUNCTIONS(CQuillonApp)

public:
    static constexpr int kExitUsage = 2;

    /// What tests replace; every default is the product's own.
    struct Seams {
        IProfileStore* profile = nullptr;    ///< default: the user's profile
        IClock* clock = nullptr;             ///< default: the system clock
        std::unique_ptr<IByteDevice> device; ///< default: the machine's serial port
        IFileChooser* chooser = nullptr;     ///< default: the desktop's file dialogs
        CGuiOperator::AnswerHook answers;    ///< default: real message boxes
        std::optional<CProgrammVerzeichnis> verzeichnis;
        bool bPortPins = true; ///< pin the COM numbers of the settings group "Ports"
        /// Keep the device history where the settings say (tests leave the user's data folder alone).
        bool bHistory = true;
    };

    explicit CQuillonApp(CEdition::Kind edition);
    CQuillonApp(CEdition::Kind edition, Seams seams);
    ~CQuillonApp();
    CQuillonApp(const CQuillonApp&) = delete;
    CQuillonApp& operator=(const CQuillonApp&) = delete;

    /// Starts the program with the arguments after the program name; true when the window is up. The
    /// usage and the version are answered on the terminal without a window (false, exit code 0); they
    /// need only a QCoreApplication.
    bool InitInstance(const QStringList& arguments);
    /// Writes the settings and the recent-file list back to the profile (once; the destructor calls it).
    void ExitInstance();
    /// The exit code when InitInstance failed.
    int FailureCode() const { return m_nFailureCode; }

    CMainFrame* MainFrame() const { return m_frame.get(); }
    CQuillonDoc& Document() const { return *m_doc; }
    CGuiOperator& Operator() const { return *m_operator; }
    bool IsEnglisch() const { return m_bEnglisch; }

private:
    void OpenProfile();
    void LoadLanguage();
    void LoadEnglish();
    void LoadQtLanguage();
    void CreateWindow();
    /// Opens the device history of the settings and makes it the operations' event sink. Without it
    /// (it cannot be opened, or a demo, whose simulated transmitters belong in no history) the program
    /// works as before. Opened again when "Verlauf-Datenbank..." has changed the place.
    void OpenHistory();
    void AnswerOnTerminal(const CCommandLine::Options& options);
    bool StartDemo(const CCommandLine::Options& options);
    /// Points the COM port of the settings at the simulator's device for this run only: the saved port
    /// and the settings group "Ports" stay as they are.
    void PinDemoDevice(const QString& devicePath);

    CEdition m_edition;
    Seams m_seams;
    CProgrammVerzeichnis m_verzeichnis;
    std::unique_ptr<IProfileStore> m_ownProfile;
    IProfileStore* m_profile = nullptr;
    QTranslator m_translator;
    QTranslator m_qtTranslator;
    bool m_bEnglisch = false;
    std::unique_ptr<CGuiOperator> m_operator;
    std::unique_ptr<CQuillonDoc> m_doc;
    std::unique_ptr<CRecentFiles> m_recent;
    std::unique_ptr<CHistoryStore> m_history;
    std::unique_ptr<CMainFrame> m_frame;
    bool m_bStarted = false;
    /// A demo writes its settings back without the hardware keys (CDemoProfileStore).
    bool m_bDemo = false;
    int m_nFailureCode = 0;
};
