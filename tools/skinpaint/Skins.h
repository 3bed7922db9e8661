#pragma once
// The two shipped skins: their control files and bitmaps.
#include "SkinDesign.h"

#include <QImage>

namespace skinpaint {

struct DrawnSkin {
    SkinDesign design;
    QImage face;
    QImage resource;
};

DrawnSkin DrawDefaultSkin();
DrawnSkin DrawCompactSkin();

} // namespace skinpaint
