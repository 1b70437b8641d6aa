#include "ui/print_target.h"

#include <algorithm>
#include <cmath>

#include "core/number_text.h"

namespace torvi::ui {

std::string numberItemText(double value) {
    std::string text;
    if (value >= 0) text += ' ';
    text += core::generalNumberText(value, ',', false);
    text += ' ';
    return text;
}

std::string shortText(double value) {
    std::string text(1, value < 0 ? '-' : ' ');
    text += core::generalNumberText(std::fabs(value), '.', false);
    return text;
}

PrintTarget::PrintTarget(DrawingSink& sink, const TextMetrics& metrics, Font font)
    : sink_(sink), metrics_(metrics), font_(std::move(font)) {}

void PrintTarget::clear() {
    sink_.clear();
    currentX = 0;
    currentY = 0;
}

void PrintTarget::drawLine(int x1, int y1, int x2, int y2) {
    sink_.drawLine(LineRun{x1, y1, x2, y2, colour_, 1});
}

void PrintTarget::write(const std::string& text) {
    if (text.empty()) return;
    sink_.drawText(TextRun{currentX, currentY, text, colour_, font_});
    currentX += metrics_.textWidth(font_, text);
}

void PrintTarget::newLine() {
    currentX = 0;
    currentY += lineHeight();
}

void PrintTarget::print(std::initializer_list<PrintItem> items) {
    bool endsWithSeparator = false;
    for (const PrintItem& item : items) {
        endsWithSeparator = false;
        if (const auto* text = std::get_if<Text>(&item)) {
            write(text->text);
        } else if (const auto* number = std::get_if<Number>(&item)) {
            write(numberItemText(number->value));
        } else if (const auto* tab = std::get_if<Tab>(&item)) {
            const int target = (std::max(tab->column, 1) - 1) * columnWidth();
            if (currentX > target) newLine();
            currentX = target;
        } else if (const auto* spc = std::get_if<Spc>(&item)) {
            write(std::string(static_cast<std::size_t>(std::max(spc->count, 0)), ' '));
        } else if (std::holds_alternative<NextZone>(item)) {
            const int zone = zoneWidth();
            currentX = (currentX / zone + 1) * zone;
            endsWithSeparator = true;
        } else {  // NoSpace
            endsWithSeparator = true;
        }
    }
    if (!endsWithSeparator) newLine();
}

}  // namespace torvi::ui
