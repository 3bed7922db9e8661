#include "ui/selector/WindowPrint.h"

#include <QPainter>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinter>
#include <QWidget>

#include <algorithm>

namespace velto {

bool PrintWindow(QWidget& window, QPrinter& printer) {
    const QPixmap image = window.grab();
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRect page = painter.viewport();
    const double scale = printer.resolution() / std::max(1.0, double(window.logicalDpiX()));
    QSize size = (image.deviceIndependentSize() * scale).toSize();
    if (size.width() > page.width() || size.height() > page.height())
        size = size.scaled(page.size(), Qt::KeepAspectRatio);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(QRect(page.topLeft(), size), image);
    return painter.end();
}

} // namespace velto

extern "C" __attribute__((visibility("default"))) void velto_print_window(QWidget* window) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, window);
    if (dialog.exec() == QDialog::Accepted) velto::PrintWindow(*window, printer);
}
