#include "skin/WindowInput.h"

#include "common/Numbers.h"
#include "platform/MainWindow.h"
#include "skin/Sliders.h"
#include "skin/Snap.h"
#include "state/Elements.h"
#include "state/Notify.h"
#include "state/PlayerState.h"

#include <QChar>

#include <algorithm>
#include <cmath>

namespace velto {

namespace {
constexpr int kEscape = 27;
constexpr int kGrave = 96;
constexpr int kTilde = 126;
} // namespace

void WindowInput::Btn_MouseDown(int index) {
    if (index < 1 || index > kButtons) return;
    ShowPressedFace(index);
    Pressed = static_cast<int16_t>(index);
}

void WindowInput::ShowPressedFace(int index) {
    Surface& s = s_.surface;
    const ButtonElement& btn = s.Btn[static_cast<size_t>(index)];
    s.TmpBtn.visible = false;
    s.TmpBtn.rect = btn.rect;
    s.TmpBtn.source = QRect(btn.pressedFace, btn.rect.size());
    s.TmpBtn.toolTip = btn.toolTip;
    s.TmpBtn.visible = true;
    LastIndex = static_cast<int16_t>(index);
    repaint_.Repaint();
}

void WindowInput::Btn_MouseUp(int index) {
    Pressed = 0;
    Surface& s = s_.surface;
    s.TmpBtn.visible = false;
    if (index >= 1 && index <= kButtons) s.Btn[static_cast<size_t>(index)].border = false;
    repaint_.Repaint();
    commands_.DoIt(static_cast<int16_t>(index));
}

void WindowInput::Btn_MouseMove(int index) {
    if (index == LastIndex || index < 1 || index > kButtons) return;
    const int16_t cool = s_.skin.CoolFlag;
    Surface& s = s_.surface;
    if (cool == 1) {
        if (LastIndex >= 1 && LastIndex <= kButtons)
            s.Btn[static_cast<size_t>(LastIndex)].border = false;
        s.Btn[static_cast<size_t>(index)].border = true;
        repaint_.Repaint();
    } else if (cool == 2) {
        ShowPressedFace(index);
    }
    LastIndex = static_cast<int16_t>(index);
}

void WindowInput::ClearHover() {
    if (LastIndex == 0) return;
    Surface& s = s_.surface;
    if (LastIndex >= 1 && LastIndex <= kButtons)
        s.Btn[static_cast<size_t>(LastIndex)].border = false;
    LastIndex = 0;
    s.TmpBtn.visible = false;
    repaint_.Repaint();
}

bool WindowInput::Holding() const { return Pressed != 0 || s_.DragFlag != 0 || s_.SlideFlag != 0; }

void WindowInput::DropHeld() {
    if (Pressed != 0) {
        Pressed = 0;
        s_.surface.TmpBtn.visible = false;
        repaint_.Repaint();
    }
    s_.DragFlag = 0;
    s_.SlideFlag = 0;
}

void WindowInput::Form_MouseDown(MouseButton button, QPoint pos) {
    MainWindow* w = window_;
    if (!w) return;
    if (button == MouseButton::Right) {
        if (Holding()) return;
        w->ShowPopupMenu(w->Position() + pos);
        return;
    }
    if (button != MouseButton::Left || s_.DragFlag) return;
    IX = int64_t(s_.TwipX) * pos.x();
    IY = int64_t(s_.TwipY) * pos.y();
    FX = int64_t(w->Position().x()) * s_.TwipX;
    FY = int64_t(w->Position().y()) * s_.TwipY;
    s_.DragFlag = -1;
}

void WindowInput::Form_MouseMove(bool leftHeld, QPoint pos) {
    MainWindow* w = window_;
    if (!s_.DragFlag) {
        ClearHover();
        return;
    }
    if (!w || !leftHeld) return;
    const int64_t left = int64_t(s_.TwipX) * pos.x() - IX + FX;
    const int64_t top = int64_t(s_.TwipY) * pos.y() - IY + FY;
    w->MoveTo(QPoint(TwipsToPixels(left, s_.TwipX), TwipsToPixels(top, s_.TwipY)));
    FX = left;
    FY = top;
}

void WindowInput::Form_MouseUp(MouseButton button) {
    if (button != MouseButton::Left) return;
    s_.DragFlag = 0;
    if (s_.settings.WinSnap == 1) Snap();
}

void WindowInput::Snap() {
    MainWindow* w = window_;
    if (!w) return;
    const int tx = s_.TwipX, ty = s_.TwipY;
    const TwipPoint topLeft{int64_t(w->Position().x()) * tx, int64_t(w->Position().y()) * ty};
    const TwipExtent size{int64_t(s_.surface.windowPixels.width()) * tx,
                          int64_t(s_.surface.windowPixels.height()) * ty};
    const TwipPoint snapped = velto::Snap(topLeft, size, WorkAreaInTwips(w->WorkArea(), tx, ty));
    if (snapped == topLeft) return;
    w->MoveTo(QPoint(TwipsToPixels(snapped.x, tx), TwipsToPixels(snapped.y, ty)));
}

int WindowInput::Form_KeyPress(int keyAscii) {
    Surface& s = s_.surface;
    switch (keyAscii) {
    case kEscape:
        for (size_t n = 1; n < s.Btn.size(); ++n)
            s.Btn[n].opaque = s.Btn[n].border = false;
        for (size_t n = 1; n < s.Lbl.size(); ++n)
            s.Lbl[n].opaque = false;
        repaint_.Repaint();
        return keyAscii;
    case kGrave:
        for (size_t n = 1; n < s.Btn.size(); ++n)
            s.Btn[n].opaque = true;
        for (size_t n = 1; n < s.Lbl.size(); ++n)
            s.Lbl[n].opaque = true;
        repaint_.Repaint();
        return keyAscii;
    case kTilde:
        for (size_t n = 1; n < s.Btn.size(); ++n)
            s.Btn[n].border = true;
        repaint_.Repaint();
        return keyAscii;
    default: break;
    }
    if (InFlag != 0) return keyAscii;
    const QString key = QString(QChar(keyAscii)).toUpper();
    for (size_t n = 1; n <= kKeyButtons; ++n) {
        if (s_.skin.BtnKey[n] == key) {
            commands_.DoIt(static_cast<int16_t>(n));
            break;
        }
    }
    return 0;
}

// Slider 4 is a level bar repeating the volume: it changes size, not place,
// so the knob arithmetic would run away, and it has no action. A slider
// without a track has nowhere to go.
bool WindowInput::Draggable(int index) const {
    if (s_.SlideFlag != 0 || index < 1 || index >= slider::LevelBar) return false;
    const SliderTable& t = s_.skin.SlideTab[static_cast<size_t>(index)];
    return t.w > 0 || t.h > 0;
}

// `grip`: the mouse position inside the knob, kept for the whole drag.
void WindowInput::BeginSlide(int index, QPoint grip) {
    const SliderTable& t = s_.skin.SlideTab[static_cast<size_t>(index)];
    const QRect knob = s_.surface.iSlider[static_cast<size_t>(index)].rect;
    if (t.h != 0) {
        IY = grip.y();
        FY = knob.top();
    } else {
        IX = grip.x();
        FX = knob.left();
    }
    s_.SlideFlag = static_cast<int16_t>(index);
}

void WindowInput::iSlider_MouseDown(int index, QPoint pos) {
    if (!Draggable(index)) return;
    // A click without a move must not act on another slider's last value.
    NewP = static_cast<float>(sliders_.Fraction(index));
    BeginSlide(index, pos);
}

int WindowInput::TrackAt(QPoint pos) const {
    for (int n = slider::LevelBar - 1; n >= 1; --n) {
        const SliderTable& t = s_.skin.SlideTab[static_cast<size_t>(n)];
        const SliderElement& knob = s_.surface.iSlider[static_cast<size_t>(n)];
        if (!knob.visible || (t.w <= 0 && t.h <= 0)) continue;
        const QSize k = knob.rect.size();
        const QRect track = t.h != 0 ? QRect(t.x, t.y, k.width(), t.h + k.height())
                                     : QRect(t.x, t.y, t.w + k.width(), k.height());
        if (track.contains(pos)) return n;
    }
    return 0;
}

// The knob is centred on the press, within its track, and gripped there.
void WindowInput::Track_MouseDown(int index, QPoint pos) {
    if (!Draggable(index)) return;
    const SliderTable& t = s_.skin.SlideTab[static_cast<size_t>(index)];
    const QSize k = s_.surface.iSlider[static_cast<size_t>(index)].rect.size();
    double v = 0;
    if (t.h != 0) {
        const int p = std::clamp(pos.y() - k.height() / 2, int(t.y), t.y + t.h);
        v = 1.0 - double(p - t.y) / t.h;
    } else {
        const int p = std::clamp(pos.x() - k.width() / 2, int(t.x), t.x + t.w);
        v = double(p - t.x) / t.w;
    }
    NewP = static_cast<float>(v);
    sliders_.SetSlider(index, v);
    const QRect knob = s_.surface.iSlider[static_cast<size_t>(index)].rect;
    BeginSlide(index, pos - knob.topLeft());
    commands_.SlideAction(index, v);
}

void WindowInput::iSlider_MouseMove(int index, QPoint pos, bool leftHeld) {
    if (s_.SlideFlag <= 0 || index != s_.SlideFlag || !leftHeld) return;
    const SliderTable& t = s_.skin.SlideTab[static_cast<size_t>(index)];
    double v = 0;
    if (t.h != 0) {
        const auto p =
            static_cast<int>(std::clamp<int64_t>(pos.y() - IY + FY, t.y, int64_t(t.y) + t.h));
        FY = p;
        v = 1.0 - double(p - t.y) / t.h;
    } else {
        if (t.w == 0) return;
        const auto p =
            static_cast<int>(std::clamp<int64_t>(pos.x() - IX + FX, t.x, int64_t(t.x) + t.w));
        FX = p;
        v = double(p - t.x) / t.w;
    }
    NewP = static_cast<float>(v);
    sliders_.SetSlider(index, v);
    commands_.SlideAction(index, v);
}

void WindowInput::iSlider_MouseUp(int index) {
    if (s_.SlideFlag == 0) return;
    // Stopped meanwhile (by a key): a seek would start the medium unseen.
    if (index == slider::Position && s_.Playing != 0)
        commands_.PlayFrom(static_cast<int32_t>(std::floor(double(NewP) * s_.SongLen)));
    s_.SlideFlag = 0;
}

void WindowInput::Lbl_Click(int index) {
    if (index == lbl::Time)
        s_.TimeFlag = static_cast<int16_t>(~s_.TimeFlag);
    else if (index == lbl::Title)
        commands_.DoIt(Code(Action::TrackInfo));
}

} // namespace velto
