#include "ui/AppIcon.h"

#include <QApplication>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>
#include <array>

namespace velto {

namespace {

constexpr std::array kSides{16, 22, 24, 32, 48, 64, 128};

// The side of the picture drawn for a request: the smallest one at least as
// large, else the largest.
int SideFor(const QSize& size) {
    const int want = std::max(size.width(), size.height());
    const auto* side =
        std::find_if(kSides.begin(), kSides.end(), [want](int s) { return s >= want; });
    return side == kSides.end() ? kSides.back() : *side;
}

// Decodes a picture each time one is asked for and keeps none: the window
// system keeps its own copy of a window's icon, and the tray draws its icon
// only when uncovered, so seven decoded pictures would lie in memory unused.
class AppIconEngine final : public QIconEngine {
public:
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        if (size.isEmpty()) return {};
        QImageReader reader(QStringLiteral(":/icons/velto-%1.png").arg(SideFor(size)), "png");
        reader.setAutoDetectImageFormat(false); // no image plugin is asked whether it knows PNG
        QImage image = reader.read();
        if (image.isNull()) return {};
        // Never larger than asked.
        if (image.width() > size.width() || image.height() > size.height())
            image = image.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        QPixmap shown = QPixmap::fromImage(std::move(image));
        if (mode != QIcon::Normal && QApplication::style()) {
            const QStyleOption option;
            shown = QApplication::style()->generatedIconPixmap(mode, shown, &option);
        }
        return shown;
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        const QPixmap shown = pixmap((QSizeF(rect.size()) * ratio).toSize(), mode, state);
        if (shown.isNull()) return;
        const QSize drawn = shown.size() / ratio;
        const QRect target(rect.topLeft() + QPoint((rect.width() - drawn.width()) / 2,
                                                   (rect.height() - drawn.height()) / 2),
                           drawn);
        painter->drawPixmap(target, shown);
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = SideFor(size);
        return QSize(side, side).boundedTo(size.expandedTo(QSize(0, 0)));
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const int side : kSides)
            sizes << QSize(side, side);
        return sizes;
    }
    QIconEngine* clone() const override { return new AppIconEngine; }
    QString key() const override { return QStringLiteral("VeltoAppIcon"); }
};

} // namespace

// Set once as the application's window icon: every window and the tray share it.
QIcon AppIcon() {
    static qint64 made = 0;
    QIcon icon = QGuiApplication::windowIcon();
    if (!icon.isNull() && icon.cacheKey() == made) return icon;
    icon = QIcon(new AppIconEngine);
    QGuiApplication::setWindowIcon(icon);
    made = icon.cacheKey();
    return icon;
}

} // namespace velto
