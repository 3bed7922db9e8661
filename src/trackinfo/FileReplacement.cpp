#include "trackinfo/FileReplacement.h"

#include "common/PathNames.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/sendfile.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velto {

namespace {

QByteArray Native(const QString& path) { return QFile::encodeName(path); }

// A name beside `target` that nothing uses yet: hidden, and recognisable as
// the player's should a crash leave it behind.
QString SpareName(const QString& target) {
    const QString suffix = QString::number(QRandomGenerator::global()->generate(), 36);
    return JoinPath(PathOnly(target), QStringLiteral(".%1.velto-%2").arg(FileOnly(target), suffix));
}

// Copies every byte of `from` to the start of `to`.
bool CopyBytes(int from, int to, qint64 size) {
    off_t in = 0;
    while (in < size) {
        const ssize_t n = ::copy_file_range(from, &in, to, nullptr, size_t(size - in), 0);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && in == 0 && (errno == EXDEV || errno == ENOSYS || errno == EINVAL)) break;
        if (n <= 0) return false;
    }
    if (in >= size) return true;
    // Older kernels and some file systems: through a buffer.
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    for (qint64 done = 0; done < size;) {
        const ssize_t n = ::pread(from, buffer.data(), size_t(buffer.size()), done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        for (ssize_t put = 0; put < n;) {
            const ssize_t w = ::pwrite(to, buffer.data() + put, size_t(n - put), done + put);
            if (w < 0 && errno == EINTR) continue;
            if (w <= 0) return false;
            put += w;
        }
        done += n;
    }
    return true;
}

// A new empty file in `folder`: unnamed when the file system allows it, so
// that a crash during the copy leaves nothing behind.
int CreateCopy(const QString& folder, const QString& target, QString* named) {
    const int fd = ::open(Native(folder).constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (fd >= 0 || (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)) return fd;
    for (int attempt = 0; attempt < 8; ++attempt) {
        *named = SpareName(target);
        const int made =
            ::open(Native(*named).constData(), O_CREAT | O_EXCL | O_RDWR | O_CLOEXEC, 0600);
        if (made >= 0 || errno != EEXIST) return made;
    }
    return -1;
}

bool SyncFolder(const QString& folder) {
    const int fd = ::open(Native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

} // namespace

std::optional<FileReplacement> FileReplacement::Copy(const QString& path,
                                                     const RegularFile& original) {
    struct stat st {
    }, named{};
    const QString target = QFileInfo(path).canonicalFilePath();
    if (target.isEmpty() || ::fstat(original.Descriptor(), &st) != 0 || st.st_nlink != 1)
        return std::nullopt;
    // The name must still lead to the open file, or another file would go.
    if (::stat(Native(target).constData(), &named) != 0 || named.st_dev != st.st_dev ||
        named.st_ino != st.st_ino)
        return std::nullopt;

    QString name;
    const int fd = CreateCopy(PathOnly(target), target, &name);
    if (fd < 0) return std::nullopt;
    std::optional<RegularFile> copy = RegularFile::Adopt(fd);
    if (!copy) return std::nullopt;
    FileReplacement replacement(std::move(*copy), target, name);
    // Someone else's file stays theirs; when it cannot, it is patched in place.
    const bool owned = st.st_uid == ::geteuid() && st.st_gid == ::getegid();
    if (!owned && ::fchown(fd, st.st_uid, st.st_gid) != 0) return std::nullopt;
    if (::fchmod(fd, st.st_mode & 07777) != 0) return std::nullopt;
    if (!CopyBytes(original.Descriptor(), fd, original.size())) return std::nullopt;
    return replacement;
}

FileReplacement::~FileReplacement() {
    if (!named_.isEmpty()) ::unlink(Native(named_).constData());
}

bool FileReplacement::Commit() {
    if (!copy_.Sync()) return false;
    if (named_.isEmpty()) {
        // An unnamed file gets a name only now, just before the rename.
        const QByteArray link = "/proc/self/fd/" + QByteArray::number(copy_.Descriptor());
        for (int attempt = 0; attempt < 8 && named_.isEmpty(); ++attempt) {
            const QString name = SpareName(target_);
            if (::linkat(AT_FDCWD, link.constData(), AT_FDCWD, Native(name).constData(),
                         AT_SYMLINK_FOLLOW) == 0)
                named_ = name;
            else if (errno != EEXIST)
                return false;
        }
        if (named_.isEmpty()) return false;
    }
    if (::rename(Native(named_).constData(), Native(target_).constData()) != 0) return false;
    named_.clear();
    // The rename itself reaches the disk with the folder.
    SyncFolder(PathOnly(target_));
    return copy_.Close();
}

} // namespace velto
