#pragma once
// Cover pictures carried inside music files, read with TagLib: ID3v2 APIC
// frames, FLAC picture blocks, MP4 "covr" items and Ogg (Vorbis, Opus, FLAC,
// Speex) pictures.
#include <QByteArray>
#include <QString>

#include <optional>

namespace velto {

// The encoded picture inside the regular file at `path`: the front cover when
// there are several, else the first. Nothing when it holds none, is not a
// regular file, or is not a format that carries pictures.
std::optional<QByteArray> EmbeddedPicture(const QString& path);

// Audio types other than MPEG whose files commonly carry a cover: FLAC, Ogg
// (OGG, OGA, OPUS, SPX) and MP4 audio (M4A, M4B).
bool CarriesPictureTags(const QString& path);

// The last-shown key of the picture inside a music file: its path with a
// suffix no path has (a NUL), so it never equals a picture file's name.
QString EmbeddedPictureKey(const QString& path);

} // namespace velto
