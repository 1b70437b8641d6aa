#include "qt/line_view.h"

#include <QPainter>

#include "qt/conversions.h"

namespace torvi::qt {
namespace {

// The line's ends in the pixels of its container, and its thickness, at its window's scale.
QLine ends(const ui::LineElement& line) {
    const double scale = scaleOf(line);
    return QLine(ui::scaledPixels(line.x1, scale), ui::scaledPixels(line.y1, scale),
                 ui::scaledPixels(line.x2, scale), ui::scaledPixels(line.y2, scale));
}
int thicknessOf(const ui::LineElement& line) {
    return ui::scaledThickness(line.thickness, scaleOf(line));
}

}  // namespace

LineView::LineView(ui::LineElement& line, QWidget* parent) : QWidget(parent), line_(line) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    sync(ui::Property::Geometry);
}

void LineView::sync(ui::Property) {
    // The widget covers the line and its thickness below and to the right of it.
    const QLine line = ends(line_);
    setGeometry(QRect(line.p1(), line.p2())
                    .normalized()
                    .adjusted(0, 0, thicknessOf(line_), thicknessOf(line_)));
    setVisible(line_.visible());
    update();
}

void LineView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QLine line = ends(line_).translated(-geometry().topLeft());
    if (line.dx() == 0 || line.dy() == 0) {
        const ui::Rect band =
            ui::lineBand(line.x1(), line.y1(), line.x2(), line.y2(), thicknessOf(line_));
        painter.fillRect(QRect(band.left, band.top, band.width, band.height),
                         toQColor(line_.colour));
        return;
    }
    QPen pen(toQColor(line_.colour));
    pen.setWidth(thicknessOf(line_));
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    painter.drawLine(line);
}

}  // namespace torvi::qt
