#pragma once
// The playlist's scroll bar in the list's own colours: a flat groove and
// handle with no arrow buttons. Drawn by a proxy of the desktop's style
// rather than a style sheet, whose engine costs the window 0.4 MiB.
#include <QColor>
#include <QProxyStyle>

namespace velto {

class ListScrollStyle : public QProxyStyle {
public:
    ListScrollStyle();

    void SetColours(QColor groove, QColor handle);

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override;
    SubControl hitTestComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                     const QPoint& point, const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override;

private:
    static constexpr int kWidth = 12;
    static constexpr int kShortestHandle = 16;

    QColor groove_;
    QColor handle_;
};

} // namespace velto
