#include "skin/SkinRecords.h"

#include "common/Numbers.h"
#include "common/PathNames.h"
#include "skin/FieldReader.h"
#include "skin/PlainBitmap.h"
#include "state/Elements.h"
#include "state/Surface.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace velto {

namespace {

// Work pictures larger than this are refused: a typo must not eat the memory.
constexpr int kMaxPictureSide = 8192;
// More outline points than a 16-bit count can announce are refused likewise.
constexpr int32_t kMaxOutlinePoints = 32767;

int32_t headNumber(const QString& rest) {
    const double v = std::clamp(LeadingNumber(rest), -2.0e9, 2.0e9);
    return static_cast<int32_t>(std::nearbyint(v));
}

bool inRange(int32_t n, int32_t low, int32_t high) { return n >= low && n <= high; }

} // namespace

QString TipText(const QString& s) { return s.startsWith(u'~') ? QString() : s; }

QString SkinFilePath(const QString& folder, const QString& name) {
    QString relative = name;
    relative.replace(u'\\', u'/');
    return ResolveCaseInsensitive(JoinPath(folder, relative));
}

QImage ReadSkinPicture(const QString& path) {
    if (QImage plain = ReadPlainBitmap(path, kMaxPictureSide); !plain.isNull()) return plain;
    auto refuse = [&](const QString& why) {
        return SkinRefused{QStringLiteral("Skin bitmap cannot be loaded: ") + path + u'\r' + why};
    };
    QImageReader reader(path);
    // The header's size first: a picture declaring 30,000 pixels a side is
    // never allocated.
    auto refuseLarge = [&](QSize size) {
        if (size.width() > kMaxPictureSide || size.height() > kMaxPictureSide)
            throw refuse(QStringLiteral("It is %1 x %2 pixels; at most %3 a side can be used.")
                             .arg(size.width())
                             .arg(size.height())
                             .arg(kMaxPictureSide));
    };
    QImage image;
    // First as its name says, without the image plugins: asking each of them
    // whether it knows the contents costs more than decoding the picture.
    // Only a picture its name does not describe is read by its contents.
    QImageReader named(path, QFileInfo(path).suffix().toLower().toLatin1());
    named.setAutoDetectImageFormat(false);
    if (named.canRead()) {
        refuseLarge(named.size());
        image = named.read();
    }
    if (image.isNull()) {
        refuseLarge(reader.size());
        image = reader.read();
    }
    if (image.isNull()) throw refuse(reader.errorString() + u'.');
    refuseLarge(image.size()); // a format that tells its size only when decoded
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                         : QImage::Format_RGB32);
}

SkinRecords::SkinRecords(FieldReader& in, Surface& surface, SkinState& state, QString bitmapDir)
    : in_(in), surface_(surface), state_(state), bitmapDir_(std::move(bitmapDir)) {}

void SkinRecords::ReadAll() {
    QChar code;
    while (!in_.AtEnd() && code != u'E') {
        const QString head = in_.Field();
        code = head.isEmpty() ? QChar() : head.front();
        const QString rest = head.mid(1);
        const int32_t n = headNumber(rest);
        // While skipping, heads are read but not carried out; only the awaited
        // label ends the skip.
        if (code == u':' && awaiting_ && rest == awaited_) awaiting_ = false;
        if (!awaiting_) Dispatch(code, n, head);
    }
}

void SkinRecords::Dispatch(QChar code, int32_t n, const QString& head) {
    switch (code.unicode()) {
    case 'B': Button(n, head); break;
    case 'L': TextField(n, head); break;
    case 'I': Light(n, head); break;
    case 'S': Slider(n, head); break;
    case 'D': DigitField(n, head); break;
    case 'C': Cover(); break;
    case 'X': PlaylistArea(); break;
    case 'N': Outline(n, false); break;
    case 'M': Outline(n, true); break;
    case 'P': Point(n); break;
    case 'R': ReadPicture(n, head); break;
    case 'W': SizePicture(n, head); break;
    case 'Z': CopyPicture(n, head); break;
    case 'U': UsePictures(); break;
    case '?': {
        const QString label = in_.Field();
        if (n == condition_) {
            awaiting_ = true;
            awaited_ = label;
        }
        break;
    }
    case ';': in_.Line(); break;
    case '/': state_.SkinInfo += u'\r' + in_.Line(); break;
    default: break; // labels, "E" and unknown codes carry nothing
    }
}

bool SkinRecords::Within(int32_t n, int32_t low, int32_t high, const QString& head) {
    if (inRange(n, low, high)) return true;
    bad_ << head;
    return false;
}

bool SkinRecords::Known(int32_t n, int32_t count, const QString& head) {
    return n != 0 && Within(n, 1, count, head);
}

QColor SkinRecords::Colour() {
    const int r = in_.Int16();
    const int g = in_.Int16();
    const int b = in_.Int16();
    return QColor(std::clamp(r, 0, 255), std::clamp(g, 0, 255), std::clamp(b, 0, 255));
}

void SkinRecords::Button(int32_t n, const QString& head) {
    const int16_t x = in_.Int16(), y = in_.Int16(), w = in_.Int16(), h = in_.Int16();
    const int16_t px = in_.Int16(), py = in_.Int16();
    const QString key = in_.Field();
    const QString tip = in_.Field();
    const QString link =
        (n == Code(Action::SkinLink1) || n == Code(Action::SkinLink2)) ? in_.Field() : QString();
    if (!Known(n, kButtons, head)) return;
    ButtonElement& btn = surface_.Btn[n];
    btn.rect = QRect(x, y, w, h);
    btn.toolTip = TipText(tip);
    btn.tag = QStringLiteral("%1,%2").arg(px).arg(py);
    // A button without area stays hidden but keeps its key: a keyboard-only action.
    btn.visible = w >= 1 && h >= 1;
    btn.pressedFace = px + py == 0 ? QPoint(x, y) : QPoint(px, py); // 0,0: at its own place
    state_.BtnKey[n] = key.left(1);
    if (n == Code(Action::SkinLink1)) state_.SkinLink1 = link;
    if (n == Code(Action::SkinLink2)) state_.SkinLink2 = link;
}

void SkinRecords::TextField(int32_t n, const QString& head) {
    const int16_t x = in_.Int16(), y = in_.Int16(), w = in_.Int16(), h = in_.Int16();
    const QColor colour = Colour();
    const int16_t size = in_.Int16();
    const QString font = in_.Field();
    const QString tip = in_.Field();
    if (w < 1 || h < 1 || !Known(n, kTextFields, head)) return;
    TextFieldElement& lbl = surface_.Lbl[n];
    lbl.rect = QRect(x, y, w, h);
    lbl.toolTip = TipText(tip);
    lbl.color = colour;
    lbl.fontName = font;
    lbl.fontSize = size;
    lbl.visible = true;
}

void SkinRecords::Light(int32_t n, const QString& head) {
    const int16_t x = in_.Int16(), y = in_.Int16(), w = in_.Int16(), h = in_.Int16();
    const QColor colour = Colour();
    const int16_t shape = in_.Int16();
    in_.Field(); // a text the lights do not use
    if (w < 1 || h < 1 || !Known(n, kLights, head)) return;
    LightElement& light = surface_.Ind[n];
    light.rect = QRect(x, y, w, h);
    light.color = colour;
    light.shape = inRange(shape, 0, 5) ? static_cast<LightShape>(shape) : LightShape::Rectangle;
}

void SkinRecords::Slider(int32_t n, const QString& head) {
    SliderTable t;
    t.x = in_.Int16();
    t.y = in_.Int16();
    // A negative track length reads as none: the knob is then not dragged.
    t.w = std::max<int16_t>(in_.Int16(), 0);
    t.h = std::max<int16_t>(in_.Int16(), 0);
    const int16_t a = in_.Int16(), b = in_.Int16(), c = in_.Int16(), d = in_.Int16();
    const QString tip = in_.Field();
    if (!Known(n, kSliders, head)) return;
    state_.SlideTab[n] = t;
    SliderElement& knob = surface_.iSlider[n];
    knob.knobFace = QPoint(a, b);
    knob.rect = QRect(t.x, t.y, c, d);
    knob.toolTip = TipText(tip);
    knob.visible = true;
}

void SkinRecords::DigitField(int32_t n, const QString& head) {
    const int16_t x = in_.Int16(), y = in_.Int16();
    DigitTable t;
    t.sx = in_.Int16();
    t.sy = in_.Int16();
    t.dw = in_.Int16();
    t.dh = in_.Int16();
    t.sep = in_.Int16();
    t.e1 = in_.Int16();
    t.e2 = in_.Int16();
    t.count = in_.Int16();
    const QString tip = in_.Field();
    if (!Known(n, kDigitFields, head)) return;
    state_.DigTab[n] = t;
    // The clock field (3) and minutes-and-seconds (count 0) show "00:00".
    const int width = (t.count == 0 || n == dig::Clock) ? 4 * t.dw + t.sep : t.count * t.dw;
    DigitFieldElement& dig = surface_.Dig[n];
    dig.rect = QRect(x, y, width, t.dh);
    dig.toolTip = TipText(tip);
    dig.glyphs.clear();
    dig.visible = true;
}

void SkinRecords::Cover() {
    const int16_t x = in_.Int16(), y = in_.Int16(), w = in_.Int16(), h = in_.Int16();
    const QString tip = in_.Field();
    surface_.iCover.rect = QRect(x, y, w, h);
    surface_.iCover.toolTip = TipText(tip);
    surface_.iCover.visible = w >= 1 && h >= 1;
}

void SkinRecords::PlaylistArea() {
    const int16_t x = in_.Int16(), y = in_.Int16(), w = in_.Int16(), h = in_.Int16();
    const QColor text = Colour();
    const QColor background = Colour();
    const int16_t size = in_.Int16();
    const QString font = in_.Field();
    const QString tip = in_.Field();
    velto::PlaylistArea& list = surface_.PlNames;
    list.toolTip = TipText(tip);
    list.textColor = text;
    list.background = background;
    list.fontName = font;
    list.fontSize = size;
    list.rect = QRect(x, y, w, h);
    list.visible = true;
}

void SkinRecords::Outline(int32_t n, bool multi) {
    std::vector<int32_t> counts;
    if (multi) {
        const int16_t k = in_.Int16();
        for (int i = 0; i < k; ++i)
            counts.push_back(in_.Int32());
    }
    if (n > kMaxOutlinePoints) throw SkinError{QStringLiteral("too many outline points")};
    // The count of points read runs on: a later N or M does not reset it.
    state_.RgnPointCount = std::max(n, 0);
    state_.RgnPts.assign(static_cast<size_t>(state_.RgnPointCount), QPoint());
    state_.RgnCounts = std::move(counts);
}

void SkinRecords::Point(int32_t x) {
    const int16_t y = in_.Int16();
    if (state_.RgnPointsRead >= state_.RgnPointCount) return; // none announced, or beyond
    state_.RgnPts[static_cast<size_t>(state_.RgnPointsRead)] = QPoint(x, y);
    ++state_.RgnPointsRead;
}

void SkinRecords::ReadPicture(int32_t n, const QString& head) {
    if (!Within(n, 0, 2, head)) return; // its file name is then read as a head
    const QString path = SkinFilePath(bitmapDir_, in_.Field());
    if (QFileInfo(path).isFile()) {
        state_.Pic[n] = ReadSkinPicture(path);
        condition_ = 1;
    } else {
        condition_ = 0;
    }
}

void SkinRecords::SizePicture(int32_t n, const QString& head) {
    if (!Within(n, 0, 1, head)) return;
    const int16_t w = in_.Int16(), h = in_.Int16();
    if (!inRange(w, 0, kMaxPictureSide) || !inRange(h, 0, kMaxPictureSide))
        throw SkinError{QStringLiteral("work picture size %1 x %2").arg(w).arg(h)};
    // Like a picture box being resized: what fits stays, the rest is black.
    QImage sized(w, h, QImage::Format_RGB32);
    sized.fill(Qt::black);
    if (!state_.Pic[n].isNull() && !sized.isNull()) {
        QPainter p(&sized);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, state_.Pic[n]);
    }
    state_.Pic[n] = sized;
}

void SkinRecords::CopyPicture(int32_t n, const QString& head) {
    if (!Within(n, 0, 1, head)) return;
    const int16_t sx = in_.Int16(), sy = in_.Int16(), w = in_.Int16(), h = in_.Int16();
    const int16_t dx = in_.Int16(), dy = in_.Int16();
    QImage& target = state_.Pic[n];
    const QImage& source = state_.Pic[2];
    if (target.isNull() || source.isNull() || w < 1 || h < 1) return;
    QPainter p(&target);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(QPoint(dx, dy), source, QRect(sx, sy, w, h));
}

void SkinRecords::UsePictures() {
    if (!state_.Pic[0].isNull()) surface_.face = state_.Pic[0];
    if (!state_.Pic[1].isNull()) surface_.ResBmp = state_.Pic[1];
}

} // namespace velto
