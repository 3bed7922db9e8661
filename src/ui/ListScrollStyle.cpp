#include "ui/ListScrollStyle.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOptionSlider>

#include <algorithm>

namespace velto {

// A style of its own kind: a proxy of the application's style object would
// become that object's proxy for every other widget too.
ListScrollStyle::ListScrollStyle() : QProxyStyle(QApplication::style()->name()) {}

void ListScrollStyle::SetColours(QColor groove, QColor handle) {
    groove_ = groove;
    handle_ = handle;
}

int ListScrollStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                 const QWidget* widget) const {
    if (metric == PM_ScrollBarExtent) return kWidth;
    if (metric == PM_ScrollBarSliderMin) return kShortestHandle;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

QRect ListScrollStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                      SubControl part, const QWidget* widget) const {
    const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
    if (control != CC_ScrollBar || !bar || bar->orientation != Qt::Vertical)
        return QProxyStyle::subControlRect(control, option, part, widget);
    const QRect all = bar->rect;
    const int range = bar->maximum - bar->minimum;
    const int length = all.height();
    int handle = length;
    if (range > 0) {
        const qint64 pages = qint64(range) + std::max(bar->pageStep, 1);
        handle = int(qint64(length) * std::max(bar->pageStep, 1) / pages);
    }
    handle = std::clamp(handle, std::min(kShortestHandle, length), length);
    const int top = sliderPositionFromValue(bar->minimum, bar->maximum, bar->sliderPosition,
                                            length - handle, bar->upsideDown);
    switch (part) {
    case SC_ScrollBarGroove: return all;
    case SC_ScrollBarSlider: return QRect(all.left(), all.top() + top, all.width(), handle);
    case SC_ScrollBarSubPage: return QRect(all.left(), all.top(), all.width(), top);
    case SC_ScrollBarAddPage:
        return QRect(all.left(), all.top() + top + handle, all.width(), length - top - handle);
    default: return QRect(); // no arrow buttons
    }
}

QStyle::SubControl ListScrollStyle::hitTestComplexControl(ComplexControl control,
                                                          const QStyleOptionComplex* option,
                                                          const QPoint& point,
                                                          const QWidget* widget) const {
    const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
    if (control != CC_ScrollBar || !bar || bar->orientation != Qt::Vertical)
        return QProxyStyle::hitTestComplexControl(control, option, point, widget);
    for (SubControl part : {SC_ScrollBarSlider, SC_ScrollBarSubPage, SC_ScrollBarAddPage}) {
        if (subControlRect(control, option, part, widget).contains(point)) return part;
    }
    return SC_None;
}

void ListScrollStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                         QPainter* painter, const QWidget* widget) const {
    if (control != CC_ScrollBar) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    painter->fillRect(option->rect, groove_);
    painter->fillRect(subControlRect(control, option, SC_ScrollBarSlider, widget), handle_);
}

} // namespace velto
