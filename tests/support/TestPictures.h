#pragma once
// Pictures the cover tests write: one colour, in the format asked for.
#include <QBuffer>
#include <QImage>

namespace velto::test {

inline QByteArray PictureBytes(const char* format, QColor color, QSize size = QSize(8, 8)) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return buffer.data();
}

// A red 1 x 1 GIF, byte by byte (Qt writes no GIF).
inline QByteArray RedGif() {
    return QByteArray::fromHex(
        "47494638396101000100800000FF0000FFFFFF2C00000000010001000002024401003B");
}

} // namespace velto::test
