#include "skin/SkinHeader.h"

#include "skin/FieldReader.h"

namespace velto {

bool ReadSkinMagic(FieldReader& in) {
    return !in.AtEnd() && in.Field() == QLatin1String("VeltoSkin");
}

SkinHeader ReadSkinHeader(FieldReader& in) {
    SkinHeader h;
    h.info = in.Line();
    for (QSize& size : h.pixels) {
        const int16_t w = in.Int16();
        const int16_t height = in.Int16();
        size = QSize(w, height);
    }
    h.mainBitmap = in.Field();
    h.resourceBitmap = in.Field();
    if (h.Imported()) {
        h.importFilter = in.Field();
        h.importFile = in.Field();
    }
    h.coolFlag = in.Int16();
    for (int i = 0; i < 7; ++i)
        in.Int16(); // reserved
    return h;
}

} // namespace velto
