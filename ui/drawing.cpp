#include "ui/drawing.h"

#include <algorithm>

#include "ui/text_metrics.h"
#include "ui/units.h"

namespace torvi::ui {

int characterCount(std::string_view text) {
    int count = 0;
    for (unsigned char c : text) {
        if ((c & 0xC0) != 0x80) ++count;
    }
    return count;
}

std::optional<PixelColumn> pixelColumnOf(const DrawItem& item) {
    const auto* line = std::get_if<LineRun>(&item);
    if (line == nullptr || line->x1 != line->x2 || line->thickness != 1) return std::nullopt;
    return PixelColumn{twipsToPixels(line->x1), twipsToPixels(std::min(line->y1, line->y2)),
                       twipsToPixels(std::max(line->y1, line->y2)), line->colour};
}

void Drawing::drawText(const TextRun& run) {
    items_.emplace_back(run);
    changed();
}

void Drawing::drawLine(const LineRun& run) {
    items_.emplace_back(run);
    changed();
}

void Drawing::drawFill(const FillRun& run) {
    items_.emplace_back(run);
    changed();
}

void Drawing::drawPicture(const PictureRun& run) {
    items_.emplace_back(run);
    changed();
}

void Drawing::clear() {
    items_.clear();
    currentX = 0;
    currentY = 0;
    changed();
}

void Drawing::lineTo(int x, int y, Rgb colour, int thickness) {
    items_.emplace_back(LineRun{currentX, currentY, x, y, colour, thickness});
    currentX = x;
    currentY = y;
    changed();
}

std::vector<TextRun> Drawing::texts() const {
    std::vector<TextRun> result;
    for (const auto& item : items_) {
        if (const auto* text = std::get_if<TextRun>(&item)) result.push_back(*text);
    }
    return result;
}

std::vector<LineRun> Drawing::lines() const {
    std::vector<LineRun> result;
    for (const auto& item : items_) {
        if (const auto* line = std::get_if<LineRun>(&item)) result.push_back(*line);
    }
    return result;
}

void Drawing::changed() {
    if (onChanged) onChanged();
}

}  // namespace torvi::ui
