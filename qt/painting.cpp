#include "qt/painting.h"

#include <QGlyphRun>
#include <QPaintDevice>
#include <QPainter>
#include <QTextLayout>
#include <map>
#include <tuple>

#include "qt/conversions.h"
#include "qt/fonts.h"
#include "ui/units.h"

namespace torvi::qt {
namespace {

QRectF scaled(const ui::Rect& area, double scale) {
    return QRectF(QPointF(area.left * scale, area.top * scale),
                  QPointF(area.right() * scale, area.bottom() * scale));
}

// A text's glyphs as the screen shows them, shaped once: a table repainted, or shown at another
// zoom (through the painter's scale, in the same design pixels), draws them without shaping again.
struct ShapedText {
    QList<QGlyphRun> runs;
    // Down from the text's top to where the runs go, so that the baseline lies where drawText
    // puts it: the font's ascent below the top, less the ascent the layout's line gave them.
    double shift = 0;
};
const ShapedText& shapedForScreen(const ui::TextRun& text) {
    static std::map<std::tuple<std::string, std::string, double, bool>, ShapedText> shaped;
    auto key = std::make_tuple(text.text, text.font.family, text.font.pointSize, text.font.bold);
    if (const auto found = shaped.find(key); found != shaped.end()) return found->second;
    // A results table's cells, a few windows' worth; the cache starts again rather than grow.
    if (shaped.size() > 4096) shaped.clear();
    const QFont font = screenFont(text.font);
    QTextLayout layout(toQString(text.text), font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    ShapedText result{layout.glyphRuns(),
                      QFontMetricsF(font).ascent() - (line.isValid() ? line.ascent() : 0.0)};
    return shaped.emplace(std::move(key), std::move(result)).first->second;
}

void paintItem(QPainter& painter, const ui::DrawItem& item, const Surface& surface) {
    const double scale = surface.unitsPerTwip;
    if (const auto* picture = std::get_if<ui::PictureRun>(&item)) {
        const QPixmap pixmap = loadPicture(picture->resource);
        if (pixmap.isNull()) return;
        painter.save();
        painter.setClipRect(scaled(picture->clip, scale), Qt::IntersectClip);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(scaled(picture->place, scale), pixmap, QRectF(pixmap.rect()));
        painter.restore();
        return;
    }
    if (const auto* line = std::get_if<ui::LineRun>(&item)) {
        const auto column = ui::pixelColumnOf(item);
        if (surface.printer == nullptr && column) {
            // On the screen a filled column is the same as a one-pixel line, and far cheaper.
            painter.fillRect(QRect(column->x, column->top, 1, column->bottom - column->top + 1),
                             toQColor(column->colour));
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
    if (const auto* fill = std::get_if<ui::FillRun>(&item)) {
        painter.fillRect(scaled(fill->area, scale), toQColor(fill->colour));
        return;
    }
    const auto& text = std::get<ui::TextRun>(item);
    painter.setPen(toQColor(text.colour));
    if (surface.printer == nullptr) {
        const ShapedText& shaped = shapedForScreen(text);
        const QPointF at(text.x * scale, text.y * scale + shaped.shift);
        for (const QGlyphRun& run : shaped.runs) painter.drawGlyphRun(at, run);
        return;
    }
    const QFont font(printerFont(text.font), surface.printer);
    painter.setFont(font);
    const double ascent = QFontMetricsF(font, surface.printer).ascent();
    painter.drawText(QPointF(text.x * scale, text.y * scale + ascent), toQString(text.text));
}

}  // namespace

QPixmap loadPicture(const std::string& resource) {
    if (resource.empty()) return {};
    return QPixmap(QString(":/torvi/") + toQString(resource));
}

void paintItems(QPainter& painter, const std::vector<ui::DrawItem>& items, const Surface& surface) {
    painter.save();
    for (const ui::DrawItem& item : items) paintItem(painter, item, surface);
    painter.restore();
}

void paintDrawing(QPainter& painter, const ui::Drawing& drawing, const QRectF& area) {
    // What lies wholly outside the area being painted is left out: a long table repainted where
    // its window shows it would otherwise shape the text of every one of its cells.
    const QRectF twips(area.topLeft() / kScreenUnitsPerTwip, area.size() / kScreenUnitsPerTwip);
    const auto outside = [&](const ui::DrawItem& item) {
        if (const auto* text = std::get_if<ui::TextRun>(&item)) {
            // A line of text reaches right of its start and less than two of its sizes down.
            const double down = 2 * text->font.pointSize * ui::kTwipsPerInch / ui::kPointsPerInch;
            return text->x > twips.right() || text->y > twips.bottom() ||
                   text->y + down < twips.top();
        }
        QRectF box;
        if (const auto* line = std::get_if<ui::LineRun>(&item)) {
            const double reach = (line->thickness + 1) * ui::kTwipsPerPixel;
            box = QRectF(QPointF(std::min(line->x1, line->x2), std::min(line->y1, line->y2)),
                         QPointF(std::max(line->x1, line->x2), std::max(line->y1, line->y2)))
                      .adjusted(-reach, -reach, reach, reach);
        } else if (const auto* fill = std::get_if<ui::FillRun>(&item)) {
            box = QRectF(fill->area.left, fill->area.top, fill->area.width, fill->area.height);
        } else if (const auto* picture = std::get_if<ui::PictureRun>(&item)) {
            box = QRectF(picture->clip.left, picture->clip.top, picture->clip.width,
                         picture->clip.height);
        }
        return !box.intersects(twips);
    };
    const Surface screen{kScreenUnitsPerTwip};
    painter.save();
    for (const ui::DrawItem& item : drawing.items())
        if (!outside(item)) paintItem(painter, item, screen);
    painter.restore();
}

void drawInto(QImage& image, const ui::Drawing& drawing) {
    const std::vector<ui::DrawItem>& items = drawing.items();
    std::size_t next = 0;
    while (next < items.size()) {
        if (!ui::pixelColumnOf(items[next])) {
            // Whatever is not a pixel column goes through a painter, in its turn.
            QPainter painter(&image);
            for (; next < items.size() && !ui::pixelColumnOf(items[next]); ++next)
                paintItem(painter, items[next], Surface{kScreenUnitsPerTwip});
            continue;
        }
        // Pixel columns are written straight into the image: tens of thousands of them make the
        // fine plot, where a painter's call for each would cost more than the pixels.
        uchar* const pixels = image.bits();
        const qsizetype stride = image.bytesPerLine();
        for (std::optional<ui::PixelColumn> column;
             next < items.size() && (column = ui::pixelColumnOf(items[next])); ++next) {
            const int x = column->x;
            if (x < 0 || x >= image.width()) continue;
            const int top = std::max(0, column->top);
            const int bottom = std::min(image.height() - 1, column->bottom);
            const QRgb colour = qRgb(column->colour.red, column->colour.green, column->colour.blue);
            for (int y = top; y <= bottom; ++y)
                reinterpret_cast<QRgb*>(pixels + y * stride)[x] = colour;
        }
    }
}

}  // namespace torvi::qt
