#include "sim/PtyServer.h"

#include "core/Clock.h"
#include "core/Logging.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

CPtyServer::CPtyServer(CSimulator& simulator, IClock& clock)
    : m_simulator(simulator)
    , m_clock(clock) {
    m_simulator.SetResetRequired(false);
}

CPtyServer::~CPtyServer() {
    CloseMaster();
}

bool CPtyServer::Open(QString& error) {
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0) {
        error = QString::fromLocal8Bit(std::strerror(errno));
        CloseMaster();
        return false;
    }
    termios tio{};
    if (::tcgetattr(m_master, &tio) == 0) {
        ::cfmakeraw(&tio);
        ::tcsetattr(m_master, TCSANOW, &tio);
    }
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
    m_slavePath = QString::fromLocal8Bit(::ptsname(m_master));
    return true;
}

QString CPtyServer::SlavePath() const {
    return m_slavePath;
}

void CPtyServer::CloseMaster() {
    if (m_master >= 0) {
        ::close(m_master);
        m_master = -1;
    }
}

void CPtyServer::Run(int stopFd) {
    for (;;) {
        qint64 nowMs = m_clock.NowMs();
        WriteDue(nowMs);
        if (m_master >= 0 && m_simulator.HasVanished(nowMs)) {
            qCInfo(lcSim) << "the port disappears";
            CloseMaster();
            m_pending.clear();
        }
        if (m_bHungUp && nowMs >= m_retryAtMs) {
            m_bHungUp = false; // look at the master again: the program may have opened the slave
        }
        pollfd fds[2] = {{stopFd, POLLIN, 0}, {m_bHungUp ? -1 : m_master, POLLIN, 0}};
        const int ready = ::poll(fds, 2, PollTimeoutMs(nowMs));
        if (ready < 0 && errno != EINTR) {
            qCWarning(lcSim) << "poll failed:" << std::strerror(errno);
            return;
        }
        if ((fds[0].revents & (POLLIN | POLLHUP)) != 0) {
            return;
        }
        nowMs = m_clock.NowMs();
        if ((fds[1].revents & POLLIN) != 0) {
            ReadFromProgram(nowMs);
        } else if ((fds[1].revents & (POLLHUP | POLLERR)) != 0) {
            NoteHangUp(nowMs);
        }
    }
}

int CPtyServer::PollTimeoutMs(qint64 nowMs) const {
    qint64 timeout = -1;
    if (!m_pending.empty()) {
        timeout = qMax<qint64>(0, m_pending.begin()->first - nowMs);
    }
    if (m_bHungUp) {
        const qint64 retry = qMax<qint64>(0, m_retryAtMs - nowMs);
        timeout = timeout < 0 ? retry : qMin(timeout, retry);
    }
    return static_cast<int>(timeout);
}

void CPtyServer::ReadFromProgram(qint64 nowMs) {
    char buffer[256];
    const ssize_t count = ::read(m_master, buffer, sizeof buffer);
    if (count < 0) {
        if (errno == EIO) {
            NoteHangUp(nowMs);
        }
        return;
    }
    if (!m_bProgramAttached) {
        m_bProgramAttached = true;
        m_simulator.OnOpen(nowMs);
    }
    for (ssize_t i = 0; i < count; ++i) {
        for (const CSimulator::Output& output :
             m_simulator.OnHostByte(static_cast<quint8>(buffer[i]), nowMs)) {
            m_pending.emplace(output.atMs, output.byte);
        }
    }
}

void CPtyServer::WriteDue(qint64 nowMs) {
    QByteArray due;
    while (!m_pending.empty() && m_pending.begin()->first <= nowMs) {
        due.append(static_cast<char>(m_pending.begin()->second));
        m_pending.erase(m_pending.begin());
    }
    if (due.isEmpty() || m_master < 0) {
        return;
    }
    const ssize_t written = ::write(m_master, due.constData(), static_cast<size_t>(due.size()));
    if (written < due.size()) {
        qCDebug(lcSim) << "answer bytes lost:" << due.size() - qMax<ssize_t>(0, written);
    }
}

void CPtyServer::NoteHangUp(qint64 nowMs) {
    // Nobody has the slave open (the program closed its port): what was on its way is lost with it.
    if (m_bProgramAttached) {
        m_bProgramAttached = false;
        m_simulator.OnClose(nowMs);
        m_pending.clear();
    }
    m_bHungUp = true;
    m_retryAtMs = nowMs + kHangUpRetryMs;
}
