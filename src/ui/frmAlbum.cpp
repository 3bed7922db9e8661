#include "ui/frmAlbum.h"

#include "trackinfo/CoverPicture.h"

#include <QPainter>

namespace velto {

frmAlbum::frmAlbum(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("Now Playing       "));
    // A cover that appears must not take the keys from the player.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(64, 64);
    resize(200, 200);
}

void frmAlbum::SetPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

QRect frmAlbum::CoverRect() const { return AlbumCoverRect(size()); }

void frmAlbum::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(0x20, 0x24, 0x2c));
    if (picture_.isNull()) return;
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    // Within its square, a picture that is not square keeps its shape.
    p.drawImage(FittedRect(picture_.size(), CoverRect()), picture_);
}

} // namespace velto
