#pragma once
// Small skins for the loader tests: a face and a resource bitmap in one colour
// each, and a header naming them.
#include "support/TestFiles.h"

#include <QColor>
#include <QImage>

namespace velto::test {

inline QString WriteBitmap(const TempDir& dir, const QString& name, QSize size, QColor colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    const QString path = dir.file(name);
    image.save(path, "BMP");
    return path;
}

// The header of a skin whose face is face.bmp and resource res.bmp, sizes
// 200x100, 200x50 and 100x20, CoolFlag `cool`.
inline QByteArray SkinHeader(const QByteArray& info = "Test skin", int cool = 0) {
    return "VeltoSkin\r\n" + info + "\r\n200,100,200,50,100,20\r\nface.bmp,res.bmp\r\n" +
           QByteArray::number(cool) + ",0,0,0,0,0,0,0\r\n";
}

// Writes a dark blue face.bmp, a dark green res.bmp and `name` (the header
// plus `records`) into dir.
inline QString WriteSkin(const TempDir& dir, const QString& name, const QByteArray& records) {
    WriteBitmap(dir, QStringLiteral("face.bmp"), QSize(200, 100), Qt::darkBlue);
    WriteBitmap(dir, QStringLiteral("res.bmp"), QSize(200, 200), Qt::darkGreen);
    return dir.write(name, SkinHeader() + records);
}

// A 5x5 button `n` at (1,1) with key "A".
inline QByteArray ButtonRecord(int n) {
    return "B" + QByteArray::number(n) + ",1,1,5,5,0,0,A,x\r\n";
}

} // namespace velto::test
