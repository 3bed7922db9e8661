#pragma once
// Skin pictures are almost always uncompressed 24-bit bitmaps. Read straight
// into a 3-byte image they cost a quarter less memory than Qt's 4-byte one, and
// reading them is a copy of the file's rows.
#include <QImage>
#include <QString>

namespace velto {

// The picture of an uncompressed 24-bit bitmap file whose sides are 1 to
// maxSide pixels, as QImage::Format_BGR888. A null image for anything else
// (another kind of file or bitmap, a file too short for its pixels), which
// the general picture readers then handle.
QImage ReadPlainBitmap(const QString& path, int maxSide);

} // namespace velto
