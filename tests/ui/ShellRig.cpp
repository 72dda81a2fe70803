#include "ShellRig.h"

#include "document/QuillonDoc.h"
#include "shell/StartupChecks.h"
#include "sim/SimTransmitter.h"
#include "ui/main/MainFrame.h"
#include "ui/main/QuillonView.h"

#include <QAction>
#include <QCoreApplication>

QString CQueuedChooser::ChooseOpen(const QString&, const QString&) {
    return paths.isEmpty() ? QString() : paths.dequeue();
}

QString CQueuedChooser::ChooseSave(const QString&, const QString&) {
    return paths.isEmpty() ? QString() : paths.dequeue();
}

CShellRig::CShellRig(CEdition::Kind edition, int nSimTyp)
    : sim(CSimTransmitter(nSimTyp, QByteArray()), CSimInterface::Kind::PL45)
    , m_edition(edition) {}

CShellRig::~CShellRig() {
    Stop();
}

bool CShellRig::Start(const QStringList& arguments) {
    auto line = std::make_unique<CMemoryDevice>(clock);
    device = line.get();
    peer = std::make_unique<CSimPeer>(*device, sim);
    CQuillonApp::Seams seams;
    seams.profile = &profile;
    seams.clock = &clock;
    seams.device = std::move(line);
    seams.chooser = &chooser;
    seams.bPortPins = false;
    seams.bHistory = false;
    seams.verzeichnis = CProgrammVerzeichnis(QCoreApplication::applicationDirPath(), QString(), dir.path());
    seams.answers = [this](const CGuiOperator::Shown& shown) -> std::optional<IOperator::Answer> {
        messages.append(shown);
        if (!m_answers.isEmpty()) {
            return m_answers.dequeue();
        }
        switch (shown.buttons) {
        case IOperator::Buttons::YesNo:
        case IOperator::Buttons::YesNoCancel:
            return IOperator::Answer::No;
        case IOperator::Buttons::RetryCancel:
            return IOperator::Answer::Cancel;
        case IOperator::Buttons::Ok:
        case IOperator::Buttons::OkCancel:
            break;
        }
        return IOperator::Answer::Ok;
    };
    app = std::make_unique<CQuillonApp>(m_edition, std::move(seams));
    if (!app->InitInstance(arguments)) {
        return false;
    }
    Frame().View()->Session().Link().Sio().Serial().PortMap().Pin(1, QStringLiteral("/dev/ttyUSB0"));
    if (!bStartupChecks) {
        // The first paint's dialogs would wait for a person; tests that want them set bStartupChecks.
        View().StartupChecks() = CStartupChecks();
    }
    return true;
}

CMainFrame& CShellRig::Frame() const {
    return *app->MainFrame();
}

CQuillonView& CShellRig::View() const {
    return *app->MainFrame()->View();
}

CQuillonDoc& CShellRig::Doc() const {
    return app->Document();
}

QAction* CShellRig::Action(int nId) const {
    return Frame().Action(nId);
}

void CShellRig::Trigger(int nId) const {
    Action(nId)->trigger();
}

void CShellRig::Stop() {
    if (app) {
        app->ExitInstance();
    }
    peer.reset(); // before the line it listens to goes with the window
    app.reset();
}

QStringList CShellRig::MessageTexts() const {
    QStringList texts;
    for (const CGuiOperator::Shown& shown : messages) {
        texts.append(shown.text);
    }
    return texts;
}

void CShellRig::Answer(IOperator::Answer answer) {
    m_answers.enqueue(answer);
}
