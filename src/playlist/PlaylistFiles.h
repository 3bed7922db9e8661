#pragma once
// Reading M3U and PLS playlists into entries, and writing entries as M3U.
#include "state/PlaylistModel.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace velto {

// Indexes are 16-bit and the current track number must fit: the list never
// grows beyond this.
constexpr int kMaxPlaylistEntries = 32766;

enum class PlaylistKind { M3U, PLS, Other };

// By the upper-cased extension of the file name only.
PlaylistKind KindOfPlaylist(const QString& file);

// The entry texts of a playlist's lines, in file order. M3U: every line with
// its blanks trimmed, except empty lines and lines starting with "#". PLS:
// the text after the first "=" of lines starting with "File" (case-sensitive),
// not trimmed again.
QStringList M3uEntryTexts(const QStringList& lines);
QStringList PlsEntryTexts(const QStringList& lines);

// The path and display name of entry text `text` read from `playlistFile`:
// URLs and drive-letter paths stay as written, "/" or "\" at the start is
// absolute, anything else lies below the playlist's folder. "\" separates
// folders as "/" does.
PlaylistEntry ResolveEntry(const QString& text, const QString& playlistFile);

// The display name of a file entry: NiceName, plus " (picture)" for pictures.
QString EntryDisplayName(const QString& fileName);

// At most `room` entries of a playlist's lines, resolved against the file
// they were read from; nothing for PlaylistKind::Other.
std::vector<PlaylistEntry> PlaylistEntries(const QStringList& lines, PlaylistKind kind,
                                           const QString& playlistFile, int room);

// At most `room` entries read from `playlistFile`; nothing when it cannot be
// read, is not a regular file, or is neither M3U nor PLS.
std::vector<PlaylistEntry> ReadPlaylistFile(const QString& playlistFile, int room);

// The M3U text of the paths: one line each, CR LF ended; paths below the
// playlist's own folder (case-sensitive prefix) relative to it, with "./" in
// front when the name starts with "#" or a blank; empty paths and paths
// holding "**" left out.
QByteArray M3uText(const PlaylistModel& model, const QString& playlistFile);

} // namespace velto
