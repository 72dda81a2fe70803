#include "link/TtyDevice.h"

#include "core/EventLoopSleep.h"
#include "core/Logging.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QSocketNotifier>
#include <QTimer>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr unsigned int kPtySlaveMajorFirst = 136;
constexpr unsigned int kPtySlaveMajorLast = 143;
constexpr unsigned int kBsdPtySlaveMajor = 3;

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

} // namespace

CTtyDevice::~CTtyDevice() {
    Close();
}

bool CTtyDevice::Open(const QString& path, int baud) {
    if (IsOpen()) {
        return true;
    }
    m_fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_fd < 0) {
        NoteError();
        qCDebug(lcLink) << "cannot open" << path << LastErrorText();
        return false;
    }
    // Exclusive like the COM ports of old, through an advisory lock on the descriptor: a second program
    // is refused at once, and the kernel drops the lock with the descriptor however its holder ends, even
    // by SIGKILL. The tty's own exclusive mode (TIOCEXCL) is not used: it outlives a killed holder while
    // any other descriptor keeps the tty (the simulator, a modem manager), and locks out every later
    // opener who is not root.
    if (::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
        NoteError();
        qCDebug(lcLink) << "cannot lock" << path << LastErrorText();
        CloseDescriptor();
        return false;
    }
    if (!Configure(baud)) {
        NoteError();
        qCDebug(lcLink) << "cannot set up" << path << LastErrorText();
        CloseDescriptor();
        return false;
    }
    m_baud = baud;
    m_bHungUp = false;
    m_bPseudoTerminal = IsPseudoTerminal(m_fd);
    qCDebug(lcLink) << "opened" << path << "at" << baud << "baud";
    return true;
}

bool CTtyDevice::Configure(int baud) {
    speed_t code = B0;
    if (!SpeedCode(baud, code)) {
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

void CTtyDevice::Close() {
    if (m_fd >= 0) {
        CloseDescriptor();
        qCDebug(lcLink) << "closed";
    }
    m_bHungUp = false;
}

void CTtyDevice::CloseDescriptor() {
    ::close(m_fd); // releases the lock
    m_fd = -1;
}

bool CTtyDevice::IsOpen() const {
    return m_fd >= 0;
}

bool CTtyDevice::WriteByte(quint8 byte, int timeoutMs) {
    if (!IsOpen()) {
        return false;
    }
    QElapsedTimer elapsed;
    elapsed.start();
    for (;;) {
        const ssize_t written = ::write(m_fd, &byte, 1);
        if (written == 1) {
            return true;
        }
        if (written < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
            NoteError();
            return false;
        }
        const qint64 left = timeoutMs - elapsed.elapsed();
        if (left <= 0) {
            return false;
        }
        pollfd pfd{m_fd, POLLOUT, 0};
        if (::poll(&pfd, 1, static_cast<int>(left)) < 0 && errno != EINTR) {
            NoteError();
            return false;
        }
        if ((pfd.revents & (POLLERR | POLLHUP | POLLNVAL)) != 0) {
            NoteHangUp();
            return false;
        }
    }
}

bool CTtyDevice::Drain(int timeoutMs) {
    if (!IsOpen()) {
        return false;
    }
    // tcdrain() could wait for ever on a line that never empties; instead look at the output queue and
    // sleep about as long as the bytes still in it need on the line.
    const qint64 charTimeUs = m_baud > 0 ? 10'000'000LL / m_baud : 1000;
    QElapsedTimer elapsed;
    elapsed.start();
    for (;;) {
        int pending = 0;
        if (::ioctl(m_fd, TIOCOUTQ, &pending) != 0 || pending <= 0) {
            return true;
        }
        const qint64 leftMs = timeoutMs - elapsed.elapsed();
        if (leftMs <= 0) {
            return false;
        }
        // About 390 ms for a whole frame at 1200 baud: long enough that the window must go on meanwhile.
        SleepMs(qBound<qint64>(1, (pending * charTimeUs + 999) / 1000, leftMs));
    }
}

int CTtyDevice::BytesWaiting() {
    if (!IsOpen()) {
        return 0;
    }
    int count = 0;
    if (::ioctl(m_fd, FIONREAD, &count) != 0) {
        NoteError();
        return 0;
    }
    return count;
}

int CTtyDevice::Read(char* buffer, int maxCount) {
    if (!IsOpen() || maxCount <= 0) {
        return 0;
    }
    const ssize_t got = ::read(m_fd, buffer, static_cast<size_t>(maxCount));
    if (got < 0) {
        if (errno == EIO) {
            NoteHangUp();
        } else if (errno != EAGAIN && errno != EWOULDBLOCK) {
            NoteError();
        }
        return 0;
    }
    return static_cast<int>(got);
}

bool CTtyDevice::WaitReadable(int timeoutMs) {
    if (!IsOpen()) {
        return false;
    }
    if (BytesWaiting() > 0) {
        return true;
    }
    if (timeoutMs <= 0) {
        return false;
    }
    if (m_bHungUp) {
        // Nothing will come; sleep out the time so that the caller's time-out still counts.
        SleepMs(timeoutMs);
        return false;
    }
    return CanRunEventLoop() ? WaitInEventLoop(timeoutMs) : WaitInPoll(timeoutMs);
}

bool CTtyDevice::WaitInPoll(int timeoutMs) {
    QElapsedTimer elapsed;
    elapsed.start();
    for (;;) {
        const qint64 left = timeoutMs - elapsed.elapsed();
        if (left <= 0) {
            return false;
        }
        pollfd pfd{m_fd, POLLIN, 0};
        const int ready = ::poll(&pfd, 1, static_cast<int>(left));
        if (ready < 0 && errno != EINTR) {
            NoteError();
            return false;
        }
        if (ready <= 0) {
            continue;
        }
        if (BytesWaiting() > 0) {
            return true;
        }
        if ((pfd.revents & (POLLERR | POLLHUP | POLLNVAL)) != 0) {
            NoteHangUp();
            SleepMs(timeoutMs - elapsed.elapsed());
            return false;
        }
    }
}

bool CTtyDevice::WaitInEventLoop(int timeoutMs) {
    QEventLoop loop;
    QSocketNotifier notifier(static_cast<qintptr>(m_fd), QSocketNotifier::Read);
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&notifier, &QSocketNotifier::activated, &loop, [&loop, &notifier] {
        notifier.setEnabled(false);
        loop.quit();
    });
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    QElapsedTimer elapsed;
    elapsed.start();
    deadline.start(timeoutMs);
    loop.exec();
    if (BytesWaiting() > 0) {
        return true;
    }
    // Woken without a byte: either the time is up or the line hung up. Poll says which, without waiting.
    const qint64 rest = timeoutMs - elapsed.elapsed();
    return rest > 0 ? WaitInPoll(static_cast<int>(rest)) : false;
}

bool CTtyDevice::CanRunEventLoop() const {
    return m_bRunEventLoop && CEventLoopSleep::IsAvailable();
}

void CTtyDevice::SleepMs(qint64 ms) {
    if (ms <= 0) {
        return;
    }
    if (CanRunEventLoop()) {
        CEventLoopSleep::SleepMs(ms);
    } else {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    }
}

IByteDevice::LineResult CTtyDevice::SetRts(bool on) {
    if (!IsOpen()) {
        return LineResult::ReadFailed;
    }
    int lines = 0;
    if (::ioctl(m_fd, TIOCMGET, &lines) != 0) {
        return ModemLineError(LineResult::ReadFailed);
    }
    lines = on ? (lines | TIOCM_RTS) : (lines & ~TIOCM_RTS);
    if (::ioctl(m_fd, TIOCMSET, &lines) != 0) {
        return ModemLineError(LineResult::WriteFailed);
    }
    qCDebug(lcLink) << "RTS" << (on ? "on" : "off");
    return LineResult::Ok;
}

IByteDevice::LineResult CTtyDevice::ModemLineError(LineResult failure) {
    const LineResult result = ModemLineFailure(errno, m_bPseudoTerminal, failure);
    if (result != LineResult::NoModemLines) {
        NoteError();
    }
    return result;
}

IByteDevice::LineResult CTtyDevice::ModemLineFailure(int error, bool bPseudoTerminal, LineResult failure) {
    const bool bNoLines = error == ENOTTY || error == EINVAL;
    return bPseudoTerminal && bNoLines ? LineResult::NoModemLines : failure;
}

bool CTtyDevice::IsPseudoTerminal(int fd) {
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISCHR(status.st_mode)) {
        return false;
    }
    // The kernel's fixed device numbers: the slaves of /dev/ptmx (/dev/pts/N), and the old BSD ptys.
    const unsigned int nMajor = major(status.st_rdev);
    return (nMajor >= kPtySlaveMajorFirst && nMajor <= kPtySlaveMajorLast) || nMajor == kBsdPtySlaveMajor;
}

QString CTtyDevice::LastErrorText() const {
    return qt_error_string(m_lastErrno);
}

void CTtyDevice::SetRunEventLoop(bool run) {
    m_bRunEventLoop = run;
}

void CTtyDevice::NoteHangUp() {
    if (!m_bHungUp) {
        qCDebug(lcLink) << "line hung up";
    }
    m_bHungUp = true;
    m_lastErrno = EIO;
}

void CTtyDevice::NoteError() {
    m_lastErrno = errno;
}
