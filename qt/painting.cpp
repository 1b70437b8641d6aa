#include "qt/painting.h"

#include <QPaintDevice>
#include <QPainter>

#include "qt/conversions.h"
#include "qt/fonts.h"
#include "ui/units.h"

namespace torvi::qt {
namespace {

// A vertical stroke one pixel wide, the stuff of the fine plot.
bool isPixelColumn(const ui::DrawItem& item) {
    const auto* line = std::get_if<ui::LineRun>(&item);
    return line != nullptr && line->x1 == line->x2 && line->thickness == 1;
}

void paintItem(QPainter& painter, const ui::DrawItem& item, const Surface& surface) {
    const double scale = surface.unitsPerTwip;
    if (const auto* line = std::get_if<ui::LineRun>(&item)) {
        if (surface.printer == nullptr && isPixelColumn(item)) {
            // On the screen a filled column is the same as a one-pixel line, and far cheaper.
            const int top = toPixels(std::min(line->y1, line->y2));
            const int bottom = toPixels(std::max(line->y1, line->y2));
            painter.fillRect(QRect(toPixels(line->x1), top, 1, bottom - top + 1),
                             toQColor(line->colour));
            return;
        }
        QPen pen(toQColor(line->colour));
        const double pixel =
            surface.printer ? ui::devicePixelsPerScreenPixel(surface.printer->logicalDpiY()) : 1.0;
        pen.setWidthF(pixel * line->thickness);
        pen.setCapStyle(Qt::FlatCap);
        painter.setPen(pen);
        painter.drawLine(QPointF(line->x1 * scale, line->y1 * scale),
                         QPointF(line->x2 * scale, line->y2 * scale));
        return;
    }
    const auto& text = std::get<ui::TextRun>(item);
    const QFont font =
        surface.printer ? QFont(printerFont(text.font), surface.printer) : screenFont(text.font);
    painter.setFont(font);
    painter.setPen(toQColor(text.colour));
    const double ascent = surface.printer ? QFontMetricsF(font, surface.printer).ascent()
                                          : QFontMetricsF(font).ascent();
    painter.drawText(QPointF(text.x * scale, text.y * scale + ascent), toQString(text.text));
}

}  // namespace

void paintItems(QPainter& painter, const std::vector<ui::DrawItem>& items, const Surface& surface) {
    painter.save();
    for (const ui::DrawItem& item : items) paintItem(painter, item, surface);
    painter.restore();
}

void paintDrawing(QPainter& painter, const ui::Drawing& drawing) {
    paintItems(painter, drawing.items(), Surface{kScreenUnitsPerTwip});
}

void drawInto(QImage& image, const ui::Drawing& drawing) {
    const std::vector<ui::DrawItem>& items = drawing.items();
    std::size_t next = 0;
    while (next < items.size()) {
        if (!isPixelColumn(items[next])) {
            // Whatever is not a pixel column goes through a painter, in its turn.
            QPainter painter(&image);
            for (; next < items.size() && !isPixelColumn(items[next]); ++next)
                paintItem(painter, items[next], Surface{kScreenUnitsPerTwip});
            continue;
        }
        // Pixel columns are written straight into the image: tens of thousands of them make the
        // fine plot, where a painter's call for each would cost more than the pixels.
        uchar* const pixels = image.bits();
        const qsizetype stride = image.bytesPerLine();
        for (; next < items.size() && isPixelColumn(items[next]); ++next) {
            const auto& line = std::get<ui::LineRun>(items[next]);
            const int x = toPixels(line.x1);
            if (x < 0 || x >= image.width()) continue;
            const int top = std::max(0, toPixels(std::min(line.y1, line.y2)));
            const int bottom = std::min(image.height() - 1, toPixels(std::max(line.y1, line.y2)));
            const QRgb colour = qRgb(line.colour.red, line.colour.green, line.colour.blue);
            for (int y = top; y <= bottom; ++y)
                reinterpret_cast<QRgb*>(pixels + y * stride)[x] = colour;
        }
    }
}

}  // namespace torvi::qt
