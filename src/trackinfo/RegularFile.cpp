#include "trackinfo/RegularFile.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <utility>

namespace velto {

std::optional<RegularFile> RegularFile::Open(const QString& path, bool forWriting) {
    if (path.isEmpty()) return std::nullopt;
    // Non-blocking, so a FIFO or a device cannot hang the open; the type is
    // checked on the open file, so it cannot change in between.
    const int flags = (forWriting ? O_RDWR : O_RDONLY) | O_NONBLOCK | O_CLOEXEC;
    return Adopt(::open(QFile::encodeName(path).constData(), flags));
}

std::optional<RegularFile> RegularFile::Adopt(int fd) {
    if (fd < 0) return std::nullopt;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    return RegularFile(fd, qint64(st.st_size));
}

RegularFile::RegularFile(RegularFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), size_(other.size_) {}

RegularFile& RegularFile::operator=(RegularFile&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = std::exchange(other.fd_, -1);
        size_ = other.size_;
    }
    return *this;
}

RegularFile::~RegularFile() {
    if (fd_ >= 0) ::close(fd_);
}

std::optional<QByteArray> RegularFile::ReadAt(qint64 offset, qint64 length) const {
    if (fd_ < 0 || offset < 0 || length < 0) return std::nullopt;
    length = std::min(length, std::max<qint64>(0, size_ - offset)); // no buffer beyond the end
    QByteArray bytes(length, Qt::Uninitialized);
    qint64 done = 0;
    while (done < length) {
        const ssize_t n = ::pread(fd_, bytes.data() + done, size_t(length - done), offset + done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return std::nullopt;
        if (n == 0) break;
        done += n;
    }
    bytes.truncate(done);
    return bytes;
}

bool RegularFile::WriteAt(qint64 offset, QByteArrayView bytes) {
    if (fd_ < 0 || offset < 0) return false;
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t n =
            ::pwrite(fd_, bytes.data() + done, size_t(bytes.size() - done), offset + done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += n;
    }
    return true;
}

bool RegularFile::Truncate(qint64 length) {
    if (fd_ < 0) return false;
    int r;
    do
        r = ::ftruncate(fd_, length);
    while (r != 0 && errno == EINTR);
    return r == 0;
}

bool RegularFile::Sync() { return fd_ >= 0 && ::fsync(fd_) == 0; }

bool RegularFile::Close() {
    // The descriptor is gone after close even when it reports an error.
    return fd_ >= 0 && ::close(std::exchange(fd_, -1)) == 0;
}

} // namespace velto
