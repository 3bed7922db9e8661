#pragma once
// Pictures the cover tests write (one colour, in the format asked for), and a
// tagged MP3 for the Track Info window.
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

// Two 128 kbit/s 44.1 kHz joint-stereo frames and an ID3v1.1 tag: track 7, Rock.
inline QByteArray TaggedMp3(const QByteArray& title, const QByteArray& album) {
    const QByteArray frame = QByteArray::fromHex("FFFB9040").leftJustified(417, '\0');
    return frame + frame + "TAG" + title.leftJustified(30, ' ') +
           QByteArray("Queen").leftJustified(30, ' ') + album.leftJustified(30, ' ') + "1999" +
           QByteArray(28, ' ') + QByteArray("\0\7\21", 3);
}

} // namespace velto::test
