// "Velto Mini": the compact skin. A round puck with play/pause beside a slim
// bar; the outline cuts both apart with a thin crescent, and the smallest size
// leaves the puck alone on the desktop. No cover and no playlist: covers then
// go to the Now Playing window.
#include "PixelFont.h"
#include "SkinCanvas.h"
#include "state/Elements.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace skinpaint {

namespace {

using velto::Action;
using velto::Code;
namespace dig = velto::dig;
namespace light = velto::light;
namespace slider = velto::slider;

constexpr int kWidth = 440, kHeight = 64;
const QPointF kPuckCentre(32, 32);
constexpr double kPuckRadius = 31.5;
constexpr double kCrescent = 34.5; // the bar's left edge follows this circle
constexpr int kBarTop = 6, kBarBottom = 58, kCorner = 8;

QPolygon puckOutline() {
    QPolygon poly;
    for (int i = 0; i < 32; ++i) {
        const double a = 2 * M_PI * i / 32;
        poly << QPoint(int(std::lround(kPuckCentre.x() + kPuckRadius * std::cos(a))),
                       int(std::lround(kPuckCentre.y() + kPuckRadius * std::sin(a))));
    }
    return poly;
}

// The bar's left edge: around the puck's middle it follows the crescent; above
// and below it stays right of the puck's box, so the smallest size (the puck's
// box) shows nothing of the bar.
double crescentX(double y) {
    const double dy = y - kPuckCentre.y();
    return std::max(2 * kPuckCentre.x() + 1,
                    kPuckCentre.x() + std::sqrt(kCrescent * kCrescent - dy * dy));
}

QPolygon barOutline() {
    QPolygon poly;
    poly << QPoint(int(std::lround(crescentX(kBarTop))), kBarTop)
         << QPoint(kWidth - kCorner, kBarTop) << QPoint(kWidth, kBarTop + kCorner)
         << QPoint(kWidth, kBarBottom - kCorner) << QPoint(kWidth - kCorner, kBarBottom);
    // Up the left edge along the crescent, from the bottom to the top.
    for (int y = kBarBottom; y > kBarTop; y -= 4)
        poly << QPoint(int(std::lround(crescentX(y))), y);
    return poly;
}

} // namespace

DrawnSkin DrawCompactSkin() {
    const Palette c;
    DrawnSkin skin;
    SkinDesign& design = skin.design;
    design.title = QStringLiteral("Velto Mini - the compact skin of Velto");
    design.notes = {QStringLiteral(
        "The smallest size leaves only the puck; its lower button brings the bar back.")};
    design.sizes = {QSize(kWidth, kHeight), QSize(kWidth, kHeight), QSize(kHeight, kHeight)};
    design.face = QStringLiteral("compact_face.bmp");
    design.resource = QStringLiteral("compact_res.bmp");
    design.outline = {puckOutline(), barOutline()};

    QImage& face = skin.face;
    face = QImage(design.sizes[0], QImage::Format_RGB32);
    face.fill(QColor(0x0b, 0x0c, 0x0e));
    SkinCanvas canvas(skin, c);
    const QRect lcdRect(72, 11, 214, 26);
    {
        QPainter p(&face);
        // The bar.
        p.save();
        QPainterPath bar;
        bar.addPolygon(QPolygonF(barOutline()));
        p.setClipPath(bar);
        FillBody(p, QRect(0, kBarTop, kWidth, kBarBottom - kBarTop), c);
        p.fillRect(QRect(0, kBarTop, kWidth - kCorner, 1), c.edgeLight);
        p.fillRect(QRect(0, kBarBottom - 1, kWidth - kCorner, 1), c.edgeDark);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(c.edgeDark, 2));
        p.drawEllipse(kPuckCentre, kCrescent, kCrescent);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.restore();
        // The puck: a machined disc with a bevelled rim.
        p.setRenderHint(QPainter::Antialiasing);
        QRadialGradient disc(kPuckCentre + QPointF(-8, -10), 44);
        disc.setColorAt(0, c.bodyTop.lighter(125));
        disc.setColorAt(1, c.bodyBottom);
        p.setPen(QPen(c.edgeDark, 1));
        p.setBrush(disc);
        p.drawEllipse(kPuckCentre, kPuckRadius - 0.5, kPuckRadius - 0.5);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 255, 255, 40), 1));
        p.drawArc(QRectF(2, 2, 60, 60), 40 * 16, 100 * 16);
        p.setPen(QPen(c.edgeDark, 2));
        p.drawEllipse(kPuckCentre, 22.0, 22.0);
        p.setRenderHint(QPainter::Antialiasing, false);

        DrawLcd(p, lcdRect, c);
        DrawWell(p, QRect(72, 43, 214, 4), c, QColor(0x0c, 0x0e, 0x11)); // position groove
        DrawWell(p, QRect(312, 38, 60, 3), c, QColor(0x0c, 0x0e, 0x11)); // volume groove
    }

    // Glyphs: the time in dot-matrix digits, the title in capitals.
    const LcdColours lcd{c.lcd, c.lcdLit, c.lcdGhost, c.lcdGlow};
    const QSize digitCell(12, 16);
    const QImage digitSheet = PixelDigitSheet(digitCell, 2, QPoint(1, 1), 6, lcd);
    const QImage letters = LetterSheet(QSize(7, 11), 1, QPoint(1, 2), lcd);
    const QPoint digitsAt = canvas.PlaceSheet(digitSheet);
    const QPoint lettersAt = canvas.PlaceSheet(letters);
    canvas.AddDigits({dig::PlayTime, QPoint(77, 16), digitsAt, digitCell, 6, 0, 0, 0,
                      QStringLiteral("Play time")},
                     digitSheet);
    canvas.AddDigits({dig::Title, QPoint(138, 18), lettersAt, QSize(7, 11), 0, 3, 0, 20,
                      QStringLiteral("Now playing")},
                     letters);
    design.lights.push_back({light::Playing, QRect(77, 33, 26, 2), c.accent, Shape::Rectangle,
                             QStringLiteral("playing")});
    design.lights.push_back({light::Paused, QRect(105, 33, 26, 2), QColor(0xff, 0xc3, 0x5a),
                             Shape::Rectangle, QStringLiteral("paused")});

    canvas.AddSlider({slider::Position,
                      QPoint(72, 41),
                      214 - 12,
                      false,
                      {},
                      QSize(12, 8),
                      QStringLiteral("Position: drag to seek")},
                     [&](QPainter& p, QRect r) {
                         p.setRenderHint(QPainter::Antialiasing);
                         p.setPen(QPen(c.edgeDark, 1));
                         p.setBrush(c.buttonTop.lighter(120));
                         p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 2.5, 2.5);
                         p.fillRect(r.center().x() - 2, r.top() + 3, 5, 2, c.accent);
                     });
    canvas.AddSlider({slider::Volume,
                      QPoint(312, 35),
                      60 - 10,
                      false,
                      {},
                      QSize(10, 9),
                      QStringLiteral("Volume")},
                     [&](QPainter& p, QRect r) {
                         p.setRenderHint(QPainter::Antialiasing);
                         p.setPen(QPen(c.edgeDark, 1));
                         p.setBrush(c.buttonTop.lighter(130));
                         p.drawEllipse(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5));
                         p.setPen(Qt::NoPen);
                         p.setBrush(c.accent);
                         p.drawEllipse(QRectF(r).center(), 1.3, 1.3);
                     });

    auto button = [&](int n, QRect r, const QString& key, const QString& tip, ButtonFace look,
                      const QString& link = {}) {
        canvas.AddButton({n, r, {}, key, tip, link}, look);
    };
    auto icon = [](Icon i, ButtonKind kind = ButtonKind::Transport) {
        return ButtonFace{kind, i, {}, false};
    };
    button(Code(Action::PlayPause), QRect(12, 12, 40, 40), QStringLiteral(" "),
           QStringLiteral("Play or pause (space)"), icon(Icon::PlayPause, ButtonKind::Round));
    button(Code(Action::SmallToggle), QRect(25, 54, 14, 7), QStringLiteral("W"),
           QStringLiteral("Puck only, or the whole bar (W)"), icon(Icon::None, ButtonKind::Small));
    button(Code(Action::PrevTrack), QRect(292, 11, 26, 17), QStringLiteral("Z"),
           QStringLiteral("Previous track (Z)"), icon(Icon::Prev));
    button(Code(Action::Stop), QRect(320, 11, 26, 17), QStringLiteral("V"),
           QStringLiteral("Stop (V)"), icon(Icon::Stop));
    button(Code(Action::NextTrack), QRect(348, 11, 26, 17), QStringLiteral("B"),
           QStringLiteral("Next track (B)"), icon(Icon::Next));
    button(Code(Action::OpenPlay), QRect(376, 11, 26, 17), QStringLiteral("L"),
           QStringLiteral("Open and play a file (L)"), icon(Icon::Eject));
    button(Code(Action::VolDown), QRect(292, 32, 16, 13), QStringLiteral("-"),
           QStringLiteral("Volume down (-)"), icon(Icon::Minus, ButtonKind::Small));
    button(Code(Action::VolUp), QRect(376, 32, 16, 13), QStringLiteral("+"),
           QStringLiteral("Volume up (+)"), icon(Icon::Plus, ButtonKind::Small));
    button(Code(Action::Quit), QRect(410, 10, 18, 13), {}, QStringLiteral("Close Velto"),
           icon(Icon::Close, ButtonKind::Small));
    button(Code(Action::HideMain), QRect(410, 25, 18, 13), {}, QStringLiteral("Hide to the tray"),
           icon(Icon::Minimize, ButtonKind::Small));
    button(Code(Action::SkinLink2), QRect(410, 40, 18, 13), {},
           QStringLiteral("Back to the full skin"), icon(Icon::Link, ButtonKind::Small),
           QStringLiteral("default.skin"));

    canvas.Finish();
    return skin;
}

} // namespace skinpaint
