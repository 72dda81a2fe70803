#include "ui/main/MainFrame.h"

#include "access/HistorySettingsRules.h"
#include "core/SystemClock.h"
#include "document/HistoryRecorder.h"
#include "document/QuillonDoc.h"
#include "history/HistoryStore.h"
#include "link/ByteDevice.h"
#include "sheet/SheetPage.h"
#include "shell/EnableRules.h"
#include "shell/RecentFiles.h"
#include "shell/SpracheRules.h"
#include "ui/access/AccessCommands.h"
#include "ui/calibration/DlgRX31Abgl.h"
#include "ui/calibration/DlgVN62Abgl.h"
#include "ui/calibration/WizardCommands.h"
#include "ui/compare/Vergleich.h"
#include "ui/compare/VergleichCommand.h"
#include "ui/edit/EditCommands.h"
#include "ui/help/DiagnoseCommands.h"
#include "ui/help/HelpCommands.h"
#include "ui/history/DlgVerlauf.h"
#include "ui/main/FileDialogChooser.h"
#include "ui/main/GuiOperator.h"
#include "ui/main/HistoryStatus.h"
#include "ui/main/QuillonView.h"
#include "ui/main/SvgIconEngine.h"
#include "ui/print/SheetPrinter.h"
#include "ui/setup/SetupCommands.h"
#include "ui/setup/Sprache.h"
#include "ui/setup/VerlaufDatenbank.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

namespace {

using T = CCommandTable;

QKeySequence StandardShortcut(int nId) {
    switch (nId) {
    case CCommandTable::kNew:
        return QKeySequence::New;
    case CCommandTable::kOpen:
        return QKeySequence::Open;
    case CCommandTable::kSave:
        return QKeySequence::Save;
    case CCommandTable::kPrint:
        return QKeySequence::Print;
    default:
        return QKeySequence();
    }
}

/// A recent-file entry as the menu shows it: its number and the path, shortened in the middle.
QString RecentText(int index, const QString& path) {
    constexpr int kMaxChars = 60;
    QString shown = QDir::toNativeSeparators(path);
    if (shown.size() > kMaxChars) {
        shown = shown.left(kMaxChars / 2 - 2) + QStringLiteral("...") + shown.right(kMaxChars / 2 - 1);
    }
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(shown);
}

} // namespace

CMainFrame::CMainFrame(const CEdition& edition, CQuillonDoc& doc, CGuiOperator& op, CRecentFiles& recent,
                       Seams seams, QWidget* parent)
    : QMainWindow(parent)
    , m_edition(edition)
    , m_doc(doc)
    , m_operator(op)
    , m_recent(recent)
    , m_ownClock(seams.clock ? nullptr : std::make_unique<CSystemClock>())
    , m_ownChooser(seams.chooser ? nullptr : std::make_unique<CFileDialogChooser>(this))
    , m_chooser(seams.chooser ? *seams.chooser : *m_ownChooser)
    , m_session(doc, op, m_chooser, recent) {
    setObjectName(QStringLiteral("mainFrame"));
    // The program's icon belongs to the application: the about box, the message boxes and every other
    // window show it, not only the main window.
    QApplication::setWindowIcon(CSvgIconEngine::Icon(QStringLiteral(":/icons/quillon.svg")));
    m_operator.SetWindow(this);
    m_view =
        new CQuillonView(doc, op, seams.clock ? *seams.clock : *m_ownClock, std::move(seams.device), this);
    setCentralWidget(m_view);
    // The check's certificate goes to the same printer as the configuration sheet, so the printer and
    // paper chosen once serve both.
    m_view->SetPagePrinter([this](const ISheetPage& page) { SheetPrinter().PrintPage(this, page); });
    ConnectDiagnoseCommands(m_chooser);
    ConnectCommands();
    BuildMenus();
    BuildToolbar();
    BuildStatusBar();
    setAcceptDrops(true);
    connect(m_view, &CQuillonView::bereitChanged, this, &CMainFrame::OnBereitChanged);
    connect(&m_doc, &CQuillonDoc::documentUpdated, this, &CMainFrame::UpdateCommands);
    m_view->OnInitialUpdate();
    RebuildRecentFiles();
    UpdateCommands();
    UpdateTitle();
}

CMainFrame::~CMainFrame() {
    m_operator.SetWindow(nullptr);
}

QAction* CMainFrame::Action(int nId) const {
    const QList<QAction*> actions = Actions(nId);
    return actions.isEmpty() ? nullptr : actions.last(); // values() lists the first one inserted last
}

QList<QAction*> CMainFrame::Actions(int nId) const {
    return m_actions.values(nId);
}

QAction* CMainFrame::MakeAction(int nId, const char* textOverride) {
    const CommandEntry* entry = CCommandTable::Find(nId);
    const QString text = CCommandTable::Translate(textOverride ? textOverride : entry->text);
    auto* action = new QAction(text, this);
    action->setObjectName(QStringLiteral("cmd%1").arg(nId));
    action->setShortcut(StandardShortcut(nId));
    action->setToolTip(CCommandTable::PlainText(text));
    action->setStatusTip(CCommandTable::PlainText(text));
    connect(action, &QAction::triggered, this, [this, nId] { Run(nId); });
    m_actions.insert(nId, action);
    return action;
}

void CMainFrame::AddNodes(QMenu* menu, const std::vector<MenuNode>& nodes) {
    for (const MenuNode& node : nodes) {
        switch (node.kind) {
        case MenuNode::Kind::Command:
            menu->addAction(MakeAction(node.nId, node.text));
            break;
        case MenuNode::Kind::Separator:
            menu->addSeparator();
            break;
        case MenuNode::Kind::Submenu:
            AddNodes(menu->addMenu(CCommandTable::Translate(node.text)), node.children);
            break;
        case MenuNode::Kind::RecentFiles:
            m_fileMenu = menu;
            m_recentAnchor = MakeAction(node.nId, nullptr);
            menu->addAction(m_recentAnchor);
            break;
        }
    }
    // Rules are evaluated when a menu opens, as the state may have changed without a signal.
    connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommands);
}

void CMainFrame::BuildMenus() {
    for (const MenuNode& top : CCommandTable::Menus(m_edition)) {
        AddNodes(menuBar()->addMenu(CCommandTable::Translate(top.text)), top.children);
    }
    if (m_fileMenu != nullptr) {
        connect(m_fileMenu, &QMenu::aboutToShow, this, &CMainFrame::RebuildRecentFiles);
    }
}

void CMainFrame::BuildToolbar() {
    QToolBar* toolbar = addToolBar(tr("Symbolleiste"));
    toolbar->setObjectName(QStringLiteral("toolbar"));
    for (const ToolbarEntry& button : CCommandTable::Toolbar()) {
        if (button.nId == 0) {
            toolbar->addSeparator();
            continue;
        }
        QAction* action = Action(button.nId);
        if (action == nullptr) {
            action = MakeAction(button.nId, nullptr);
        }
        action->setIcon(
            CSvgIconEngine::Icon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(button.icon))));
        toolbar->addAction(action);
    }
}

void CMainFrame::BuildStatusBar() {
    m_historyStatus = new CHistoryStatus(statusBar());
    statusBar()->addPermanentWidget(m_historyStatus);
    statusBar()->showMessage(tr("Bereit"));
    connect(statusBar(), &QStatusBar::messageChanged, this, [this](const QString& message) {
        if (message.isEmpty()) {
            statusBar()->showMessage(tr("Bereit")); // the idle text when no command is being pointed at
        }
    });
}

void CMainFrame::SetHistory(CHistoryStore* store) {
    m_history = store;
    m_view->SetHistory(store);
    m_historyStatus->SetPendingCount(store != nullptr
                                         ? std::function<int()>([store] { return store->PendingCount(); })
                                         : std::function<int()>());
}

void CMainFrame::OnVerlauf() {
    if (m_history == nullptr) {
        m_operator.Message(tr("Der Verlauf ist nicht verfügbar: die Verlaufsdatenbank ist nicht geöffnet."));
        return;
    }
    CDlgVerlauf dialog(*m_history, this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    switch (dialog.ChosenAction()) {
    case CDlgVerlauf::Action::Open:
        if (const auto side = AskWhichSet(dialog.Chosen().constFirst())) {
            OpenRecordedSet(dialog.Browser().RecordedFile(dialog.ChosenEvent(), m_operator, *side));
        }
        break;
    case CDlgVerlauf::Action::Compare:
        CompareRecordedSets(dialog.Chosen());
        break;
    case CDlgVerlauf::Action::Print:
        PrintRecordedSets(dialog.Chosen());
        break;
    case CDlgVerlauf::Action::SendAgain:
        // Sent as the document it now is, so that the send's checks and questions all apply.
        if (OpenRecordedSet(CHistoryBrowser::RecordedSet(dialog.Chosen().constFirst()))) {
            OnSenden();
        }
        break;
    }
}

std::optional<CHistoryBrowser::Side> CMainFrame::AskWhichSet(const CHistoryRecord& record) {
    if (!CHistoryBrowser::HoldsBoth(record)) {
        return CHistoryBrowser::Side::Recorded;
    }
    QMessageBox box(QMessageBox::Question, CEdition::ProgramName(),
                    tr("Dieses Ereignis enthält den Parametersatz vor dem Vorgang und den danach. Welchen "
                       "wollen Sie öffnen?"),
                    QMessageBox::NoButton, this);
    box.setObjectName(QStringLiteral("welcherSatz"));
    QPushButton* before = box.addButton(tr("Vorher"), QMessageBox::AcceptRole);
    QPushButton* after = box.addButton(tr("Nachher"), QMessageBox::AcceptRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(after);
    box.exec();
    if (box.clickedButton() == before) {
        return CHistoryBrowser::Side::Before;
    }
    if (box.clickedButton() == after) {
        return CHistoryBrowser::Side::Recorded;
    }
    return std::nullopt;
}

bool CMainFrame::OpenRecordedSet(const QByteArray& file) {
    // New asks about unsaved changes first; "Abbrechen" keeps the document.
    if (file.isEmpty() || !m_session.New()) {
        return false;
    }
    const bool bLoaded = m_doc.LoadFromBytes(file);
    if (bLoaded) {
        m_doc.SetModifiedFlag(true); // a set of the history, not yet a file of its own
    }
    UpdateTitle();
    return bLoaded;
}

bool CMainFrame::LoadRecordedPair(const QList<CHistoryRecord>& chosen, CQuillonDoc& older,
                                  CQuillonDoc& newer) {
    const auto pair = CHistoryBrowser::ComparedPair(chosen);
    // A set that does not load has said what is wrong with it.
    return pair && older.LoadFromBytes(CHistoryBrowser::RecordedSet(pair->first)) &&
           newer.LoadFromBytes(CHistoryBrowser::RecordedSet(pair->second));
}

void CMainFrame::CompareRecordedSets(const QList<CHistoryRecord>& chosen) {
    CQuillonDoc older(m_operator, m_doc.GetProgrammVerzeichnis());
    CQuillonDoc newer(m_operator, m_doc.GetProgrammVerzeichnis());
    if (!LoadRecordedPair(chosen, older, newer)) {
        return;
    }
    const auto pair = CHistoryBrowser::ComparedPair(chosen);
    CVergleich window(older, newer, this);
    window.ShowOnly(tr("Ereignis %1").arg(pair->first.id), tr("Ereignis %1").arg(pair->second.id));
    window.exec();
}

void CMainFrame::PrintRecordedSets(const QList<CHistoryRecord>& chosen) {
    CQuillonDoc older(m_operator, m_doc.GetProgrammVerzeichnis());
    CQuillonDoc newer(m_operator, m_doc.GetProgrammVerzeichnis());
    if (LoadRecordedPair(chosen, older, newer)) {
        SheetPrinter().Print(this, newer, &older.GetParameterSatz());
    }
}

void CMainFrame::OnSenden() {
    const qint64 nLastEvent = CHistoryRecorder::LastId();
    m_view->OnSenden();
    m_historyStatus->AfterOperation(nLastEvent);
}

void CMainFrame::RebuildRecentFiles() {
    for (QAction* action : std::as_const(m_recentActions)) {
        m_fileMenu->removeAction(action);
        delete action;
    }
    m_recentActions.clear();
    const QStringList entries = m_recent.Entries();
    for (int i = 0; i < entries.size(); ++i) {
        auto* action = new QAction(RecentText(i, entries.at(i)), this);
        action->setObjectName(QStringLiteral("recent%1").arg(i + 1));
        action->setStatusTip(entries.at(i));
        connect(action, &QAction::triggered, this, [this, i] {
            if (m_view->IsBereit()) {
                m_session.OpenRecent(i);
                RebuildRecentFiles();
                UpdateTitle();
            }
        });
        m_fileMenu->insertAction(m_recentAnchor, action);
        m_recentActions.append(action);
    }
    // The entry "Letzte Datei" stands in, grayed, while the list is empty.
    m_recentAnchor->setVisible(entries.isEmpty());
    m_recentAnchor->setEnabled(false);
    UpdateCommands();
}

void CMainFrame::UpdateCommands() {
    const CommandState state = CommandState::Of(m_doc, m_view->IsBereit());
    for (auto it = m_actions.cbegin(); it != m_actions.cend(); ++it) {
        const CommandEntry* entry = CCommandTable::Find(it.key());
        const bool bRule = CEnableRules::IsEnabled(entry->rule, state);
        // What the rule says stays visible on the action, also while no handler is connected yet.
        it.value()->setProperty(kRuleProperty, bRule);
        it.value()->setEnabled(bRule && IsConnected(it.key()) && it.value() != m_recentAnchor);
    }
    for (QAction* action : std::as_const(m_recentActions)) {
        action->setEnabled(state.bBereit);
    }
}

void CMainFrame::FitAndCenter() {
    adjustSize();
    if (const QScreen* desktop = screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(desktop->availableGeometry().center());
        move(frame.topLeft());
    }
}

void CMainFrame::UpdateTitle() {
    setWindowTitle(m_edition.WindowTitle(m_session.Title(), m_bDemo));
}

void CMainFrame::SetDemo(bool bDemo) {
    m_bDemo = bDemo;
    UpdateTitle();
}

bool CMainFrame::OpenCommandLine(const QString& path) {
    const bool bOpened = m_session.OpenCommandLine(path);
    RebuildRecentFiles();
    UpdateTitle();
    return bOpened;
}

void CMainFrame::RunFileCommand(bool (CDocumentSession::*command)()) {
    (m_session.*command)();
    RebuildRecentFiles();
    UpdateTitle();
}

void CMainFrame::ConnectCommand(int nId, std::function<void()> handler) {
    m_handlers.insert(nId, std::move(handler));
}

bool CMainFrame::IsConnected(int nId) const {
    return m_handlers.contains(nId);
}

bool CMainFrame::Run(int nId) {
    const CommandEntry* entry = CCommandTable::Find(nId);
    const auto handler = m_handlers.constFind(nId);
    if (entry == nullptr || handler == m_handlers.cend()) {
        return false;
    }
    if (entry->rule != EnableRule::Always && !m_view->IsBereit()) {
        return false; // nothing with a rule starts while a transmitter operation runs
    }
    (*handler)();
    UpdateCommands();
    return true;
}

/// The one list of the areas that carry out commands of the main window.
void CMainFrame::ConnectCommands() {
    ConnectFileCommands();
    ConnectPrintCommands();
    ConnectEditCommands();
    ConnectCalibrationCommands();
    CWizardCommands::Connect(*this, *m_view, m_edition.IsWerk());
    ConnectCommand(CCommandTable::kEmpfangen, [this] {
        const qint64 nLastEvent = CHistoryRecorder::LastId();
        m_view->OnEmpfangen();
        m_historyStatus->AfterOperation(nLastEvent);
    });
    ConnectCommand(CCommandTable::kSenden, [this] { OnSenden(); });
    ConnectCommand(CCommandTable::kSprache, [this] { OnSprache(); });
    ConnectCommand(CCommandTable::kTestRs232, [this] { m_view->OnTestRs232(); });
    ConnectMeasurementCommands();
    ConnectAccessCommands();
    ConnectCompareCommands();
}

void CMainFrame::ConnectCompareCommands() {
    ConnectCommand(CCommandTable::kVergleichen, [this] {
        m_view->RunOperation([this] { CVergleichCommand::Run(m_doc, m_view->Session(), m_operator, this); });
    });
}

void CMainFrame::ConnectMeasurementCommands() {
    ConnectCommand(T::kMessung, [this] { m_view->OnMessung(); });
    ConnectCommand(T::kPruefung, [this] {
        const qint64 nLastEvent = CHistoryRecorder::LastId();
        m_view->OnPruefung();
        m_historyStatus->AfterOperation(nLastEvent);
    });
    ConnectCommand(T::kKonfiguration, [this] { m_view->OnKonfiguration(); });
    for (const CommandEntry* entry : T::OfArea(CommandArea::TestCommand)) {
        const CTestMenu::Entry test = T::TestEntry(*entry);
        ConnectCommand(entry->nId, [this, test] { m_view->OnTestBefehl(test); });
    }
    ConnectCommand(T::kLinTabLesen, [this] { m_view->OnTestLinTabLesen(); });
    ConnectCommand(T::kLinTabSchreiben, [this] { m_view->OnTestLinTabSchreiben(); });
    for (const int nId :
         {T::kSeriennummerRX31, T::kSeriennummerRX93, T::kSeriennummerVN62, T::kSeriennummerKA71}) {
        ConnectCommand(nId, [this] { m_view->OnSeriennummer(); });
    }
    ConnectCommand(T::kConnectRX93, [this] { m_view->OnConnectRX93(); });
    ConnectCommand(T::kNormalbetrieb, [this] { m_view->OnNormalbetrieb(); });
    for (const int nId : {T::kAdcValuesRX31, T::kAdcValuesVN62, T::kAdcValuesKA71}) {
        ConnectCommand(nId, [this] { m_view->OnAdcValues(); });
    }
    for (const int nId : {T::kInterfaceVersionRX31, T::kInterfaceVersionVN62}) {
        ConnectCommand(nId, [this] { m_view->OnInterfaceVersion(); });
    }
}

void CMainFrame::ConnectAccessCommands() {
    CTransmitterSession& session = m_view->Session();
    m_access =
        std::make_unique<CAccessCommands>(m_doc, m_operator, session.Link(), session.Connection(), this);
    m_setup = std::make_unique<CSetupCommands>(m_doc, session.Link(), session.Connection(), this);
    SetEnglisch(false);
    ConnectCommand(CCommandTable::kPasswort, [this] { m_access->ChangeProgramPassword(); });
    ConnectCommand(CCommandTable::kInfo, [this] { m_access->About(); });
    ConnectCommand(CCommandTable::kSetupHardware, [this] { SetupHardware(); });
    ConnectCommand(CCommandTable::kSchnittstelle, [this] { m_setup->ChoosePort(); });
    ConnectCommand(CCommandTable::kSchnittstellenart, [this] { m_setup->ChooseInterface(); });
    ConnectCommand(CCommandTable::kAnschlusshinweis, [this] { m_setup->ShowConnectionNotice(); });
    ConnectCommand(CCommandTable::kVerlaufDatenbank, [this] { OnVerlaufDatenbank(); });
    ConnectCommand(CCommandTable::kHilfeSoftware, [this] { m_help->OpenSoftwareHelp(); });
    ConnectCommand(CCommandTable::kHilfeTransmitter, [this] { m_help->OpenTransmitterHelp(); });
    ConnectCommand(CCommandTable::kHilfethemen, [this] { m_help->ShowHelpTopics(); });

    CStartupChecks& checks = m_view->StartupChecks();
    checks.SetPasswordCheck([this] { return m_access->CheckPassword(); });
    checks.SetHardwareSetup([this] { SetupHardware(); });
    checks.SetAnschlusshinweis([this] { m_setup->ShowConnectionNotice(); });
}

void CMainFrame::ConnectDiagnoseCommands(IFileChooser& chooser) {
    m_diagnose = std::make_unique<CDiagnoseCommands>(m_doc, m_edition.Title(), chooser, m_operator, this);
    m_diagnose->ApplyLoggingSwitches();
    ConnectCommand(CCommandTable::kVerbindungsprotokoll, [this] { m_diagnose->ShowVerbindungsprotokoll(); });
    ConnectCommand(CCommandTable::kFehlerbericht, [this] { m_diagnose->SaveProblemReport(); });
}

void CMainFrame::SetupHardware() {
    // The setup's menu entry stays enabled during a transfer, but a type or port changed under a
    // running receive would derail it: the setup is an operation of its own and waits its turn.
    m_view->RunOperation([this] {
        if (m_setup->SetupHardware()) {
            m_view->ShowDocument();
        }
    });
}

void CMainFrame::SetEnglisch(bool bEnglisch) {
    m_help =
        std::make_unique<CHelpCommands>(QCoreApplication::applicationDirPath(), bEnglisch, m_operator, this);
}

void CMainFrame::ConnectFileCommands() {
    ConnectCommand(CCommandTable::kNew, [this] { RunFileCommand(&CDocumentSession::New); });
    ConnectCommand(CCommandTable::kOpen, [this] { RunFileCommand(&CDocumentSession::Open); });
    ConnectCommand(CCommandTable::kSave, [this] { RunFileCommand(&CDocumentSession::Save); });
    ConnectCommand(CCommandTable::kSaveAs, [this] { RunFileCommand(&CDocumentSession::SaveAs); });
    ConnectCommand(CCommandTable::kExit, [this] { close(); });
    ConnectCommand(CCommandTable::kVerlauf, [this] { OnVerlauf(); });
    // The recent-file entries open their own files; the table's entry only marks their place.
    ConnectCommand(CCommandTable::kRecentFile, [] {});
}

void CMainFrame::ConnectPrintCommands() {
    ConnectCommand(CCommandTable::kPrint, [this] { SheetPrinter().Print(this, m_doc); });
    ConnectCommand(CCommandTable::kPrintPreview, [this] { SheetPrinter().Preview(this, m_doc); });
    ConnectCommand(CCommandTable::kPrintSetup, [this] { SheetPrinter().PageSetup(this); });
}

void CMainFrame::ConnectEditCommands() {
    ConnectCommand(CCommandTable::kAktuelleDaten, [this] { CEditCommands(m_doc, this).AktuelleDaten(); });
    ConnectCommand(CCommandTable::kTransmitterTyp, [this] { CEditCommands(m_doc, this).TransmitterTyp(); });
    // The presets stand in the menu in the order of CRangePreset.
    const std::vector<const CommandEntry*> presets = T::OfArea(CommandArea::RangePreset);
    for (int i = 0; i < static_cast<int>(presets.size()); ++i) {
        ConnectCommand(presets[static_cast<std::size_t>(i)]->nId, [this, i] { OnRangePreset(i); });
    }
}

void CMainFrame::OnRangePreset(int nPreset) {
    // A preset starts a new, untitled parameter set: unsaved changes are asked about first, and a later
    // "Speichern" must not write the preset over the file that was open.
    if (m_session.New()) {
        CEditCommands(m_doc, this).RangePreset(nPreset);
    }
    UpdateTitle();
}

void CMainFrame::ConnectCalibrationCommands() {
    using Familie = CTypKatalog::AbgleichForm;
    using Form = CAbgleichRecordRules::Form;
    // Factory submenus "RX30 / RX31 / RX84 / RX96", "RX93", "VN62" and "KA71".
    ConnectCommand(T::kAbglLesenRX31, [this] { m_view->OnAbgleichLesen(Familie::RX31); });
    ConnectCommand(T::kAbglLesenRX93, [this] { m_view->OnAbgleichLesen(Familie::RX93); });
    ConnectCommand(T::kAbglLesenVN62, [this] { m_view->OnAbgleichLesen(Familie::VN62); });
    ConnectCommand(T::kAbglLesenKA71, [this] { m_view->OnAbgleichLesen(Familie::KA71); });
    for (const int nId : {T::kAbglSchreibenRX31, T::kAbglSchreibenVN62, T::kAbglSchreibenKA71}) {
        ConnectCommand(nId, [this] { m_view->OnAbgleichSchreiben(); });
    }
    ConnectCommand(T::kAbglAnzeigenRX31, [this] { OnAbgleichAnzeigen(Form::RX31); });
    ConnectCommand(T::kAbglAnzeigenVN62, [this] { OnAbgleichAnzeigen(Form::VN62); });
    ConnectCommand(T::kAbglAnzeigenKA71, [this] { OnAbgleichAnzeigen(Form::KA71); });
    // "Verbinde Hardware..." of the RX93 submenu is the Test menu's "Connect RX93", connected with the
    // measurement commands.
    ConnectCommand(T::kAnalogAbgleich,
                   [this] { m_view->OnAbgleichBefehl(&CCalibrationCommands::OnAnalogAbgleich); });
    ConnectCommand(T::kDacAbgleich,
                   [this] { m_view->OnAbgleichBefehl(&CCalibrationCommands::OnDacAbglVN62); });
    ConnectCommand(T::kAbglFreigebenRX93,
                   [this] { m_view->OnAbgleichBefehl(&CCalibrationCommands::OnRX93Freigeben); });
    ConnectCommand(T::kAbglAendernRX93,
                   [this] { m_view->OnAbgleichBefehl(&CCalibrationCommands::OnRX93Aendern); });
}

void CMainFrame::OnAbgleichAnzeigen(CAbgleichRecordRules::Form form) {
    // The dialog edits a copy; the document's record changes only on "OK".
    CAbgleichdaten record = m_doc.Abgleichdaten();
    if (form == CAbgleichRecordRules::Form::VN62) {
        CDlgVN62Abgl dialog(record, this);
        if (dialog.exec() == QDialog::Accepted) {
            m_doc.Abgleichdaten() = record;
        }
        return;
    }
    CDlgRX31Abgl dialog(record, form, m_doc.IsErweitert(), this);
    if (dialog.exec() == QDialog::Accepted) {
        m_doc.Abgleichdaten() = record;
    }
}

CSheetPrinter& CMainFrame::SheetPrinter() {
    if (!m_sheetPrinter) {
        m_sheetPrinter = std::make_unique<CSheetPrinter>();
        // The sheet of a received and edited set shows what the transmitter held before beside it.
        m_sheetPrinter->SetVorherQuelle(
            [this](const CQuillonDoc& doc) { return m_view->Session().AsFoundFor(doc); });
    }
    return *m_sheetPrinter;
}

bool CMainFrame::PrintWithoutDialog() {
    return SheetPrinter().PrintWithoutDialog(this, m_doc);
}

void CMainFrame::OnSprache() {
    CSprache dialog(CSpracheRules::Load(m_doc), this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const CSpracheRules::Notice notice = CSpracheRules::Apply(dialog.Values(), m_doc);
    m_operator.ShowMessage(notice.text, notice.caption, IOperator::Icon::Information, IOperator::Buttons::Ok);
}

void CMainFrame::OnVerlaufDatenbank() {
    CVerlaufDatenbank dialog(CHistorySettingsRules::Load(m_doc.Settings()), m_chooser, m_operator, this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    CHistorySettingsRules::Apply(dialog.Values(), m_doc.Settings());
    Q_EMIT historySettingsChanged();
}

void CMainFrame::OnBereitChanged(bool bBereit) {
    UpdateCommands();
    if (bBereit && m_bClosePending) {
        // The operation has ended after the person chose to close: close now, outside its call stack.
        QTimer::singleShot(0, this, &QWidget::close);
    }
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!m_view->IsBereit()) {
        event->ignore();
        if (!m_bClosePending &&
            m_operator.AskYesNo(tr("Eine Datenübertragung läuft.\nSoll sie abgebrochen und das Programm "
                                   "beendet werden?"))) {
            m_bClosePending = true;
            m_view->RequestCancel();
        }
        return;
    }
    m_bClosePending = false;
    if (!m_session.SaveModified()) {
        event->ignore();
        return;
    }
    event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (!urls.isEmpty() && urls.first().isLocalFile()) {
        event->acceptProposedAction();
    }
}

void CMainFrame::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.first().isLocalFile() || !m_view->IsBereit()) {
        return;
    }
    event->acceptProposedAction();
    // One document at a time: the first file dropped is opened.
    m_session.OpenDropped(urls.first().toLocalFile());
    RebuildRecentFiles();
    UpdateTitle();
}
