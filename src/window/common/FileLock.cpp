#include "window/common/FileLock.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// Short enough that a wait ends soon after the holder lets go.
constexpr int kRetryMilliseconds = 5;

} // namespace

FileLock::FileLock(const QString& lockPath, int waitMilliseconds) {
    const QByteArray path = QFile::encodeName(lockPath);
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0) {
        m_error = QString::fromLocal8Bit(std::strerror(errno));
        return;
    }
    const QDeadlineTimer deadline(waitMilliseconds);
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) || deadline.hasExpired()) {
            m_error = errno == EWOULDBLOCK
                          ? QCoreApplication::translate("DataStore", "in use by another program")
                          : QString::fromLocal8Bit(std::strerror(errno));
            ::close(fd);
            return;
        }
        QThread::msleep(kRetryMilliseconds);
    }
    m_fd = fd;
}

FileLock::~FileLock() {
    if (m_fd >= 0) {
        ::close(m_fd); // closing the descriptor lets the lock go
    }
}
