#include "skin/WindowSizing.h"

#include "platform/MainWindow.h"
#include "state/Notify.h"
#include "state/PlayerState.h"

namespace velto {

void WindowSizing::SizeToggle() {
    s_.HFlag = static_cast<int16_t>(1 - s_.HFlag);
    if (s_.Small != 1) Apply(s_.HFlag);
}

void WindowSizing::SmallToggle() {
    s_.Small = static_cast<int16_t>(1 - s_.Small);
    Apply(s_.Small == 1 ? 2 : s_.HFlag);
}

void WindowSizing::Apply(int size) {
    if (size < 0 || size > 2) return;
    const QSize pixels = s_.skin.WinPixels[static_cast<size_t>(size)];
    s_.surface.windowPixels = pixels;
    repaint_.Repaint();
    if (window_) window_->Resize(pixels);
}

} // namespace velto
