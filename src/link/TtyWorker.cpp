#include "link/TtyWorker.h"

#include "core/EventLoopSleep.h"
#include "core/Logging.h"
#include "link/TtyDevice.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

/// Bytes kept for the reader at most; beyond that they wait in the kernel (a peer flooding the line
/// cannot make the program grow).
constexpr qsizetype kMaxBuffered = 64 * 1024;
constexpr int kReadChunk = 256;
constexpr int kWriteChunk = 256;
/// A switch of RTS is a quick call; one the driver has not done by then is reported as failed.
constexpr qint64 kRtsTimeoutMs = 5000;

struct BaudEntry {
    int rate;
    speed_t code;
};

constexpr BaudEntry kBaudTable[] = {
    {300, B300},       {600, B600},       {1200, B1200},     {2400, B2400},   {4800, B4800},
    {9600, B9600},     {19200, B19200},   {38400, B38400},   {57600, B57600}, {115200, B115200},
    {230400, B230400}, {460800, B460800}, {921600, B921600},
};

bool SpeedCode(int baud, speed_t& code) {
    for (const BaudEntry& entry : kBaudTable) {
        if (entry.rate == baud) {
            code = entry.code;
            return true;
        }
    }
    return false;
}

int MsUntil(Clock::time_point when) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(when - Clock::now()).count();
    return static_cast<int>(std::clamp<qint64>(left, 0, INT_MAX));
}

} // namespace

CTtyWorker::CTtyWorker(const QString& path, int baud, bool bRunEventLoop)
    : m_path(path)
    , m_baud(baud)
    , m_bRunEventLoop(bRunEventLoop) {
    m_wakeFd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (m_wakeFd < 0) {
        m_lastErrno = errno;
        m_openState = OpenState::Failed;
        m_bEnded = true;
        return;
    }
    m_thread = std::thread([this] { Run(); });
}

CTtyWorker::~CTtyWorker() {
    Stop();
    if (m_wakeFd >= 0) {
        ::close(m_wakeFd);
    }
}

bool CTtyWorker::Opened() {
    std::unique_lock lock(m_mutex);
    Wait(
        lock, [this] { return m_openState != OpenState::Pending; }, -1);
    const bool bOpen = m_openState == OpenState::Open;
    lock.unlock();
    if (!bOpen && m_thread.joinable()) {
        m_thread.join();
    }
    return bOpen;
}

void CTtyWorker::Stop() {
    {
        // A plain wait, no event loop: the port is closed from destructors too, which must not dispatch
        // events to objects being torn down. The thread is woken at once and only has to close.
        std::unique_lock lock(m_mutex);
        m_bStop = true;
        Wake();
        m_changed.wait(lock, [this] { return m_bEnded; });
    }
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

void CTtyWorker::SetRunEventLoop(bool bRun) {
    std::lock_guard lock(m_mutex);
    m_bRunEventLoop = bRun;
}

bool CTtyWorker::Queue(quint8 byte, int timeoutMs) {
    std::lock_guard lock(m_mutex);
    if (m_bHungUp || m_bEnded) {
        return false;
    }
    m_outgoing.push_back({byte, Clock::now() + std::chrono::milliseconds(timeoutMs)});
    m_bLineEmpty = false;
    Wake();
    return true;
}

bool CTtyWorker::WaitDrained(int timeoutMs) {
    std::unique_lock lock(m_mutex);
    return Wait(
        lock, [this] { return m_outgoing.empty() && m_bLineEmpty; }, qMax(0, timeoutMs));
}

int CTtyWorker::Available() {
    std::lock_guard lock(m_mutex);
    return static_cast<int>(m_received.size());
}

int CTtyWorker::Take(char* buffer, int maxCount) {
    std::lock_guard lock(m_mutex);
    const int count = static_cast<int>(qMin<qsizetype>(maxCount, m_received.size()));
    if (count <= 0) {
        return 0;
    }
    std::copy_n(m_received.constData(), count, buffer);
    const bool bWasFull = m_received.size() >= kMaxBuffered;
    m_received.remove(0, count);
    if (bWasFull) {
        Wake(); // the thread reads from the port again
    }
    return count;
}

bool CTtyWorker::WaitReadable(int timeoutMs) {
    std::unique_lock lock(m_mutex);
    return Wait(
        lock, [this] { return !m_received.isEmpty(); }, qMax(0, timeoutMs));
}

IByteDevice::LineResult CTtyWorker::SetRts(bool on) {
    std::unique_lock lock(m_mutex);
    if (m_bEnded) {
        return IByteDevice::LineResult::ReadFailed;
    }
    m_rtsRequest = on;
    m_rtsResult.reset();
    Wake();
    if (!Wait(
            lock, [this] { return m_rtsResult.has_value(); }, kRtsTimeoutMs)) {
        m_rtsRequest.reset();
        m_lastErrno = ETIMEDOUT;
        return IByteDevice::LineResult::WriteFailed;
    }
    return *m_rtsResult;
}

int CTtyWorker::LastErrno() {
    std::lock_guard lock(m_mutex);
    return m_lastErrno;
}

bool CTtyWorker::Wait(std::unique_lock<std::mutex>& lock, const std::function<bool()>& ready,
                      qint64 timeoutMs) {
    // Once the thread has ended nothing changes any more: a port closed meanwhile ends the wait at once.
    const auto bDone = [this, &ready] { return ready() || m_bEnded; };
    if (bDone() || timeoutMs == 0) {
        return ready();
    }
    if (CanRunEventLoop()) {
        WaitInEventLoop(lock, bDone, timeoutMs);
    } else if (timeoutMs < 0) {
        m_changed.wait(lock, bDone);
    } else {
        m_changed.wait_for(lock, std::chrono::milliseconds(timeoutMs), bDone);
    }
    return ready();
}

bool CTtyWorker::WaitInEventLoop(std::unique_lock<std::mutex>& lock, const std::function<bool()>& ready,
                                 qint64 timeoutMs) {
    QElapsedTimer elapsed;
    elapsed.start();
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.setTimerType(Qt::PreciseTimer);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    // A wait may be entered again from an event its loop dispatches (a second device, a message box);
    // the outer one gets its loop back when the inner one ends.
    QEventLoop* const outer = m_pWaitingLoop;
    m_pWaitingLoop = &loop;
    bool bReady = false;
    for (;;) {
        bReady = ready();
        const qint64 leftMs = timeoutMs < 0 ? 1 : timeoutMs - elapsed.elapsed();
        if (bReady || leftMs <= 0) {
            break;
        }
        if (timeoutMs >= 0) {
            deadline.start(static_cast<int>(leftMs));
        }
        lock.unlock();
        const int result = loop.exec();
        lock.lock();
        if (result != 0) {
            // The application is ending and runs no event loop any more: sleep out the rest plainly.
            m_pWaitingLoop = outer;
            const qint64 restMs = timeoutMs < 0 ? -1 : qMax<qint64>(0, timeoutMs - elapsed.elapsed());
            if (restMs < 0) {
                m_changed.wait(lock, ready);
                return true;
            }
            return m_changed.wait_for(lock, std::chrono::milliseconds(restMs), ready);
        }
    }
    m_pWaitingLoop = outer;
    return bReady;
}

bool CTtyWorker::CanRunEventLoop() const {
    return m_bRunEventLoop && CEventLoopSleep::IsAvailable();
}

void CTtyWorker::NotifyLocked() {
    m_changed.notify_all();
    if (m_pWaitingLoop != nullptr) {
        // Queued: the loop quits on its own thread. The waiter takes the loop back under the mutex before
        // it is destroyed, and a destroyed loop's pending events are discarded with it.
        QMetaObject::invokeMethod(m_pWaitingLoop, &QEventLoop::quit, Qt::QueuedConnection);
    }
}

void CTtyWorker::Wake() {
    const quint64 one = 1;
    [[maybe_unused]] const ssize_t written = ::write(m_wakeFd, &one, sizeof one);
}

// ---- the thread's side ----

void CTtyWorker::Run() {
    const bool bOpen = OpenPort();
    {
        std::lock_guard lock(m_mutex);
        m_openState = bOpen ? OpenState::Open : OpenState::Failed;
        m_bEnded = !bOpen;
        NotifyLocked();
    }
    if (!bOpen) {
        return;
    }
    for (;;) {
        bool bWantWrite = false;
        bool bWantRead = false;
        const int timeoutMs = NextTimeoutMs(bWantWrite, bWantRead);
        if (timeoutMs == -2) {
            break; // asked to stop
        }
        // After a hang-up the descriptor only ever reports it again: it is left out of the poll.
        pollfd fds[2] = {{m_wakeFd, POLLIN, 0},
                         {(bWantRead || bWantWrite) ? m_fd : -1,
                          static_cast<short>((bWantRead ? POLLIN : 0) | (bWantWrite ? POLLOUT : 0)), 0}};
        const int ready = ::poll(fds, 2, timeoutMs);
        if (ready < 0 && errno != EINTR) {
            Fail(errno);
            break;
        }
        if ((fds[0].revents & POLLIN) != 0) {
            quint64 count = 0;
            [[maybe_unused]] const ssize_t got = ::read(m_wakeFd, &count, sizeof count);
        }
        const bool bRead = (fds[1].revents & POLLIN) != 0 && ReadAvailable();
        if ((fds[1].revents & (POLLERR | POLLHUP | POLLNVAL)) != 0 && !bRead) {
            NoteHangUp();
        }
        WriteQueued();
        CheckLineEmpty();
        SwitchRtsIfAsked();
    }
    ::close(m_fd); // releases the lock
    m_fd = -1;
    qCDebug(lcLink) << "closed";
    std::lock_guard lock(m_mutex);
    m_bEnded = true;
    NotifyLocked();
}

bool CTtyWorker::OpenPort() {
    m_fd = ::open(QFile::encodeName(m_path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_fd < 0) {
        Fail(errno);
        qCDebug(lcLink) << "cannot open" << m_path << qt_error_string(errno);
        return false;
    }
    // Exclusive like the COM ports of old, through an advisory lock on the descriptor: a second program
    // is refused at once, and the kernel drops the lock with the descriptor however its holder ends, even
    // by SIGKILL. The tty's own exclusive mode (TIOCEXCL) is not used: it outlives a killed holder while
    // any other descriptor keeps the tty (the simulator, a modem manager), and locks out every later
    // opener who is not root.
    const char* failed = nullptr;
    if (::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
        failed = "cannot lock";
    } else if (!Configure()) {
        failed = "cannot set up";
    }
    if (failed != nullptr) {
        Fail(errno);
        qCDebug(lcLink) << failed << m_path << qt_error_string(errno);
        ::close(m_fd);
        m_fd = -1;
        return false;
    }
    m_bPseudoTerminal = CTtyDevice::IsPseudoTerminal(m_fd);
    qCDebug(lcLink) << "opened" << m_path << "at" << m_baud << "baud";
    return true;
}

bool CTtyWorker::Configure() {
    speed_t code = B0;
    if (!SpeedCode(m_baud, code)) {
        errno = EINVAL;
        return false;
    }
    termios tio{};
    if (::tcgetattr(m_fd, &tio) != 0) {
        return false;
    }
    ::cfmakeraw(&tio);
    // 8 data bits, no parity, one stop bit, receiver on, modem status lines ignored, no flow control.
    tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB | CRTSCTS);
    tio.c_cflag |= CS8 | CREAD | CLOCAL;
    tio.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    if (::cfsetispeed(&tio, code) != 0 || ::cfsetospeed(&tio, code) != 0) {
        return false;
    }
    return ::tcsetattr(m_fd, TCSANOW, &tio) == 0;
}

int CTtyWorker::NextTimeoutMs(bool& bWantWrite, bool& bWantRead) {
    std::lock_guard lock(m_mutex);
    if (m_bStop) {
        return -2;
    }
    const auto now = Clock::now();
    int nDropped = 0;
    while (!m_outgoing.empty() && m_outgoing.front().dropAt <= now) {
        m_outgoing.pop_front();
        ++nDropped;
    }
    if (nDropped > 0) {
        // The frame check of the reply, or its absence, tells the caller.
        qCDebug(lcLink) << nDropped << "bytes dropped: the port took none in time";
        NotifyLocked();
    }
    bWantWrite = !m_bHungUp && !m_outgoing.empty();
    bWantRead = !m_bHungUp && m_received.size() < kMaxBuffered;
    int timeoutMs = -1;
    if (bWantWrite) {
        timeoutMs = MsUntil(m_outgoing.front().dropAt);
    } else if (!m_bLineEmpty) {
        // Bytes still in the port's output queue: look again when they should have left the line (about
        // 390 ms for a whole frame at 1200 baud).
        const qint64 charTimeUs = m_baud > 0 ? 10'000'000LL / m_baud : 1000;
        timeoutMs = static_cast<int>(std::clamp<qint64>((m_nLineQueued * charTimeUs + 999) / 1000, 1, 1000));
    }
    return timeoutMs;
}

bool CTtyWorker::ReadAvailable() {
    char chunk[kReadChunk];
    const ssize_t got = ::read(m_fd, chunk, sizeof chunk);
    if (got > 0) {
        std::lock_guard lock(m_mutex);
        m_received.append(chunk, got);
        NotifyLocked();
        return true;
    }
    // Readable yet nothing to read is the end of the line (a tty that hung up reads as end of file).
    if (got == 0 || errno == EIO) {
        NoteHangUp();
    } else if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
        Fail(errno);
    }
    return false;
}

void CTtyWorker::WriteQueued() {
    char chunk[kWriteChunk];
    int count = 0;
    {
        std::lock_guard lock(m_mutex);
        if (m_bHungUp) {
            return;
        }
        for (auto it = m_outgoing.begin(); it != m_outgoing.end() && count < kWriteChunk; ++it) {
            chunk[count++] = static_cast<char>(it->byte);
        }
    }
    if (count == 0) {
        return;
    }
    const ssize_t written = ::write(m_fd, chunk, static_cast<size_t>(count));
    if (written < 0) {
        if (errno == EIO) {
            NoteHangUp();
        } else if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
            Fail(errno);
        }
        return;
    }
    std::lock_guard lock(m_mutex);
    m_outgoing.erase(m_outgoing.begin(), m_outgoing.begin() + written);
}

void CTtyWorker::CheckLineEmpty() {
    {
        std::lock_guard lock(m_mutex);
        if (m_bLineEmpty || !m_outgoing.empty()) {
            return;
        }
    }
    // tcdrain() could wait for ever on a line that never empties; the output queue is looked at instead.
    int pending = 0;
    const bool bEmpty = ::ioctl(m_fd, TIOCOUTQ, &pending) != 0 || pending <= 0;
    m_nLineQueued = bEmpty ? 0 : pending;
    std::lock_guard lock(m_mutex);
    if (bEmpty && m_outgoing.empty()) {
        m_bLineEmpty = true;
        NotifyLocked();
    }
}

void CTtyWorker::SwitchRtsIfAsked() {
    std::optional<bool> request;
    {
        std::lock_guard lock(m_mutex);
        request.swap(m_rtsRequest);
    }
    if (!request) {
        return;
    }
    using LineResult = IByteDevice::LineResult;
    LineResult result = LineResult::Ok;
    int lines = 0;
    if (::ioctl(m_fd, TIOCMGET, &lines) != 0) {
        result = LineResult::ReadFailed;
    } else {
        lines = *request ? (lines | TIOCM_RTS) : (lines & ~TIOCM_RTS);
        if (::ioctl(m_fd, TIOCMSET, &lines) != 0) {
            result = LineResult::WriteFailed;
        }
    }
    const int error = errno;
    if (result != LineResult::Ok) {
        result = CTtyDevice::ModemLineFailure(error, m_bPseudoTerminal, result);
    } else {
        qCDebug(lcLink) << "RTS" << (*request ? "on" : "off");
    }
    std::lock_guard lock(m_mutex);
    if (result != LineResult::Ok && result != LineResult::NoModemLines) {
        m_lastErrno = error;
    }
    m_rtsResult = result;
    NotifyLocked();
}

void CTtyWorker::NoteHangUp() {
    std::lock_guard lock(m_mutex);
    if (!m_bHungUp) {
        qCDebug(lcLink) << "line hung up";
    }
    // Nothing will come and nothing written will leave: waits for bytes sleep out their time, writes are
    // given up.
    m_bHungUp = true;
    m_lastErrno = EIO;
    m_outgoing.clear();
    m_bLineEmpty = true;
    NotifyLocked();
}

void CTtyWorker::Fail(int error) {
    std::lock_guard lock(m_mutex);
    m_lastErrno = error;
}
