#pragma once
// Decoding cover pictures at the size they are shown, and where they go.
#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

namespace velto {

// The regular file's picture, decoded to fit `box` with its aspect ratio kept
// (never enlarged), so a huge picture is never decoded at full size. Null when
// it is not a regular file or cannot be decoded.
QImage ReadPicture(const QString& file, QSize box);
// The same for a picture held in memory.
QImage DecodePicture(const QByteArray& bytes, QSize box);

// Where a picture of size `picture` is drawn in `box`: as large as fits with
// its aspect ratio kept, centred.
QRect FittedRect(QSize picture, const QRect& box);

// The Now Playing window's picture in an inner size W x H: a square of side
// min(W, H) at ((W - side) / 2, (H - side) / 2).
QRect AlbumCoverRect(QSize inner);

} // namespace velto
