#include "SkinDesign.h"

#include "state/Elements.h"

#include <QTextStream>

namespace skinpaint {

namespace {

QString quoted(const QString& s) {
    // Quotes keep commas and blanks; the format has no escape for a quote.
    if (s.contains(u',') || s.startsWith(u' ') || s.endsWith(u' ') || s.isEmpty())
        return u'"' + s + u'"';
    return s;
}

QString rgb(const QColor& c) {
    return QStringLiteral("%1,%2,%3").arg(c.red()).arg(c.green()).arg(c.blue());
}

QString rect(const QRect& r) {
    return QStringLiteral("%1,%2,%3,%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

} // namespace

const ButtonDesign* SkinDesign::Button(int n) const {
    for (const ButtonDesign& b : buttons)
        if (b.n == n) return &b;
    return nullptr;
}

QByteArray SkinFileText(const SkinDesign& skin) {
    QString text;
    QTextStream out(&text);
    const char* eol = "\r\n";
    out << "VeltoSkin" << eol << skin.title << eol;
    for (size_t i = 0; i < skin.sizes.size(); ++i)
        out << (i ? "," : "") << skin.sizes[i].width() << ',' << skin.sizes[i].height();
    out << eol << skin.face << ',' << skin.resource << eol;
    out << skin.coolFlag << ",0,0,0,0,0,0,0" << eol;
    for (const QString& note : skin.notes)
        out << "/," << note << eol;
    out << ";,Drawn by tools/skinpaint: edit the tool, not this file." << eol;

    out << ";,Buttons: B<action>,x,y,w,h,px,py,key,tip[,link]" << eol;
    for (const ButtonDesign& b : skin.buttons) {
        out << 'B' << b.n << ',' << rect(b.rect) << ',' << b.pressed.x() << ',' << b.pressed.y()
            << ',' << quoted(b.key) << ',' << quoted(b.tip);
        if (b.n == Code(velto::Action::SkinLink1) || b.n == Code(velto::Action::SkinLink2))
            out << ',' << quoted(b.link);
        out << eol;
    }
    out << ";,Text fields: L<n>,x,y,w,h,red,green,blue,font size,font,tip" << eol;
    for (const TextDesign& t : skin.texts)
        out << 'L' << t.n << ',' << rect(t.rect) << ',' << rgb(t.colour) << ',' << t.fontSize << ','
            << quoted(t.font) << ',' << quoted(t.tip) << eol;
    out << ";,Lights: I<n>,x,y,w,h,red,green,blue,shape,text" << eol;
    for (const LightDesign& l : skin.lights)
        out << 'I' << l.n << ',' << rect(l.rect) << ',' << rgb(l.colour) << ','
            << static_cast<int>(l.shape) << ',' << quoted(l.text) << eol;
    out << ";,Sliders: S<n>,x,y,w,h,knob x,knob y,knob w,knob h,tip" << eol;
    for (const SliderDesign& s : skin.sliders)
        out << 'S' << s.n << ',' << s.start.x() << ',' << s.start.y() << ','
            << (s.vertical ? 0 : s.length) << ',' << (s.vertical ? s.length : 0) << ','
            << s.face.x() << ',' << s.face.y() << ',' << s.knob.width() << ',' << s.knob.height()
            << ',' << quoted(s.tip) << eol;
    out << ";,Digit fields: D<n>,x,y,sheet x,sheet y,cell w,cell h,sep,style,gap,count,tip" << eol;
    for (const DigitDesign& d : skin.digits)
        out << 'D' << d.n << ',' << d.at.x() << ',' << d.at.y() << ',' << d.sheet.x() << ','
            << d.sheet.y() << ',' << d.cell.width() << ',' << d.cell.height() << ',' << d.sep << ','
            << d.style << ',' << d.gap << ',' << d.count << ',' << quoted(d.tip) << eol;
    if (skin.cover) out << "C," << rect(skin.cover->rect) << ',' << quoted(skin.cover->tip) << eol;
    if (skin.list) {
        const ListDesign& l = *skin.list;
        out << "X," << rect(l.rect) << ',' << rgb(l.text) << ',' << rgb(l.background) << ','
            << l.fontSize << ',' << quoted(l.font) << ',' << quoted(l.tip) << eol;
    }
    if (!skin.outline.empty()) {
        qsizetype total = 0;
        for (const QPolygon& poly : skin.outline)
            total += poly.size();
        if (skin.outline.size() == 1) {
            out << ";,Outline: one polygon" << eol << 'N' << total << eol;
        } else {
            out << ";,Outline: " << skin.outline.size() << " polygons, filled even-odd" << eol;
            out << 'M' << total << ',' << skin.outline.size();
            for (const QPolygon& poly : skin.outline)
                out << ',' << poly.size();
            out << eol;
        }
        for (const QPolygon& poly : skin.outline)
            for (const QPoint& pt : poly)
                out << 'P' << pt.x() << ',' << pt.y() << eol;
    }
    out << 'E' << eol;
    out.flush();
    return text.toUtf8();
}

} // namespace skinpaint
