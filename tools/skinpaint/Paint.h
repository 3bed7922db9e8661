#pragma once
// The drawing vocabulary of the shipped skins: body panels, recessed wells,
// the display glass, buttons in their normal and pressed faces, and icons.
#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QRect>
#include <QString>

namespace skinpaint {

struct Palette {
    QColor bodyTop{0x30, 0x35, 0x3e}, bodyBottom{0x1c, 0x1f, 0x25};
    QColor edgeLight{0x56, 0x5e, 0x6a}, edgeDark{0x08, 0x09, 0x0b};
    QColor well{0x14, 0x16, 0x1a};
    QColor lcd{0x05, 0x12, 0x17}, lcdLit{0x8c, 0xef, 0xff}, lcdGhost{0x0d, 0x24, 0x2b};
    QColor lcdLabel{0x2f, 0x82, 0x93};
    QColor lcdGlow{0x40, 0xd0, 0xff, 0x40};
    QColor buttonTop{0x48, 0x4f, 0x5b}, buttonBottom{0x2b, 0x30, 0x38};
    QColor pressedTop{0x17, 0x1a, 0x1f}, pressedBottom{0x24, 0x28, 0x2e};
    QColor ink{0xd4, 0xdb, 0xe4}, inkDim{0x8a, 0x94, 0xa2}, accent{0x5c, 0xdc, 0xff};
    QColor playTop{0x2b, 0x7e, 0x93}, playBottom{0x17, 0x4b, 0x59};
};

enum class Icon {
    None,
    Play,
    Pause,
    Stop,
    Prev,
    Next,
    Rewind,
    Forward,
    Eject,
    PlayPause,
    Close,
    Minimize,
    Shade,
    Playlist,
    Link,
    Minus,
    Plus,
    Mute,
    Up,
    Down,
};

enum class ButtonKind { Transport, Play, Small, Text, Round };

struct ButtonFace {
    ButtonKind kind = ButtonKind::Transport;
    Icon icon = Icon::None;
    QString caption;      // drawn in the pixel font
    bool ledSlot = false; // a recess at the left for a mode light
};

void FillBody(QPainter& p, QRect r, const Palette& c);
// A raised module with bevelled corners of `corner` pixels.
void DrawModule(QPainter& p, QRect r, int corner, const Palette& c);
// A recessed area (groove, well) one pixel deep.
void DrawWell(QPainter& p, QRect r, const Palette& c, QColor fill);
// The display glass: a dark bezel and the flat display colour inside.
void DrawLcd(QPainter& p, QRect r, const Palette& c);
void DrawButton(QPainter& p, QRect r, const ButtonFace& face, bool pressed, const Palette& c);
void DrawIcon(QPainter& p, Icon icon, QRectF box, QColor colour);
// A round LED socket of the given size centred in r.
void DrawLedSocket(QPainter& p, QRect r, const Palette& c);

// The "V" mark of the title bar and the application icon: two strokes meeting
// at a flat foot, filling `box` (its natural size is 14 x 11).
QPainterPath VeltoMark(QRectF box);

// The corners of r cut by `corner` pixels at 45 degrees, clockwise from top-left.
QPolygon Chamfered(QRect r, int corner);

} // namespace skinpaint
