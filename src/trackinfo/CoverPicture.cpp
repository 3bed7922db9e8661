#include "trackinfo/CoverPicture.h"

#include "common/PictureFiles.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

#include <algorithm>

namespace velto {

namespace {

QImage Decode(QImageReader& reader, QSize box) {
    reader.setAutoTransform(true);
    // A picture turned on its side by its EXIF data is decoded before it turns.
    if (reader.transformation() & QImageIOHandler::TransformationRotate90) box.transpose();
    const QSize full = reader.size();
    const bool boxed = box.isValid() && !box.isEmpty();
    if (boxed && full.isValid() && (full.width() > box.width() || full.height() > box.height()))
        reader.setScaledSize(full.scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
    QImage image = reader.read();
    // Formats that cannot tell their size first are decoded whole (within
    // Qt's allocation limit) and scaled afterwards.
    if (boxed && !image.isNull() && (image.width() > box.width() || image.height() > box.height()))
        image = image.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return image;
}

} // namespace

QImage ReadPicture(const QString& file, QSize box) {
    // A FIFO or device named like a picture would block the reader.
    if (!IsFile(file)) return {};
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) return {};
    QImageReader reader(&f);
    reader.setDecideFormatFromContent(true);
    return Decode(reader, box);
}

QImage DecodePicture(const QByteArray& bytes, QSize box) {
    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly)) return {};
    QImageReader reader(&buffer);
    return Decode(reader, box);
}

QRect FittedRect(QSize picture, const QRect& box) {
    if (picture.isEmpty() || box.isEmpty()) return {};
    const QSize size = picture.scaled(box.size(), Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    return QRect(box.x() + (box.width() - size.width()) / 2,
                 box.y() + (box.height() - size.height()) / 2, size.width(), size.height());
}

QRect AlbumCoverRect(QSize inner) {
    const int side = std::max(0, std::min(inner.width(), inner.height()));
    return QRect((inner.width() - side) / 2, (inner.height() - side) / 2, side, side);
}

} // namespace velto
