#pragma once
// A new version of a file made beside it and renamed over it, so that a crash
// or a full disk leaves either the old file or the new one, never a mix.
#include "trackinfo/RegularFile.h"

#include <QString>

#include <optional>
#include <utility>

namespace velto {

class FileReplacement {
public:
    // A copy of `original` (open, at `path`), in the same folder, with the
    // same permissions and owner. Nothing when no such copy can be made: the
    // folder cannot be written, the file has other hard links (they would
    // keep the old version), or the copy fails. A symbolic link is followed:
    // the file it names is replaced and the link stays.
    static std::optional<FileReplacement> Copy(const QString& path, const RegularFile& original);

    FileReplacement(FileReplacement&& other) noexcept
        : copy_(std::move(other.copy_)), target_(std::move(other.target_)),
          named_(std::exchange(other.named_, QString())) {}
    FileReplacement& operator=(FileReplacement&&) = delete;
    ~FileReplacement();

    // The copy, to be changed before Commit.
    RegularFile& File() { return copy_; }

    // Flushes the copy to the disk and renames it over the original. False
    // when anything failed; the original is then as it was.
    bool Commit();

private:
    FileReplacement(RegularFile copy, QString target, QString named)
        : copy_(std::move(copy)), target_(std::move(target)), named_(std::move(named)) {}

    RegularFile copy_;
    QString target_; // the real file, links resolved
    QString named_;  // the copy's name; empty while it has none (O_TMPFILE)
};

} // namespace velto
