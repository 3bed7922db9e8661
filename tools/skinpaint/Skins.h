#pragma once
// The two shipped skins: their control files and bitmaps.
#include "SkinSpec.h"

#include <QImage>

namespace skinpaint {

struct DrawnSkin {
    SkinSpec spec;
    QImage face;
    QImage resource;
};

DrawnSkin DrawDefaultSkin();
DrawnSkin DrawCompactSkin();

} // namespace skinpaint
