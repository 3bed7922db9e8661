#include "ui/selector/PictureCell.h"

#include "trackinfo/CoverPicture.h"

#include <QMouseEvent>
#include <QPainter>

namespace velto {

namespace {
constexpr int kBorderRoom = 2; // between the border and the picture
} // namespace

PictureCell::PictureCell(QWidget* parent) : QWidget(parent) {
    setContentsMargins(kBorderRoom, kBorderRoom, kBorderRoom, kBorderRoom);
    setMinimumSize(48, 48);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    // A hidden cell keeps its place, so the grid never moves.
    QSizePolicy policy = sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    setSizePolicy(policy);
}

void PictureCell::SetPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

QRect PictureCell::PictureRect() const {
    if (picture_.isNull()) return {};
    return FittedRect(picture_.deviceIndependentSize().toSize(), contentsRect());
}

void PictureCell::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!picture_.isNull()) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawPixmap(PictureRect(), picture_);
    }
    if (hovered_) {
        p.setPen(palette().color(QPalette::WindowText));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void PictureCell::enterEvent(QEnterEvent*) {
    hovered_ = true;
    update();
}

void PictureCell::leaveEvent(QEvent*) {
    hovered_ = false;
    update();
}

void PictureCell::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit Clicked();
}

void PictureCell::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit DoubleClicked();
}

} // namespace velto
