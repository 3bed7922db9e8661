#include "skin/Display.h"

#include "common/Numbers.h"
#include "platform/Clock.h"
#include "skin/DigitDisplay.h"
#include "skin/Lights.h"
#include "state/Elements.h"
#include "state/Notify.h"
#include "state/PlayerState.h"

namespace velto {

void Display::SetDD(int F, const QVariant& vn) {
    if (F < 1 || F > 6) return;
    Surface& surface = s_.surface;
    DigitFieldElement& field = surface.Dig[static_cast<size_t>(F)];
    if (!field.visible) return;
    const DigitTable& tab = s_.skin.DigTab[static_cast<size_t>(F)];
    const DigitText d = FormatDigits(tab.count, vn, clock_.Now().time(), s_.settings.TimeFmt);
    bool changed = false;
    if (d.setsClockSuffix && surface.Lbl[lbl::ClockSuffix].caption != d.clockSuffix) {
        surface.Lbl[lbl::ClockSuffix].caption = d.clockSuffix;
        changed = true;
    }
    QString s = d.text;
    if (s_.settings.ScrollName == 1 && F == dig::Title)
        s = ScrollText(s, tab.count, s_.ScrollStart);
    std::vector<GlyphBlit> glyphs = LayoutGlyphs(tab, field.rect, s, d.leadingZeroMode);
    if (glyphs != field.glyphs) {
        field.glyphs = std::move(glyphs);
        changed = true;
    }
    if (changed) repaint_.Repaint();
}

void Display::Form_Paint() {
    const Surface& surface = s_.surface;
    SetDD(dig::PlayTime, QVariant(s_.Elapsed / 1000));
    SetDD(dig::TrackNumber, QVariant(int(s_.TNum)));
    SetDD(dig::Clock, QVariant(0));
    SetDD(dig::Bitrate, QVariant(TextToInt32(surface.Lbl[lbl::Bitrate].caption)));
    SetDD(dig::Frequency, QVariant(TextToInt32(surface.Lbl[lbl::Frequency].caption)));
    SetDD(dig::Title, QVariant(s_.SongName));
    // The same clock text as the minute step, so the form chosen shows from the start.
    s_.surface.Lbl[lbl::Clock].caption = ClockText(clock_.Now().time(), s_.settings.TimeFmt);
    repaint_.Repaint();
}

void Display::ClearInf() {
    Surface& surface = s_.surface;
    surface.Lbl[lbl::Time].caption = QStringLiteral(":");
    for (const int n :
         {lbl::TrackNumber, lbl::Bitrate, lbl::Frequency, lbl::ChannelMode, lbl::TotalTime})
        surface.Lbl[static_cast<size_t>(n)].caption.clear();
    surface.iSlider[slider::Position].visible = false;
    repaint_.Repaint();
}

void Display::ShowLights() {
    const auto on = LightStates(
        {s_.Playing, s_.Paused, s_.Intro, s_.STP, s_.Repeat, s_.Random, s_.Shuffle, s_.RptB});
    for (size_t n = 1; n < on.size(); ++n)
        s_.surface.Ind[n].visible = on[n];
    repaint_.Repaint();
}

void Display::ShowCaption(int field, const QString& text) {
    QString& caption = s_.surface.Lbl.at(static_cast<size_t>(field)).caption;
    if (caption == text) return;
    caption = text;
    repaint_.Repaint();
}

} // namespace velto
