#include "app/QuillonApp.h"

#include "access/AboutRules.h"
#include "app/DemoMode.h"
#include "app/DemoProfileStore.h"
#include "base/TypKatalog.h"
#include "document/HistoryRecorder.h"
#include "document/QuillonDoc.h"
#include "document/SettingsProfileStore.h"
#include "document/SettingsRegistry.h"
#include "history/HistoryLocation.h"
#include "history/HistoryStation.h"
#include "history/HistoryStore.h"
#include "link/ByteDevice.h"
#include "ui/access/AccessibleNames.h"
#include "ui/main/MainFrame.h"
#include "ui/main/QuillonView.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <cstdio>

namespace {

constexpr int kEnglisch = 1;

} // namespace

CQuillonApp::CQuillonApp(CEdition::Kind edition)
    : CQuillonApp(edition, Seams{}) {}

CQuillonApp::CQuillonApp(CEdition::Kind edition, Seams seams)
    : m_edition(edition)
    , m_seams(std::move(seams))
    , m_verzeichnis(m_seams.verzeichnis ? *m_seams.verzeichnis : CProgrammVerzeichnis::OfThisProgram()) {}

CQuillonApp::~CQuillonApp() {
    ExitInstance();
    m_frame.reset();
    if (m_history) {
        CHistoryRecorder::Install(nullptr); // no operation may record into a store that is gone
    }
    if (m_bEnglisch) {
        QCoreApplication::removeTranslator(&m_translator);
    }
    QCoreApplication::removeTranslator(&m_qtTranslator);
}

void CQuillonApp::OpenProfile() {
    if (m_seams.profile == nullptr) {
        m_ownProfile = std::make_unique<CSettingsProfileStore>();
    }
    m_profile = m_seams.profile ? m_seams.profile : m_ownProfile.get();
}

void CQuillonApp::LoadLanguage() {
    // Read before the document exists: every text of the window is created in the chosen language.
    CSettingsRegistry settings;
    settings.Load(*m_profile);
    if (settings.Int(CSettingsRegistry::kLanguage) == kEnglisch) {
        LoadEnglish();
    }
    LoadQtLanguage();
}

void CQuillonApp::LoadEnglish() {
    const QString catalogue = m_verzeichnis.FindFile(QStringLiteral("quillon_en.qm"));
    if (!catalogue.isEmpty() && m_translator.load(catalogue)) {
        m_bEnglisch = QCoreApplication::installTranslator(&m_translator);
    }
}

void CQuillonApp::LoadQtLanguage() {
    // Qt's own dialogs (files, printing, page setup) and standard buttons speak the program's language,
    // not the desktop's: Qt's catalogue of that language, where the system's Qt translations lie. Qt's
    // texts are English without one.
    if (m_bEnglisch) {
        return;
    }
    if (m_qtTranslator.load(QStringLiteral("qtbase_de"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&m_qtTranslator);
    }
}

void CQuillonApp::CreateWindow() {
    m_operator = std::make_unique<CGuiOperator>();
    m_operator->SetAnswerHook(m_seams.answers);
    m_doc = std::make_unique<CQuillonDoc>(*m_operator, m_verzeichnis.CfgDir());
    m_doc->LoadSettings(*m_profile);
    m_doc->OnNewDocument();
    m_recent = std::make_unique<CRecentFiles>(m_doc->Settings());
    m_recent->Load();
    CMainFrame::Seams frameSeams;
    frameSeams.clock = m_seams.clock;
    frameSeams.device = std::move(m_seams.device);
    frameSeams.chooser = m_seams.chooser;
    m_frame = std::make_unique<CMainFrame>(m_edition, *m_doc, *m_operator, *m_recent, std::move(frameSeams));
    m_frame->SetEnglisch(m_bEnglisch);
    if (m_seams.bPortPins) {
        m_frame->View()->Session().Link().PortMap().Pin(m_doc->Settings().PortPins());
    }
    // A refused program password ends the program before the person can do anything.
    QObject::connect(m_frame->View(), &CQuillonView::startupRefused, m_frame.get(),
                     [] { QCoreApplication::exit(0); });
    QObject::connect(m_frame.get(), &CMainFrame::historySettingsChanged, m_frame.get(), [this] {
        if (!m_bDemo) {
            OpenHistory();
        }
    });
}

void CQuillonApp::OpenHistory() {
    const CHistoryStation station = CHistoryStation::Local(
        m_doc->Settings(), m_edition.IsWerk() ? QStringLiteral("quillon-factory") : QStringLiteral("quillon"),
        CAboutRules::ProgramVersion());
    auto store = std::make_unique<CHistoryStore>(*m_operator, station);
    if (!store->Open(CHistoryLocation::FromSettings(m_doc->Settings()))) {
        // The store has told the user; the program goes on without history, and after a change of
        // place records nothing more where the settings no longer point.
        CHistoryRecorder::Install(nullptr);
        m_frame->SetHistory(nullptr);
        m_history.reset();
        return;
    }
    CHistoryRecorder::Install(store.get());
    m_frame->SetHistory(store.get());
    m_history = std::move(store); // the store of the earlier place closes only once nothing uses it
}

bool CQuillonApp::InitInstance(const QStringList& arguments) {
    OpenProfile();
    LoadLanguage();
    CAccessibleNames::Install();
    QString error;
    const std::optional<CCommandLine::Options> options = CCommandLine::Parse(arguments, error);
    if (!options) {
        const QString program = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
        std::fprintf(stderr, "%s: %s\n\n%s", qPrintable(program), qPrintable(error),
                     qPrintable(CCommandLine::Usage(program)));
        m_nFailureCode = kExitUsage;
        return false;
    }
    if (options->bHelp || options->bVersion) {
        AnswerOnTerminal(*options);
        return false;
    }
    // Numbers are shown and read with the person's decimal separator from now on.
    QLocale::setDefault(QLocale::system());
    CreateWindow();
    if (m_seams.bHistory && !options->bDemo) {
        OpenHistory();
    }
    m_bStarted = true;
    if (options->bDemo && !StartDemo(*options)) {
        m_nFailureCode = 1;
        return false;
    }
    if (options->bPrint) {
        // Printing from the desktop: the sheet goes to the printer and the program ends unseen.
        const bool bPrinted = m_frame->OpenCommandLine(options->file) && m_frame->PrintWithoutDialog();
        m_nFailureCode = bPrinted ? 0 : 1;
        return false;
    }
    if (!options->file.isEmpty()) {
        m_frame->OpenCommandLine(options->file);
    }
    m_frame->FitAndCenter();
    m_frame->show();
    return true;
}

void CQuillonApp::AnswerOnTerminal(const CCommandLine::Options& options) {
    const QString program = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    const QString text = options.bHelp
                             ? CCommandLine::Usage(program)
                             : program + QLatin1Char(' ') + CAboutRules::ProgramVersion() + QLatin1Char('\n');
    std::fputs(qPrintable(text), stdout);
    m_nFailureCode = 0;
}

bool CQuillonApp::StartDemo(const CCommandLine::Options& options) {
    const int nTyp = options.nDemoTyp.value_or(
        CTypKatalog::IsGueltigerTyp(m_doc->GetTyp()) ? m_doc->GetTyp() : CDemoMode::kDefaultTyp);
    m_bDemo = true;
    auto* demo = new CDemoMode(m_frame.get());
    QString error;
    if (!demo->Start(nTyp, &error)) {
        m_operator->Message(error, QString(), IOperator::Icon::Error);
        return false;
    }
    m_doc->SetTyp(nTyp);
    m_doc->SetInterfaceVersion(demo->InterfaceVersion());
    m_doc->UpdateAllViews();
    PinDemoDevice(demo->DevicePath());
    return true;
}

void CQuillonApp::PinDemoDevice(const QString& devicePath) {
    m_frame->View()->Session().Link().PortMap().Pin(m_doc->GetComPort() + 1, devicePath);
    m_frame->SetDemo(true);
}

void CQuillonApp::ExitInstance() {
    if (!m_bStarted) {
        return;
    }
    m_bStarted = false;
    if (m_bDemo) {
        CDemoProfileStore demoProfile(*m_profile);
        m_doc->SaveSettings(demoProfile);
    } else {
        m_doc->SaveSettings(*m_profile);
    }
    if (auto* settings = dynamic_cast<CSettingsProfileStore*>(m_profile)) {
        settings->Sync();
    }
}
