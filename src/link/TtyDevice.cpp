#include "link/TtyDevice.h"

#include "link/TtyWorker.h"

#include <cerrno>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {

constexpr unsigned int kPtySlaveMajorFirst = 136;
constexpr unsigned int kPtySlaveMajorLast = 143;
constexpr unsigned int kBsdPtySlaveMajor = 3;

} // namespace

CTtyDevice::CTtyDevice() = default;

CTtyDevice::~CTtyDevice() {
    Close();
}

bool CTtyDevice::Open(const QString& path, int baud) {
    if (IsOpen()) {
        return true;
    }
    auto worker = std::make_shared<CTtyWorker>(path, baud, m_bRunEventLoop);
    if (!worker->Opened()) {
        m_lastErrno = worker->LastErrno();
        return false;
    }
    m_worker = std::move(worker);
    return true;
}

void CTtyDevice::Close() {
    if (m_worker) {
        m_worker->Stop();
        m_lastErrno = m_worker->LastErrno();
        m_worker.reset();
    }
}

bool CTtyDevice::IsOpen() const {
    return m_worker != nullptr;
}

bool CTtyDevice::WriteByte(quint8 byte, int timeoutMs) {
    return IsOpen() && m_worker->Queue(byte, timeoutMs);
}

bool CTtyDevice::Drain(int timeoutMs) {
    const std::shared_ptr<CTtyWorker> worker = m_worker;
    return worker && worker->WaitDrained(timeoutMs);
}

int CTtyDevice::BytesWaiting() {
    return IsOpen() ? m_worker->Available() : 0;
}

int CTtyDevice::Read(char* buffer, int maxCount) {
    return IsOpen() && maxCount > 0 ? m_worker->Take(buffer, maxCount) : 0;
}

bool CTtyDevice::WaitReadable(int timeoutMs) {
    const std::shared_ptr<CTtyWorker> worker = m_worker;
    return worker && worker->WaitReadable(timeoutMs);
}

IByteDevice::LineResult CTtyDevice::SetRts(bool on) {
    const std::shared_ptr<CTtyWorker> worker = m_worker;
    return worker ? worker->SetRts(on) : LineResult::ReadFailed;
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
    return qt_error_string(m_worker ? m_worker->LastErrno() : m_lastErrno);
}

void CTtyDevice::SetRunEventLoop(bool run) {
    m_bRunEventLoop = run;
    if (m_worker) {
        m_worker->SetRunEventLoop(run);
    }
}
