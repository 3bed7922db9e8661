#pragma once
// Finding the media files below a folder, breadth-first.
#include "state/PlaylistModel.h"

#include <QString>

#include <functional>
#include <vector>

namespace velto {

// The extension list as first designed, used while none is set.
inline const QString kDefaultValidExt = QStringLiteral("MP2 MP3 MID WAV MOD XM AVI MOV");

// The setting ValidExt, or the designed list while it is empty (never stored).
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
// the window responsive.
std::vector<PlaylistEntry> ScanFolder(const QString& start, const QString& exts, int limit,
                                      const std::function<void()>& pump = {});

} // namespace velto
