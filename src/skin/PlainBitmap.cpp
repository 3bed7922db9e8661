#include "skin/PlainBitmap.h"

#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace velto {

namespace {

constexpr qint64 kFileHeader = 14;
constexpr qint64 kInfoHeader = 40; // BITMAPINFOHEADER; later versions are longer

uint32_t U32(const char* p) {
    uint32_t v;
    std::memcpy(&v, p, 4);
    return qFromLittleEndian(v);
}
uint16_t U16(const char* p) {
    uint16_t v;
    std::memcpy(&v, p, 2);
    return qFromLittleEndian(v);
}

} // namespace

QImage ReadPlainBitmap(const QString& path, int maxSide) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    char head[kFileHeader + kInfoHeader];
    if (file.read(head, sizeof head) != qint64(sizeof head) || head[0] != 'B' || head[1] != 'M')
        return {};
    const char* info = head + kFileHeader;
    const int64_t pixelsAt = U32(head + 10);
    const int64_t width = int32_t(U32(info + 4));
    const int64_t height = int32_t(U32(info + 8)); // negative: rows stored top down
    if (U32(info) < kInfoHeader || U16(info + 12) != 1 || U16(info + 14) != 24 ||
        U32(info + 16) != 0 /* BI_RGB */)
        return {};
    const int64_t rows = height < 0 ? -height : height;
    if (width < 1 || width > maxSide || rows < 1 || rows > maxSide) return {};
    const int64_t stride = (width * 3 + 3) & ~int64_t(3); // rows are padded to 4 bytes
    if (pixelsAt < kFileHeader + kInfoHeader || pixelsAt + stride * rows > file.size()) return {};

    QImage image(int(width), int(rows), QImage::Format_BGR888);
    if (image.isNull() || image.bytesPerLine() != stride || !file.seek(pixelsAt)) return {};
    // Both pad their rows to 4 bytes, so the pixels arrive in one read.
    auto* bits = reinterpret_cast<char*>(image.bits());
    if (file.read(bits, stride * rows) != stride * rows) return {};
    if (height > 0) {
        for (int64_t top = 0, bottom = rows - 1; top < bottom; ++top, --bottom)
            std::swap_ranges(bits + top * stride, bits + (top + 1) * stride,
                             bits + bottom * stride);
    }
    return image;
}

} // namespace velto
