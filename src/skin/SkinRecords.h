#pragma once
// The element records of a skin file (everything after the header), read and
// applied one by one onto the Surface and the loader's tables.
#include "state/SkinState.h"

#include <QColor>
#include <QStringList>

namespace velto {

class FieldReader;
struct Surface;

class SkinRecords {
public:
    // bitmapDir: where R records find their files (the skin's folder, or the
    // import folder of an imported skin).
    SkinRecords(FieldReader& in, Surface& surface, SkinState& state, QString bitmapDir);

    // Reads records until the end of the file or an "E" head.
    void ReadAll();
    // Heads of records that named elements that do not exist, as written.
    const QStringList& BadReferences() const { return bad_; }

private:
    void Dispatch(QChar code, int32_t n, const QString& head);
    void Button(int32_t n, const QString& head);
    void TextField(int32_t n, const QString& head);
    void Light(int32_t n, const QString& head);
    void Slider(int32_t n, const QString& head);
    void DigitField(int32_t n, const QString& head);
    void Cover();
    void PlaylistArea();
    void Outline(int32_t n, bool multi);
    void Point(int32_t x);
    void ReadPicture(int32_t n, const QString& head);
    void SizePicture(int32_t n, const QString& head);
    void CopyPicture(int32_t n, const QString& head);
    void UsePictures();
    QColor Colour();
    // Whether n lies in low..high; a number outside is noted as a bad reference.
    bool Within(int32_t n, int32_t low, int32_t high, const QString& head);
    // Whether n names one of `count` elements; element 0 is skipped silently.
    bool Known(int32_t n, int32_t count, const QString& head);

    FieldReader& in_;
    Surface& surface_;
    SkinState& state_;
    QString bitmapDir_;
    QStringList bad_;
    int16_t condition_ = 0; // set by R: 1 loaded, 0 missing
    bool awaiting_ = false; // skipping up to the label `awaited_`
    QString awaited_;
};

// TipText: no tool tip for a text that begins with "~", else the text itself.
QString TipText(const QString& s);

// A file name from a skin joined to its folder; "\" counts as a separator and
// a name that differs only in case is found too.
QString SkinFilePath(const QString& folder, const QString& name);

// A skin that cannot be shown as written: the load is undone and `message`,
// which names the file and the problem, is shown instead.
struct SkinRefused {
    QString message;
};

// Decodes a picture file; throws SkinRefused when it cannot be decoded or is
// larger than 8192 pixels a side (refused from its header, before decoding).
QImage ReadSkinPicture(const QString& path);

} // namespace velto
