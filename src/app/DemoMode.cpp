#include "DemoMode.h"

#include "base/TypKatalog.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <csignal>
#include <sys/prctl.h>

namespace {

const QString kSimulatorName = QStringLiteral("quillon-sim");
constexpr int kStopWaitMs = 3000;
constexpr int kKillWaitMs = 1000;

} // namespace

CDemoMode::CDemoMode(QObject* parent)
    : QObject(parent)
    , m_searchDirs{QCoreApplication::applicationDirPath(), QStringLiteral(QUILLON_INSTALL_BINDIR)} {
    m_process.setReadChannel(QProcess::StandardOutput);
    // The simulator must not outlive a program that crashed or was killed.
    m_process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
}

CDemoMode::~CDemoMode() {
    Stop();
}

std::optional<int> CDemoMode::ParseType(const QString& argument) {
    if (argument.isEmpty() || argument.size() > 2) {
        return std::nullopt;
    }
    for (const QChar c : argument) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return std::nullopt;
        }
    }
    const int nTyp = argument.toInt();
    if (!CTypKatalog::IsGueltigerTyp(nTyp)) {
        return std::nullopt;
    }
    return nTyp;
}

bool CDemoMode::Start(int nTyp, QString* pError) {
    Stop();
    QString error;
    const QString program = FindSimulator();
    if (!CTypKatalog::IsGueltigerTyp(nTyp)) {
        error = tr("Der Demomodus kennt keinen Transmittertyp %1 (0 bis %2).")
                    .arg(nTyp)
                    .arg(CTypKatalog::kTypAnzahl - 1);
    } else if (program.isEmpty()) {
        error = tr("Der Simulator %1 wurde nicht gefunden (gesucht in: %2).")
                    .arg(kSimulatorName, m_searchDirs.join(QStringLiteral(", ")));
    } else {
        // Paced at the real line's 1200 baud, so that the window's progress and waits look as they do at
        // a transmitter.
        m_process.setProgram(program);
        m_process.setArguments(
            {QStringLiteral("--type"), QString::number(nTyp), QStringLiteral("--interface"),
             InterfaceVersionFor(nTyp) == kPL45 ? QStringLiteral("pl45") : QStringLiteral("pl40"),
             QStringLiteral("--baud"), QStringLiteral("1200")});
        m_process.start(QIODevice::ReadOnly);
        if (!m_process.waitForStarted(m_startTimeoutMs)) {
            error = tr("Der Simulator %1 lässt sich nicht starten: %2").arg(program, m_process.errorString());
        } else {
            // Sleeps until the simulator writes, ends or the deadline passes.
            const QDeadlineTimer deadline(m_startTimeoutMs);
            while (!m_process.canReadLine() && m_process.state() == QProcess::Running &&
                   !deadline.hasExpired()) {
                m_process.waitForReadyRead(static_cast<int>(deadline.remainingTime()));
            }
            const QString line =
                m_process.canReadLine() ? QString::fromLocal8Bit(m_process.readLine()).trimmed() : QString();
            if (line.startsWith(QLatin1Char('/'))) {
                m_devicePath = line;
                m_nTyp = nTyp;
                return true;
            }
            if (m_process.state() == QProcess::Running) {
                error = tr("Der Simulator %1 hat nach %2 s noch kein Gerät gemeldet.")
                            .arg(program)
                            .arg(m_startTimeoutMs / 1000.0, 0, 'g', 3);
            } else {
                const QString said = QString::fromLocal8Bit(m_process.readAllStandardError()).trimmed();
                error = tr("Der Simulator %1 hat sich beendet, ohne ein Gerät zu melden: %2")
                            .arg(program, said.isEmpty() ? line : said);
            }
        }
    }
    Stop();
    if (pError != nullptr) {
        *pError = error;
    }
    return false;
}

void CDemoMode::Stop() {
    m_devicePath.clear();
    if (m_process.state() == QProcess::NotRunning) {
        return;
    }
    m_process.terminate();
    if (!m_process.waitForFinished(kStopWaitMs)) {
        m_process.kill();
        m_process.waitForFinished(kKillWaitMs);
    }
}

bool CDemoMode::IsRunning() const {
    return m_process.state() == QProcess::Running && !m_devicePath.isEmpty();
}

QString CDemoMode::DevicePath() const {
    return m_devicePath;
}

int CDemoMode::Typ() const {
    return m_nTyp;
}

int CDemoMode::InterfaceVersion() const {
    return InterfaceVersionFor(m_nTyp);
}

int CDemoMode::InterfaceVersionFor(int nTyp) {
    // A type that no PL45 serves only works on the old interface.
    const CTypKatalog::Typ* typ = CTypKatalog::Find(nTyp);
    return typ != nullptr && typ->nModus == CTypKatalog::kKeinModus ? kPL40 : kPL45;
}

QStringList CDemoMode::SearchDirs() const {
    return m_searchDirs;
}

void CDemoMode::SetSearchDirs(const QStringList& dirs) {
    m_searchDirs = dirs;
}

void CDemoMode::SetStartTimeout(int ms) {
    m_startTimeoutMs = ms;
}

QString CDemoMode::FindSimulator() const {
    for (const QString& dir : m_searchDirs) {
        const QFileInfo candidate(QDir(dir), kSimulatorName);
        if (candidate.isFile() && candidate.isExecutable()) {
            return candidate.absoluteFilePath();
        }
    }
    return QString();
}
