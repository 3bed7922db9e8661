#pragma once
// Finding the media files below a folder, breadth-first.
#include "state/PlaylistModel.h"

#include <QString>

#include <functional>
#include <vector>

namespace velto {

// The extension list used while none is set: the one first designed, and what
// else plays here (FLAC, Ogg, Opus, M4A... play when added one by one too).
inline const QString kDefaultValidExt =
    QStringLiteral("MP2 MP3 MID WAV MOD XM AVI MOV MPA MIDI RMI S3M IT FLAC OGG OGA OPUS M4A AAC "
                   "WMA WV APE MPC MP4 MKV WEBM");

// The setting ValidExt, or the default list while it is empty (never stored).
inline QString ExtensionsInForce(const QString& validExt) {
    return validExt.trimmed().isEmpty() ? kDefaultValidExt : validExt;
}

// True when the upper-cased extension of `fileName` occurs anywhere in `exts`
// (a substring test: "MP" is inside "MP2"). Names ending in "." have no
// extension and are not taken.
bool ExtensionTaken(const QString& fileName, const QString& exts);

// The files below `start` whose extension `exts` takes: the start folder's own
// files first, then those of its subfolders level by level, each listing sorted
// by name without regard to case. Hidden entries (names starting with ".") are
// skipped, and a folder reached twice through links is scanned once. Stops at
// `limit` entries. `pump` runs after every listed entry, so a long scan keeps
// the window responsive. Once `stop` says so, the scan ends with what it found
// so far (a scan on a worker thread whose result nobody waits for any more).
std::vector<PlaylistEntry> ScanFolder(const QString& start, const QString& exts, int limit,
                                      const std::function<void()>& pump = {},
                                      const std::function<bool()>& stop = {});

} // namespace velto
