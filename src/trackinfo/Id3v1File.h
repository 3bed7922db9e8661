#pragma once
// Reading a file's ID3v1 tag, and saving the Track Info window's fields as one.
#include "state/TagInfo.h"
#include "trackinfo/Id3v1.h"

#include <QString>

#include <optional>

namespace velto {

// True for files named .mp2, .mp3 or .mpa (any case) that are not URLs: the
// only files whose tag the player reads and writes.
bool IsMpegAudioName(const QString& path);

// The tag of the file at `path` (NoTagFields() when it has none); nothing when
// the file is missing, not a regular file, shorter than kMinTrackInfoFileSize,
// or unreadable.
std::optional<TagFields> ReadId3v1(const QString& path);

enum class TagSaveOutcome {
    Added,       // 128 bytes appended
    Updated,     // the last 128 bytes, which held a tag, overwritten
    WriteFailed, // the file could not be opened or written; it is as it was
    BadTrack,    // the track text is not a number from 0 to 255; nothing written
    TooShort,    // shorter than kMinTrackInfoFileSize; nothing written, nothing said
};

// The message box text of an outcome; nothing for TooShort.
std::optional<QString> TagSaveMessage(TagSaveOutcome outcome);

// Writes the window's fields as the ID3v1 tag of the regular file at `path`:
// over the last 128 bytes when they hold a tag, else appended. Nothing else in
// the file changes. The new version is written to a copy renamed over the
// file (see FileReplacement), so a crash leaves the old file or the new one;
// where no copy can be made the tag is patched in place. A write that fails
// leaves the file as it was.
TagSaveOutcome SaveIDTag(const QString& path, const TagForm& form);

} // namespace velto
