#include "ui/units.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace torvi::ui {
namespace {

int scaled(int value, int multiplier, int divisor) {
    const std::int64_t product = std::int64_t{value} * multiplier;
    const std::int64_t half = divisor / 2;
    return static_cast<int>((product >= 0 ? product + half : product - half) / divisor);
}

}  // namespace

int twipsToPixels(int twips, int pixelsPerInch) {
    return scaled(twips, pixelsPerInch, kTwipsPerInch);
}

int pixelsToTwips(int pixels, int pixelsPerInch) {
    return scaled(pixels, kTwipsPerInch, pixelsPerInch);
}

int pointsToPixels(double points, int pixelsPerInch) {
    return static_cast<int>(std::lround(points * pixelsPerInch / kPointsPerInch));
}

double devicePixelsPerScreenPixel(int devicePixelsPerInch) {
    return std::max(1.0, devicePixelsPerInch / double(kScreenPixelsPerInch));
}

Rect lineBand(int x1, int y1, int x2, int y2, int thickness) {
    const bool level = y1 == y2;
    return Rect{std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1) + (level ? 1 : thickness),
                std::abs(y2 - y1) + (level ? thickness : 1)};
}

}  // namespace torvi::ui
