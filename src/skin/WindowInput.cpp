#include "skin/WindowInput.h"

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
        Btn_MouseDown(index);
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

void WindowInput::Form_MouseDown(MouseButton button, QPoint pos) {
    MainWindow* w = window_;
    if (!w) return;
    if (button == MouseButton::Right) {
        w->ShowPopupMenu(w->Position() + pos);
        return;
    }
    if (button != MouseButton::Left || s_.DragFlag) return;
    IX = s_.TwipX * pos.x();
    IY = s_.TwipY * pos.y();
    FX = w->Position().x() * s_.TwipX;
    FY = w->Position().y() * s_.TwipY;
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
    w->MoveTo(QPoint(static_cast<int>(std::lround(double(left) / s_.TwipX)),
                     static_cast<int>(std::lround(double(top) / s_.TwipY))));
    FX = static_cast<int32_t>(left);
    FY = static_cast<int32_t>(top);
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
    const QPoint topLeft(w->Position().x() * tx, w->Position().y() * ty);
    const QSize size(s_.surface.windowPixels.width() * tx, s_.surface.windowPixels.height() * ty);
    const QPoint snapped = velto::Snap(topLeft, size, WorkAreaInTwips(w->WorkArea(), tx, ty));
    if (snapped == topLeft) return;
    w->MoveTo(QPoint(static_cast<int>(std::lround(double(snapped.x()) / tx)),
                     static_cast<int>(std::lround(double(snapped.y()) / ty))));
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

void WindowInput::iSlider_MouseDown(int index, QPoint pos) {
    // Slider 4 is a level bar repeating the volume: it changes size, not
    // place, so the knob arithmetic would run away, and it has no action.
    if (s_.SlideFlag != 0 || index < 1 || index >= slider::LevelBar) return;
    const SliderTable& t = s_.skin.SlideTab[static_cast<size_t>(index)];
    const QRect knob = s_.surface.iSlider[static_cast<size_t>(index)].rect;
    if (t.h != 0) {
        IY = pos.y();
        FY = knob.top();
    } else {
        IX = pos.x();
        FX = knob.left();
    }
    // A click without a move must not act on another slider's last value.
    NewP = static_cast<float>(sliders_.Fraction(index));
    s_.SlideFlag = static_cast<int16_t>(index);
}

void WindowInput::iSlider_MouseMove(int index, QPoint pos) {
    if (s_.SlideFlag <= 0 || index != s_.SlideFlag) return;
    const SliderTable& t = s_.skin.SlideTab[static_cast<size_t>(index)];
    double v = 0;
    if (t.h != 0) {
        const int p = std::clamp(pos.y() - IY + FY, int(t.y), int(t.y) + t.h);
        FY = p;
        v = 1.0 - double(p - t.y) / t.h;
    } else {
        if (t.w == 0) return;
        const int p = std::clamp(pos.x() - IX + FX, int(t.x), int(t.x) + t.w);
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
