#pragma once

#include "app/QuillonApp.h"
#include "core/SystemClock.h"
#include "document/MemoryProfileStore.h"
#include "link/MemoryDevice.h"
#include "shell/FileChooser.h"
#include "sim/SimPeer.h"
#include "sim/Simulator.h"

#include <QList>
#include <QQueue>
#include <QTemporaryDir>

class CMainFrame;
class CQuillonView;
class QAction;

/// File choosers that answer with the paths a test queued.
class CQueuedChooser : public IFileChooser {
public:
    QString ChooseOpen(const QString& filter, const QString& directory) override;
    QString ChooseSave(const QString& filter, const QString& suggestion) override;
    QQueue<QString> paths;
};

/// The whole program as a person starts it, with everything outside it replaced: the profile in
/// memory, the serial port an in-memory line to the simulator, the file dialogs and message boxes
/// answered by the test. Every message shown is recorded.
class CShellRig {
public:
    explicit CShellRig(CEdition::Kind edition = CEdition::Kind::Kunde, int nSimTyp = 2);
    ~CShellRig();

    /// Starts the program with these command-line arguments; the start-up checks are not shown unless
    /// bStartupChecks was set before.
    bool Start(const QStringList& arguments = {});
    CMainFrame& Frame() const;
    CQuillonView& View() const;
    CQuillonDoc& Doc() const;
    QAction* Action(int nId) const;
    /// Triggers a command as a click in its menu would.
    void Trigger(int nId) const;
    /// Ends the program as at the end of a run (profile written) and drops the window.
    void Stop();

    QStringList MessageTexts() const;
    void Answer(IOperator::Answer answer);

    QTemporaryDir dir;
    CMemoryProfileStore profile;
    /// The product's clock: its waits run the event loop, so a test acts in the middle of a transfer.
    CSystemClock clock;
    CQueuedChooser chooser;
    CMemoryDevice* device = nullptr;
    CSimulator sim;
    std::unique_ptr<CSimPeer> peer;
    std::unique_ptr<CQuillonApp> app;
    QList<CGuiOperator::Shown> messages;
    bool bStartupChecks = false;

private:
    CEdition::Kind m_edition;
    QQueue<IOperator::Answer> m_answers;
};
