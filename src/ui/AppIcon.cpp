#include "ui/AppIcon.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QPixmap>

namespace velto {

// Decoded once and kept as the application's window icon: every window and
// the tray share it. The pictures are PNG: read as such, no image plugin is
// loaded to ask whether it knows them.
QIcon AppIcon() {
    static qint64 made = 0;
    QIcon icon = QGuiApplication::windowIcon();
    if (!icon.isNull() && icon.cacheKey() == made) return icon;
    icon = QIcon();
    for (const int size : {16, 22, 24, 32, 48, 64, 128}) {
        QImageReader reader(QStringLiteral(":/icons/velto-%1.png").arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        if (const QImage image = reader.read(); !image.isNull())
            icon.addPixmap(QPixmap::fromImage(image));
    }
    QGuiApplication::setWindowIcon(icon);
    made = icon.cacheKey();
    return icon;
}

} // namespace velto
