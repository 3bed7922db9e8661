#include "skin/WindowInput.h"

#include "app/Player.h"
#include "platform/MainWindow.h"
#include "skin/SkinLoader.h"
#include "skin/Snap.h"

#include <QChar>

#include <algorithm>
#include <cmath>

namespace velto {

namespace {
constexpr int kEscape = 27;
constexpr int kGrave = 96;
constexpr int kTilde = 126;

void repaint(Player& p) {
    p.Repaint();
}
} // namespace

void WindowInput::ButtonDown(int index) {
    if (index < 1 || index > 50) return;
    Surface& s = player_.surface;
    const ButtonElement& btn = s.Btn[static_cast<size_t>(index)];
    s.TmpBtn.visible = false;
    s.TmpBtn.rect = btn.rect;
    s.TmpBtn.source = QRect(player_.skin->BtnFaceX[static_cast<size_t>(index)],
                            player_.skin->BtnFaceY[static_cast<size_t>(index)], btn.rect.width(),
                            btn.rect.height());
    s.TmpBtn.toolTip = btn.toolTip;
    s.TmpBtn.visible = true;
    LastIndex = static_cast<int16_t>(index);
    repaint(player_);
}

void WindowInput::ButtonUp(int index) {
    Surface& s = player_.surface;
    s.TmpBtn.visible = false;
    if (index >= 1 && index <= 50) s.Btn[static_cast<size_t>(index)].border = false;
    repaint(player_);
    player_.DoIt(static_cast<int16_t>(index));
}

void WindowInput::Btn_MouseMove(int index) {
    if (index == LastIndex || index < 1 || index > 50) return;
    const int16_t cool = player_.skin->CoolFlag;
    Surface& s = player_.surface;
    if (cool == 1) {
        if (LastIndex >= 1 && LastIndex <= 50) s.Btn[static_cast<size_t>(LastIndex)].border = false;
        s.Btn[static_cast<size_t>(index)].border = true;
        repaint(player_);
    } else if (cool == 2) {
        ButtonDown(index);
    }
    LastIndex = static_cast<int16_t>(index);
}

void WindowInput::ClearHover() {
    if (LastIndex == 0) return;
    Surface& s = player_.surface;
    if (LastIndex >= 1 && LastIndex <= 50) s.Btn[static_cast<size_t>(LastIndex)].border = false;
    LastIndex = 0;
    s.TmpBtn.visible = false;
    repaint(player_);
}

void WindowInput::Form_MouseDown(MouseButton button, QPoint pos) {
    MainWindow* w = player_.Window();
    if (!w) return;
    if (button == MouseButton::Right) {
        w->ShowPopupMenu(w->Position() + pos);
        return;
    }
    if (button != MouseButton::Left || player_.DragFlag) return;
    IX = player_.TwipX * pos.x();
    IY = player_.TwipY * pos.y();
    FX = w->Position().x() * player_.TwipX;
    FY = w->Position().y() * player_.TwipY;
    player_.DragFlag = -1;
}

void WindowInput::Form_MouseMove(bool leftHeld, QPoint pos) {
    MainWindow* w = player_.Window();
    if (!player_.DragFlag) {
        ClearHover();
        return;
    }
    if (!w || !leftHeld) return;
    const int64_t left = int64_t(player_.TwipX) * pos.x() - IX + FX;
    const int64_t top = int64_t(player_.TwipY) * pos.y() - IY + FY;
    w->MoveTo(QPoint(static_cast<int>(std::lround(double(left) / player_.TwipX)),
                     static_cast<int>(std::lround(double(top) / player_.TwipY))));
    FX = static_cast<int32_t>(left);
    FY = static_cast<int32_t>(top);
}

void WindowInput::Form_MouseUp(MouseButton button) {
    if (button != MouseButton::Left) return;
    player_.DragFlag = 0;
    if (player_.settings.WinSnap == 1) Snap();
}

void WindowInput::Snap() {
    MainWindow* w = player_.Window();
    if (!w) return;
    const int tx = player_.TwipX, ty = player_.TwipY;
    const QPoint topLeft(w->Position().x() * tx, w->Position().y() * ty);
    const QSize size(player_.surface.windowPixels.width() * tx,
                     player_.surface.windowPixels.height() * ty);
    const QPoint snapped =
        velto::Snap(topLeft, size, WorkAreaInTwips(w->WorkArea(), tx, ty));
    if (snapped == topLeft) return;
    w->MoveTo(QPoint(static_cast<int>(std::lround(double(snapped.x()) / tx)),
                     static_cast<int>(std::lround(double(snapped.y()) / ty))));
}

int WindowInput::Form_KeyPress(int keyAscii) {
    Surface& s = player_.surface;
    switch (keyAscii) {
    case kEscape:
        for (size_t n = 1; n < s.Btn.size(); ++n) s.Btn[n].opaque = s.Btn[n].border = false;
        for (size_t n = 1; n < s.Lbl.size(); ++n) s.Lbl[n].opaque = false;
        repaint(player_);
        return keyAscii;
    case kGrave:
        for (size_t n = 1; n < s.Btn.size(); ++n) s.Btn[n].opaque = true;
        for (size_t n = 1; n < s.Lbl.size(); ++n) s.Lbl[n].opaque = true;
        repaint(player_);
        return keyAscii;
    case kTilde:
        for (size_t n = 1; n < s.Btn.size(); ++n) s.Btn[n].border = true;
        repaint(player_);
        return keyAscii;
    default: break;
    }
    if (InFlag != 0) return keyAscii;
    const QString key = QString(QChar(keyAscii)).toUpper();
    for (size_t n = 1; n <= 40; ++n) {
        if (player_.skin->BtnKey[n] == key) {
            player_.DoIt(static_cast<int16_t>(n));
            break;
        }
    }
    return 0;
}

double WindowInput::KnobFraction(int n) const {
    const SliderTable& t = player_.skin->SlideTab[static_cast<size_t>(n)];
    const QRect knob = player_.surface.iSlider[static_cast<size_t>(n)].rect;
    double v = 0;
    if (t.h != 0) {
        v = 1.0 - double(knob.top() - t.y) / t.h;
    } else if (t.w != 0) {
        v = double(knob.left() - t.x) / t.w;
    }
    return std::clamp(v, 0.0, 1.0);
}

void WindowInput::iSlider_MouseDown(int index, QPoint pos) {
    // Slider 4 is a level bar repeating the volume: it changes size, not
    // place, so the knob arithmetic would run away, and it has no action.
    if (player_.SlideFlag != 0 || index < 1 || index > 3) return;
    const SliderTable& t = player_.skin->SlideTab[static_cast<size_t>(index)];
    const QRect knob = player_.surface.iSlider[static_cast<size_t>(index)].rect;
    if (t.h != 0) {
        IY = pos.y();
        FY = knob.top();
        TY = player_.TwipY;
    } else {
        IX = pos.x();
        FX = knob.left();
        TX = player_.TwipX;
    }
    // A click without a move must not act on another slider's last value.
    NewP = static_cast<float>(KnobFraction(index));
    player_.SlideFlag = static_cast<int16_t>(index);
}

void WindowInput::iSlider_MouseMove(int index, QPoint pos) {
    if (player_.SlideFlag <= 0 || index != player_.SlideFlag) return;
    const SliderTable& t = player_.skin->SlideTab[static_cast<size_t>(index)];
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
    player_.SetSlider(index, v);
    player_.SlideAction(index, v);
}

void WindowInput::iSlider_MouseUp(int index) {
    if (player_.SlideFlag == 0) return;
    // Stopped meanwhile (by a key): a seek would start the medium unseen.
    if (index == 1 && player_.Playing != 0) {
        player_.PlayFrom(static_cast<int32_t>(std::floor(double(NewP) * player_.SongLen)));
    }
    player_.SlideFlag = 0;
}

void WindowInput::Lbl_Click(int index) {
    if (index == 1) player_.TimeFlag = static_cast<int16_t>(~player_.TimeFlag);
    else if (index == 2) player_.ShowInfo();
}

} // namespace velto
