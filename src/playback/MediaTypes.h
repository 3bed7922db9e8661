#pragma once
// Which device plays a playlist entry, from the end of its path.
#include <QString>

#include <cstdint>

namespace velto {

enum class MediaKind {
    MpegAudio, // MP2 MP3 MPA
    Module,    // tracker music
    Animation,
    Animation1,
    MMMovie,
    CdAudio, // a CD track: "…TrackNN.cda" or "cdda://N"
    Picture, // shown as the cover for five seconds
    Refused, // documents and programs: nothing is opened
    Other,   // anything else goes to the general device
};

// The extension by the five-character rule: of the last five characters of
// the path, upper-cased, what follows the first "."; all five without a dot.
QString MediaExtension(const QString& path);
MediaKind KindOf(const QString& path);
// The device type for a kind; "Delay" for pictures and refused entries.
QString DeviceTypeFor(MediaKind kind);
// CD track of an entry: the number of a "cdda://N" URI, else the digits that
// end its name ("Track05.cda" and "Track5.cda" give 5); 0 when there are none.
int16_t CdTrackNumber(const QString& path);
// Entries that are not local files are not looked for on disk.
bool IsLocalFile(const QString& path);

inline const QString kDevDelay = QStringLiteral("Delay");

} // namespace velto
