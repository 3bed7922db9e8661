// A skin control file from memory: the magic and header, every record (the
// outline's included), the outline's polygons and the window region cut from
// them, and the bad-reference message.
#include "common/TextFiles.h"
#include "fuzz/FuzzTarget.h"
#include "skin/FieldReader.h"
#include "skin/SkinHeader.h"
#include "skin/SkinLoader.h"
#include "skin/SkinOutline.h"
#include "skin/SkinRecords.h"
#include "state/SkinState.h"
#include "state/Surface.h"
#include "ui/SurfacePainter.h"

using namespace velto;

VELTO_FUZZ_TARGET(skin) {
    // The loader refuses larger files unread.
    if (size > size_t(kMaxSkinFileSize)) return 0;
    fuzz::EnsureGuiApplication();
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    FieldReader in(DecodeText(bytes));
    if (!ReadSkinMagic(in)) return 0;
    SkinState skin;
    Surface surface;
    try {
        const SkinHeader header = ReadSkinHeader(in);
        surface.windowPixels = header.pixels[0].expandedTo(QSize(1, 1));
        SkinRecords records(in, surface, skin, QString::fromLatin1(fuzz::kNoFolder));
        records.ReadAll();
        surface.outline = BuildOutline(skin);
        OutlineRegion(surface);
        BadReferenceMessage(records.BadReferences());
    } catch (const SkinError&) {
    } catch (const SkinRefused&) {
    }
    return 0;
}
