#include "trackinfo/Covers.h"

#include "state/Notify.h"
#include "state/PlayerState.h"

namespace velto {

void Covers::LoadCover(const QString&) {}

void Covers::LoadTagCover(const QString&, const QString&, const QString&) {}

void Covers::Clear() {
    s_.surface.iCover.picture = QImage();
    repaint_.Repaint();
}

} // namespace velto
