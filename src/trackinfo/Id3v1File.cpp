#include "trackinfo/Id3v1File.h"

#include "common/PathNames.h"
#include "trackinfo/FileReplacement.h"
#include "trackinfo/MpegHeader.h"
#include "trackinfo/RegularFile.h"

namespace velto {

bool IsMpegAudioName(const QString& path) {
    const QString file = FileOnly(path);
    if (!file.contains(u'.') || HasUrlScheme(path)) return false;
    const QString ext = FileExt(file).toUpper();
    return ext == u"MP2" || ext == u"MP3" || ext == u"MPA";
}

std::optional<TagFields> ReadId3v1(const QString& path) {
    const auto file = RegularFile::Open(path, false);
    if (!file || file->size() < kMinTrackInfoFileSize) return std::nullopt;
    const auto tail = file->ReadAt(file->size() - kId3v1Size, kId3v1Size);
    if (!tail) return std::nullopt;
    return TagAtEnd(*tail);
}

std::optional<QString> TagSaveMessage(TagSaveOutcome outcome) {
    switch (outcome) {
    case TagSaveOutcome::Added: return QStringLiteral("Tag Added!");
    case TagSaveOutcome::Updated: return QStringLiteral("Tag Updated!");
    case TagSaveOutcome::WriteFailed: return QStringLiteral("Error writing tag (is file in use?)!");
    case TagSaveOutcome::BadTrack: return QStringLiteral("Track must be a number from 0 to 255!");
    case TagSaveOutcome::TooShort: break;
    }
    return std::nullopt;
}

TagSaveOutcome SaveIDTag(const QString& path, const TagForm& form) {
    const auto block = Id3v1Block(form);
    if (!block) return TagSaveOutcome::BadTrack;
    // Opened for writing even when a copy is written: a file the user may not
    // change is refused, as it would be in place.
    auto file = RegularFile::Open(path, true);
    if (!file) return TagSaveOutcome::WriteFailed;
    const qint64 size = file->size();
    if (size < kMinTrackInfoFileSize) return TagSaveOutcome::TooShort;
    const auto old = file->ReadAt(size - kId3v1Size, kId3v1Size);
    if (!old || old->size() != kId3v1Size) return TagSaveOutcome::WriteFailed;
    const bool update = old->startsWith("TAG");
    const qint64 offset = update ? size - kId3v1Size : size;
    const TagSaveOutcome done = update ? TagSaveOutcome::Updated : TagSaveOutcome::Added;

    // A whole new file renamed over the old one: a crash in between leaves
    // the old file, never a cut tag.
    if (auto copy = FileReplacement::Copy(path, *file)) {
        if (!copy->File().WriteAt(offset, *block) || !copy->Commit())
            return TagSaveOutcome::WriteFailed;
        return done;
    }
    // No copy could be made beside it (a folder the user may not write, other
    // hard links, no room for a copy): the 128 bytes are patched in place.
    if (!file->WriteAt(offset, *block) || !file->Sync()) {
        // Put back what was there, so a full disk or a size limit costs nothing.
        if (update)
            file->WriteAt(offset, *old);
        else
            file->Truncate(size);
        file->Sync();
        return TagSaveOutcome::WriteFailed;
    }
    if (!file->Close()) return TagSaveOutcome::WriteFailed;
    return done;
}

} // namespace velto
