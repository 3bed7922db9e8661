// "Velto Graphite": the default skin. Three stacked modules (deck, track
// information, playlist) cut apart by the outline, so that the window's three
// sizes (all, without the playlist, the deck alone) each end on a clean edge.
#include "PixelFont.h"
#include "SkinCanvas.h"
#include "state/Elements.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace skinpaint {

namespace {

using velto::Action;
using velto::Code;
namespace dig = velto::dig;
namespace lbl = velto::lbl;
namespace light = velto::light;
namespace slider = velto::slider;

constexpr int kWidth = 460;
const QRect kDeck(0, 0, kWidth, 146);
const QRect kInfo(0, 150, kWidth, 118);
const QRect kList(0, 272, kWidth, 212);
constexpr int kCorner = 6;
const QString kFont = QStringLiteral("DejaVu Sans");

const QRect kLcd(10, 24, 322, 78);
const QRect kVolume(338, 24, 112, 78);
const QRect kCoverWell(10, 157, 104, 104);
const QRect kListWell(10, 294, 440, 158);

void drawVinyl(QPainter& p, QRect r, const Palette& c) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centre = QRectF(r).center();
    const double radius = r.width() / 2.0 - 6;
    QRadialGradient disc(centre, radius);
    disc.setColorAt(0, QColor(0x20, 0x24, 0x2a));
    disc.setColorAt(1, QColor(0x0c, 0x0e, 0x11));
    p.setPen(Qt::NoPen);
    p.setBrush(disc);
    p.drawEllipse(centre, radius, radius);
    p.setBrush(Qt::NoBrush);
    for (double g = radius - 4; g > radius * 0.42; g -= 3.5) {
        p.setPen(QPen(QColor(255, 255, 255, 10), 1));
        p.drawEllipse(centre, g, g);
    }
    // A sheen across the grooves.
    QPainterPath wedge;
    wedge.moveTo(centre);
    wedge.arcTo(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), 20, 35);
    wedge.closeSubpath();
    p.fillPath(wedge, QColor(255, 255, 255, 14));
    const double label = radius * 0.36;
    QRadialGradient labelFill(centre, label);
    labelFill.setColorAt(0, c.playTop.lighter(130));
    labelFill.setColorAt(1, c.playBottom);
    p.setPen(Qt::NoPen);
    p.setBrush(labelFill);
    p.drawEllipse(centre, label, label);
    p.setBrush(QColor(0x05, 0x07, 0x09));
    p.drawEllipse(centre, 2.0, 2.0);
    p.restore();
}

// The "V" mark: two strokes meeting at the bottom, lit from above.
void drawMark(QPainter& p, QPoint at, const Palette& c) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QPainterPath v = VeltoMark(QRectF(at, QSizeF(14, 11)));
    QLinearGradient g(at, at + QPoint(0, 11));
    g.setColorAt(0, c.accent.lighter(120));
    g.setColorAt(1, c.playTop);
    p.fillPath(v, g);
    p.restore();
}

void drawSegmentMeter(QPainter& p, QRect r, bool lit, const Palette& c) {
    const int segment = 4, gap = 2;
    const int count = (r.width() + gap) / (segment + gap);
    for (int i = 0; i < count; ++i) {
        const QRect s(r.left() + i * (segment + gap), r.top(), segment, r.height());
        if (!lit) {
            p.fillRect(s, c.lcdGhost);
            continue;
        }
        const double t = double(i) / (count - 1);
        QColor col = QColor::fromRgbF(0.25 + 0.6 * t, 0.72 + 0.25 * t, 0.85 + 0.15 * t);
        p.fillRect(s, col);
        p.fillRect(s.left(), s.top(), segment, 1, col.lighter(130));
    }
}

ButtonFace icon(Icon i, ButtonKind kind = ButtonKind::Transport) { return {kind, i, {}, false}; }
ButtonFace text(const QString& caption, bool led = false, Icon i = Icon::None) {
    return {ButtonKind::Text, i, caption, led};
}

} // namespace

DrawnSkin DrawDefaultSkin() {
    const Palette c;
    DrawnSkin skin;
    SkinDesign& design = skin.design;
    design.title = QStringLiteral("Velto Graphite - the default skin of Velto");
    design.notes = {
        QStringLiteral("Three modules: the deck, the track information and the playlist."),
        QStringLiteral("Keys: Z X C V B transport, space play/pause, - + M volume.")};
    design.sizes = {QSize(kWidth, kList.bottom() + 1), QSize(kWidth, kInfo.bottom() + 1),
                    QSize(kWidth, kDeck.bottom() + 1)};
    design.face = QStringLiteral("default_face.bmp");
    design.resource = QStringLiteral("default_res.bmp");
    design.coolFlag = 0;
    design.outline = {Chamfered(kDeck, kCorner), Chamfered(kInfo, kCorner),
                      Chamfered(kList, kCorner)};

    QImage& face = skin.face;
    face = QImage(design.sizes[0], QImage::Format_RGB32);
    face.fill(QColor(0x0b, 0x0c, 0x0e)); // the gaps between modules, cut away by the outline
    SkinCanvas canvas(skin, c);
    {
        QPainter p(&face);
        for (const QRect& m : {kDeck, kInfo, kList})
            DrawModule(p, m, kCorner, c);
        // Title bar: the mark, the name and a grip.
        drawMark(p, QPoint(12, 6), c);
        DrawPixelText(p, QPoint(31, 8), QStringLiteral("VELTO"), c.ink, 1, 2);
        for (int y : {10, 13}) {
            p.fillRect(72, y, 282, 1, c.edgeDark);
            p.fillRect(72, y + 1, 282, 1, QColor(255, 255, 255, 18));
        }
        DrawLcd(p, kLcd, c);
        DrawWell(p, kVolume, c, c.well);
        DrawWell(p, QRect(12, 110, 436, 4), c, QColor(0x0c, 0x0e, 0x11)); // position groove
        DrawWell(p, QRect(346, 59, 96, 4), c, QColor(0x0c, 0x0e, 0x11));  // volume groove
        drawSegmentMeter(p, QRect(346, 43, 96, 8), false, c);
        DrawWell(p, QRect(358, 120, 90, 22), c, c.lcd); // elapsed time text
        // State icons beside the state lights.
        DrawIcon(p, Icon::Play, QRectF(27, 32, 7, 7), c.lcdLabel);
        DrawIcon(p, Icon::Pause, QRectF(27, 44, 7, 7), c.lcdLabel);
        DrawIcon(p, Icon::Stop, QRectF(27, 56, 7, 7), c.lcdLabel);
        for (int y : {32, 44, 56})
            DrawLedSocket(p, QRect(18, y + 1, 5, 5), c);

        DrawWell(p, kCoverWell, c, QColor(0x0a, 0x0b, 0x0d));
        drawVinyl(p, kCoverWell.adjusted(2, 2, -2, -2), c);
        DrawWell(p, QRect(122, 157, 328, 20), c, c.well);
        DrawWell(p, QRect(122, 187, 328, 17), c, c.well);
        DrawWell(p, QRect(122, 205, 328, 16), c, c.well);

        DrawWell(p, QRect(10, 276, 440, 15), c, c.well);
        DrawWell(p, kListWell, c, QColor(0x0b, 0x15, 0x19));
    }
    canvas.AddLabel(QPoint(141, 31), QStringLiteral("TRACK"), c.lcdLabel);
    canvas.AddLabel(QPoint(183, 31), QStringLiteral("KBPS"), c.lcdLabel);
    canvas.AddLabel(QPoint(225, 31), QStringLiteral("KHZ"), c.lcdLabel);
    canvas.AddLabel(QPoint(255, 31), QStringLiteral("CLOCK"), c.lcdLabel);
    canvas.AddLabel(QPoint(311, 31), QStringLiteral("RND"), c.lcdLabel);
    canvas.AddLabel(QPoint(346, 29), QStringLiteral("VOLUME"), c.inkDim);
    canvas.AddLabel(QPoint(362, 127), QStringLiteral("TIME"), c.lcdLabel);
    // The track information row: a caption above each text field.
    struct Info {
        int n, x, w;
        const char* caption;
        const char* tip;
    };
    const Info infos[] = {
        {lbl::TotalTime, 126, 42, "LENGTH", "Length"},
        {lbl::TrackNumber, 170, 38, "TRACK", "Playlist position"},
        {lbl::Bitrate, 210, 38, "KBPS", "Bit rate"},
        {lbl::Frequency, 250, 32, "KHZ", "Sample rate"},
        {lbl::ChannelMode, 284, 84, "MODE", "Channel mode"},
        {lbl::Snooze, 372, 76, "SNOOZE", "Snooze"},
    };
    for (const Info& i : infos)
        canvas.AddLabel(QPoint(i.x, 180), QString::fromLatin1(i.caption), c.inkDim);
    int x = 0;
    canvas.AddLabel(QPoint(16, 280), QStringLiteral("PLAYLIST"), c.inkDim);
    canvas.AddLabel(QPoint(360, 280), QStringLiteral("ITEMS"), c.inkDim);

    // --- glyph sheets --------------------------------------------------------------
    const LcdColours lcd{c.lcd, c.lcdLit, c.lcdGhost, c.lcdGlow};
    SegmentStyle big{QSize(20, 34), 8, 4, 2, 2.0};
    const QImage bigSheet = DigitSheet(big, lcd);
    const QSize smallCell(12, 16);
    const int smallSep = 6;
    const QImage smallSheet = PixelDigitSheet(smallCell, 2, QPoint(1, 1), smallSep, lcd);
    const QImage chars = CharacterTable(QSize(12, 20), 2, QPoint(1, 1), lcd);
    const QPoint bigAt = canvas.PlaceSheet(bigSheet);
    const QPoint smallAt = canvas.PlaceSheet(smallSheet);
    const QPoint charsAt = canvas.PlaceSheet(chars);
    auto digits = [&](int n, QPoint at, QPoint sheetAt, const SegmentStyle& st, int count,
                      const QString& tip, const QImage& sheet) {
        canvas.AddDigits({n, at, sheetAt, st.cell, st.sep, 0, 0, count, tip}, sheet);
    };
    digits(dig::PlayTime, QPoint(40, 31), bigAt, big, 0, QStringLiteral("Play time"), bigSheet);
    auto small = [&](int n, QPoint at, int count, const QString& tip) {
        canvas.AddDigits({n, at, smallAt, smallCell, smallSep, 0, 0, count, tip}, smallSheet);
    };
    small(dig::TrackNumber, QPoint(140, 41), 3, QStringLiteral("Track number"));
    small(dig::Bitrate, QPoint(182, 41), 3, QStringLiteral("Bit rate, kbit/s"));
    small(dig::Frequency, QPoint(224, 41), 2, QStringLiteral("Sample rate, kHz"));
    small(dig::Clock, QPoint(254, 41), 8, QStringLiteral("Time of day"));
    canvas.AddDigits({dig::Title, QPoint(20, 72), charsAt, QSize(12, 20), 0, 1, 0, 25,
                      QStringLiteral("Now playing")},
                     chars);

    // --- sliders ----------------------------------------------------------------------
    const QColor knobEdge = c.edgeDark;
    canvas.AddSlider({slider::Position,
                      QPoint(12, 107),
                      436 - 22,
                      false,
                      {},
                      QSize(22, 10),
                      QStringLiteral("Position: drag to seek")},
                     [&](QPainter& p, QRect r) {
                         p.setRenderHint(QPainter::Antialiasing);
                         QLinearGradient g(r.topLeft(), r.bottomLeft());
                         g.setColorAt(0, c.buttonTop.lighter(125));
                         g.setColorAt(1, c.buttonBottom);
                         p.setPen(QPen(knobEdge, 1));
                         p.setBrush(g);
                         p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
                         p.fillRect(r.center().x() - 4, r.top() + 4, 9, 2, c.accent);
                     });
    canvas.AddSlider({slider::Volume,
                      QPoint(346, 55),
                      96 - 12,
                      false,
                      {},
                      QSize(12, 12),
                      QStringLiteral("Volume")},
                     [&](QPainter& p, QRect r) {
                         p.setRenderHint(QPainter::Antialiasing);
                         QRadialGradient g(QPointF(r.center()) + QPointF(-1, -2), 7);
                         g.setColorAt(0, c.buttonTop.lighter(140));
                         g.setColorAt(1, c.buttonBottom);
                         p.setPen(QPen(knobEdge, 1));
                         p.setBrush(g);
                         p.drawEllipse(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5));
                         p.setPen(Qt::NoPen);
                         p.setBrush(c.accent);
                         p.drawEllipse(QRectF(r).center(), 1.5, 1.5);
                     });
    canvas.AddSlider(
        {slider::LevelBar, QPoint(346, 43), 96, false, {}, QSize(96, 8), QStringLiteral("Volume")},
        [&](QPainter& p, QRect r) { drawSegmentMeter(p, r, true, c); });

    // --- text fields and lights --------------------------------------------------------
    auto label = [&](int n, QRect r, QColor col, int size, const QString& tip) {
        design.texts.push_back({n, r, col, size, kFont, tip});
    };
    label(lbl::Time, QRect(392, 124, 52, 14), c.lcdLit, 9,
          QStringLiteral("Click: elapsed or remaining"));
    label(lbl::Title, QRect(127, 159, 318, 16), c.ink, 10,
          QStringLiteral("Title: click for track info"));
    for (const Info& i : infos)
        label(i.n, QRect(i.x, 189, i.w, 13), i.n == lbl::Snooze ? c.accent : c.ink, 8,
              QString::fromLatin1(i.tip));
    label(lbl::Day, QRect(126, 206, 30, 14), c.inkDim, 8, QStringLiteral("Day"));
    label(lbl::Date, QRect(158, 206, 200, 14), c.inkDim, 8, QStringLiteral("Date"));
    label(lbl::Clock, QRect(376, 206, 72, 14), c.ink, 8, QStringLiteral("Time of day"));
    label(lbl::ClockSuffix, QRect(310, 45, 20, 12), c.lcdLit, 7, QStringLiteral("~"));
    label(lbl::VolumePercent, QRect(404, 26, 44, 13), c.accent, 8, QStringLiteral("Volume"));
    label(lbl::PlaylistTitle, QRect(70, 277, 280, 13), c.ink, 8, QStringLiteral("Playlist"));
    label(lbl::PlaylistCount, QRect(394, 277, 52, 13), c.ink, 8, QStringLiteral("Entries"));

    auto addLight = [&](int on, int off, QRect r, Shape shape) {
        design.lights.push_back({on, r, c.accent, shape, QStringLiteral("on")});
        if (off)
            design.lights.push_back(
                {off, r, QColor(0x1f, 0x2b, 0x31), shape, QStringLiteral("off")});
    };
    addLight(light::Playing, 0, QRect(18, 33, 5, 5), Shape::Circle);
    addLight(light::Paused, 0, QRect(18, 45, 5, 5), Shape::Circle);
    addLight(light::Stopped, 0, QRect(18, 57, 5, 5), Shape::Circle);
    addLight(light::Random, light::RandomOff, QRect(311, 40, 17, 2), Shape::Rectangle);

    // --- buttons -------------------------------------------------------------------------
    auto button = [&](int n, QRect r, const QString& key, const QString& tip, ButtonFace look,
                      const QString& link = {}) {
        canvas.AddButton({n, r, {}, key, tip, link}, look);
    };
    // Title bar.
    button(Code(Action::SkinLink1), QRect(360, 5, 16, 13), {},
           QStringLiteral("Switch to the compact skin"), icon(Icon::Link, ButtonKind::Small),
           QStringLiteral("compact.skin"));
    button(Code(Action::HideMain), QRect(384, 5, 16, 13), {}, QStringLiteral("Hide to the tray"),
           icon(Icon::Minimize, ButtonKind::Small));
    button(Code(Action::SmallToggle), QRect(402, 5, 16, 13), QStringLiteral("W"),
           QStringLiteral("Deck only (W)"), icon(Icon::Shade, ButtonKind::Small));
    button(Code(Action::SizeToggle), QRect(420, 5, 16, 13), QStringLiteral("P"),
           QStringLiteral("Show or hide the playlist (P)"),
           icon(Icon::Playlist, ButtonKind::Small));
    button(Code(Action::Quit), QRect(438, 5, 16, 13), {}, QStringLiteral("Close Velto"),
           icon(Icon::Close, ButtonKind::Small));
    // Volume.
    button(Code(Action::VolDown), QRect(346, 74, 30, 20), QStringLiteral("-"),
           QStringLiteral("Volume down (-)"), icon(Icon::Minus));
    button(Code(Action::Mute), QRect(379, 74, 30, 20), QStringLiteral("M"),
           QStringLiteral("Mute (M)"), icon(Icon::Mute));
    button(Code(Action::VolUp), QRect(412, 74, 30, 20), QStringLiteral("+"),
           QStringLiteral("Volume up (+)"), icon(Icon::Plus));
    // Transport.
    const int ty = 120, th = 22;
    button(Code(Action::PrevTrack), QRect(12, ty, 34, th), QStringLiteral("Z"),
           QStringLiteral("Previous track (Z)"), icon(Icon::Prev));
    button(Code(Action::Reverse), QRect(48, ty, 34, th), QStringLiteral("["),
           QStringLiteral("Rewind ([)"), icon(Icon::Rewind));
    button(Code(Action::Play), QRect(84, ty, 46, th), QStringLiteral("X"),
           QStringLiteral("Play (X)"), icon(Icon::Play, ButtonKind::Play));
    button(Code(Action::Pause), QRect(132, ty, 34, th), QStringLiteral("C"),
           QStringLiteral("Pause (C)"), icon(Icon::Pause));
    button(Code(Action::Stop), QRect(168, ty, 34, th), QStringLiteral("V"),
           QStringLiteral("Stop (V)"), icon(Icon::Stop));
    button(Code(Action::Forward), QRect(204, ty, 34, th), QStringLiteral("]"),
           QStringLiteral("Fast forward (])"), icon(Icon::Forward));
    button(Code(Action::NextTrack), QRect(240, ty, 34, th), QStringLiteral("B"),
           QStringLiteral("Next track (B)"), icon(Icon::Next));
    button(Code(Action::OpenPlay), QRect(280, ty, 34, th), QStringLiteral("L"),
           QStringLiteral("Open and play a file (L)"), icon(Icon::Eject));
    button(Code(Action::PlayPause), QRect(316, ty, 34, th), QStringLiteral(" "),
           QStringLiteral("Play or pause (space)"), icon(Icon::PlayPause));
    // Play modes, each with its light.
    const int my = 226, mh = 17, mw = 52;
    struct Mode {
        int n, on, off;
        const char* caption;
        const char* key;
        const char* tip;
    };
    const Mode modes[] = {
        {Code(Action::Intro), light::Intro, light::IntroOff, "INTRO", "T",
         "Intro: play the start of each track (T)"},
        {Code(Action::StopAfterTrack), light::StopAfterTrack, light::StopAfterTrackOff, "END", "",
         "Stop after this track"},
        {Code(Action::Repeat), light::Repeat, light::RepeatOff, "REPEAT", "R",
         "Repeat the track (R)"},
        {Code(Action::Shuffle), light::Shuffle, light::ShuffleOff, "RANDOM", "H", "Shuffle (H)"},
        {Code(Action::RepeatAB), light::RepeatAB, light::RepeatABOff, "A-B", "",
         "A-B repeat: set A, then B, then off"},
        {Code(Action::SetRepeatB), 0, 0, "SET B", "", "Set the end of the A-B loop"},
    };
    x = 122;
    for (const Mode& m : modes) {
        button(m.n, QRect(x, my, mw, mh), QString::fromLatin1(m.key), QString::fromLatin1(m.tip),
               text(QString::fromLatin1(m.caption), m.on != 0));
        if (m.on) addLight(m.on, m.off, QRect(x + 5, my + mh / 2 - 2, 5, 5), Shape::Circle);
        x += mw + 2;
    }
    // Windows and tools.
    const int uy = 246;
    struct Tool {
        int n;
        const char* caption;
        const char* key;
        const char* tip;
    };
    const Tool tools[] = {
        {Code(Action::TrackInfo), "INFO", "I", "Track information (I)"},
        {Code(Action::NowPlaying), "ART", "", "Now Playing cover window"},
        {Code(Action::PlaylistSelector), "LISTS", "", "Visual playlist selector"},
        {Code(Action::Mixer), "MIXER", "", "System mixer"},
        {Code(Action::Options), "PREFS", "", "Options"},
        {Code(Action::SelectSkin), "SKINS", "", "Select a skin"},
    };
    x = 122;
    for (const Tool& t : tools) {
        button(t.n, QRect(x, uy, mw, mh), QString::fromLatin1(t.key), QString::fromLatin1(t.tip),
               text(QString::fromLatin1(t.caption)));
        x += mw + 2;
    }
    // Playlist.
    const Tool list[] = {
        {Code(Action::AddFile), "ADD", "A", "Add a file (A)"},
        {Code(Action::AddFolder), "DIR", "D", "Add a folder (D)"},
        {Code(Action::DeleteSelected), "DEL", "K", "Remove the selected entry (K)"},
        {Code(Action::ClearPlaylist), "CLEAR", "N", "New, empty playlist (N)"},
        {Code(Action::MoveUp), "UP", "U", "Move the entry up (U)"},
        {Code(Action::MoveDown), "DOWN", "J", "Move the entry down (J)"},
        {Code(Action::LoadPlaylist), "LOAD", "O", "Load a playlist (O)"},
        {Code(Action::SavePlaylist), "SAVE", "S", "Save the playlist (S)"},
    };
    x = 10;
    for (const Tool& t : list) {
        Icon i = Icon::None;
        if (t.n == Code(Action::MoveUp)) i = Icon::Up;
        if (t.n == Code(Action::MoveDown)) i = Icon::Down;
        button(t.n, QRect(x, 458, 53, 18), QString::fromLatin1(t.key), QString::fromLatin1(t.tip),
               text(QString::fromLatin1(t.caption), false, i));
        x += 55;
    }

    design.cover = AreaDesign{kCoverWell.adjusted(2, 2, -2, -2), QStringLiteral("Cover")};
    design.list = ListDesign{kListWell.adjusted(2, 2, -2, -2),
                             QColor(0xbf, 0xe9, 0xf3),
                             QColor(0x0b, 0x15, 0x19),
                             8,
                             kFont,
                             QStringLiteral("Double click to play; Delete removes")};

    canvas.Finish();
    return skin;
}

} // namespace skinpaint
