#include "ui/AppIcon.h"

namespace velto {

QIcon AppIcon() {
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/velto-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace velto
