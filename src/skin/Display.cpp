// The digit fields on the player: SetDD formats a value for a field and lays
// out its glyphs; Form_Paint redraws all six from the player's state.
#include "app/Player.h"
#include "common/Numbers.h"
#include "platform/Clock.h"
#include "platform/MainWindow.h"
#include "skin/DigitDisplay.h"
#include "skin/SkinLoader.h"

namespace velto {

namespace {
bool sameGlyphs(const std::vector<GlyphBlit>& a, const std::vector<GlyphBlit>& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i].source != b[i].source || a[i].target != b[i].target) return false;
    }
    return true;
}
} // namespace

void Player::SetDD(int F, const QVariant& vn) {
    if (F < 1 || F > 6) return;
    DigitFieldElement& dig = surface.Dig[static_cast<size_t>(F)];
    if (!dig.visible) return;
    const DigitTable& tab = skin->DigTab[static_cast<size_t>(F)];
    const DigitText d = FormatDigits(tab.count, vn, clock.Now().time(), settings.TimeFmt);
    bool changed = false;
    if (d.setsClockSuffix && surface.Lbl[9].caption != d.clockSuffix) {
        surface.Lbl[9].caption = d.clockSuffix;
        changed = true;
    }
    QString s = d.text;
    if (settings.ScrollName == 1 && F == 6) s = ScrollText(s, tab.count, ScrollStart);
    std::vector<GlyphBlit> glyphs = LayoutGlyphs(tab, dig.rect.topLeft(), s, d.leadingZeroMode);
    if (!sameGlyphs(glyphs, dig.glyphs)) {
        dig.glyphs = std::move(glyphs);
        changed = true;
    }
    if (!changed) return;
    Repaint();
}

void Player::Form_Paint() {
    SetDD(1, QVariant(Elapsed / 1000));
    SetDD(2, QVariant(int(TNum)));
    SetDD(3, QVariant(0));
    SetDD(4, QVariant(TextToInt32(surface.Lbl[10].caption)));
    SetDD(5, QVariant(TextToInt32(surface.Lbl[11].caption)));
    SetDD(6, QVariant(SongName));
    // The same clock text as the minute step, so the form chosen shows from the start.
    surface.Lbl[3].caption = ClockText(clock.Now().time(), settings.TimeFmt);
    Repaint();
}

void Player::ClearInf() {
    surface.Lbl[1].caption = QStringLiteral(":");
    for (const int n : {4, 10, 11, 12, 13}) surface.Lbl[static_cast<size_t>(n)].caption.clear();
    surface.iSlider[1].visible = false;
    Repaint();
}

} // namespace velto
