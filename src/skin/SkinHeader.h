#pragma once
// The header of a skin control file: the magic, the info line, the three
// window sizes, the bitmap line (or the import form) and the hover style.
// Read whole before anything of the skin is applied.
#include <QSize>
#include <QString>

#include <array>
#include <cstdint>

namespace velto {

class FieldReader;

// Control files above this are refused unread: the shipped skins are under 4 KB.
constexpr qint64 kMaxSkinFileSize = 4 * 1024 * 1024;

struct SkinHeader {
    QString info;
    std::array<QSize, 3> pixels; // the window sizes as written
    // File names of the face and resource bitmaps; for an imported skin "*"
    // and the folder to look in first.
    QString mainBitmap, resourceBitmap;
    QString importFilter, importFile; // the import form's second line
    int16_t coolFlag = 0;

    bool Imported() const { return mainBitmap == u'*'; }
};

// Reads the first field; true when it is the magic "VeltoSkin". An empty file has none.
bool ReadSkinMagic(FieldReader& in);

// Everything after the magic up to the first record. Throws SkinError when a
// field is missing or a number is malformed.
SkinHeader ReadSkinHeader(FieldReader& in);

} // namespace velto
