#include "ui/AppIcon.h"

#include <QGuiApplication>

namespace velto {

// Decoded once and kept as the application's window icon: every window and
// the tray share it.
QIcon AppIcon() {
    static qint64 made = 0;
    QIcon icon = QGuiApplication::windowIcon();
    if (!icon.isNull() && icon.cacheKey() == made) return icon;
    icon = QIcon();
    for (const int size : {16, 22, 24, 32, 48, 64, 128})
        icon.addFile(QStringLiteral(":/icons/velto-%1.png").arg(size), QSize(size, size));
    QGuiApplication::setWindowIcon(icon);
    made = icon.cacheKey();
    return icon;
}

} // namespace velto
