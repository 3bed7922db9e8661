#pragma once
// A regular file opened for track information: FIFOs, devices and folders are
// refused without blocking on them, and every read and write is positioned.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

namespace velto {

class RegularFile {
public:
    // Nothing when the path is missing, cannot be opened, or is not a regular
    // file (a symbolic link to one is followed).
    static std::optional<RegularFile> Open(const QString& path, bool forWriting);
    // Takes over an open descriptor; nothing (and it is closed) when it is no
    // regular file.
    static std::optional<RegularFile> Adopt(int fd);

    RegularFile(RegularFile&& other) noexcept;
    RegularFile& operator=(RegularFile&& other) noexcept;
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;
    ~RegularFile();

    // The length when the file was opened.
    qint64 size() const { return size_; }
    int Descriptor() const { return fd_; }

    // Up to `length` bytes from `offset`, fewer at the end of the file; nothing
    // on a read error.
    std::optional<QByteArray> ReadAt(qint64 offset, qint64 length) const;
    // All of `bytes` at `offset`, or false.
    bool WriteAt(qint64 offset, QByteArrayView bytes);
    bool Truncate(qint64 length);
    // Flushes to the disk; some file systems report a failed write only here.
    bool Sync();
    bool Close();

private:
    RegularFile(int fd, qint64 size) : fd_(fd), size_(size) {}
    int fd_ = -1;
    qint64 size_ = 0;
};

} // namespace velto
