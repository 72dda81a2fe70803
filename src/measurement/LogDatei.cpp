#include "measurement/LogDatei.h"

#include <QFile>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

/// Closes the descriptor when the scope ends.
class CFileDescriptor {
public:
    explicit CFileDescriptor(int fd)
        : m_fd(fd) {}
    ~CFileDescriptor() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    CFileDescriptor(const CFileDescriptor&) = delete;
    CFileDescriptor& operator=(const CFileDescriptor&) = delete;
    int Get() const { return m_fd; }

private:
    int m_fd;
};

ssize_t WriteOnce(int fd, const QByteArray& bytes) {
    ssize_t written = -1;
    do {
        written = ::write(fd, bytes.constData(), static_cast<size_t>(bytes.size()));
    } while (written < 0 && errno == EINTR);
    return written;
}

} // namespace

bool CLogDatei::Append(const QString& path, const QByteArray& line) {
    if (path.isEmpty()) {
        return false;
    }
    const QByteArray name = QFile::encodeName(path);
    CFileDescriptor fd(::open(name.constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644));
    if (fd.Get() < 0) {
        return false;
    }
    struct stat before {};
    if (::fstat(fd.Get(), &before) != 0) {
        return false;
    }
    const ssize_t written = WriteOnce(fd.Get(), line);
    if (written == static_cast<ssize_t>(line.size())) {
        return true;
    }
    if (written > 0) {
        // A full disk took only part of the line: the file keeps only whole lines.
        [[maybe_unused]] const int truncated = ::ftruncate(fd.Get(), before.st_size);
    }
    return false;
}
