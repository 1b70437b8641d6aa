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

Point twipsToDevice(Point twips, Resolution resolution) {
    return {twipsToPixels(twips.x, resolution.across), twipsToPixels(twips.y, resolution.down)};
}

Rect twipsToDevice(const Rect& twips, Resolution resolution) {
    const Point topLeft = twipsToDevice(Point{twips.left, twips.top}, resolution);
    const Point bottomRight = twipsToDevice(Point{twips.right(), twips.bottom()}, resolution);
    return {topLeft.x, topLeft.y, bottomRight.x - topLeft.x, bottomRight.y - topLeft.y};
}

int penWidthOnDevice(Point from, Point to, int thickness, Resolution resolution) {
    const int perInch = from.y == to.y   ? resolution.down
                        : from.x == to.x ? resolution.across
                                         : std::min(resolution.across, resolution.down);
    return static_cast<int>(devicePixelsPerScreenPixel(perInch)) * thickness;
}

double fillScale(int shownWidth, int shownHeight, int designWidth, int designHeight) {
    if (designWidth <= 0 || designHeight <= 0) return 1;
    // A size that shows as the design's, to the pixel, is the design's.
    if (shownWidth < designWidth + kTwipsPerPixel || shownHeight < designHeight + kTwipsPerPixel)
        return 1;
    return std::max(1.0,
                    std::min(shownWidth / double(designWidth), shownHeight / double(designHeight)));
}

int scaledPixels(int twips, double scale) {
    if (scale == 1) return twipsToPixels(twips);
    return static_cast<int>(std::lround(twips * scale / kTwipsPerPixel));
}

Rect scaledPixels(const Rect& twips, double scale) {
    if (scale == 1) {
        return {twipsToPixels(twips.left), twipsToPixels(twips.top), twipsToPixels(twips.width),
                twipsToPixels(twips.height)};
    }
    const int left = scaledPixels(twips.left, scale);
    const int top = scaledPixels(twips.top, scale);
    return {left, top, scaledPixels(twips.right(), scale) - left,
            scaledPixels(twips.bottom(), scale) - top};
}

int unscaledTwips(int pixels, double scale) {
    if (scale == 1) return pixelsToTwips(pixels);
    return static_cast<int>(std::lround(pixels * kTwipsPerPixel / scale));
}

int scaledThickness(int thickness, double scale) {
    return std::max(1, static_cast<int>(std::lround(thickness * scale)));
}

Rect lineBand(int x1, int y1, int x2, int y2, int thickness) {
    const bool level = y1 == y2;
    return Rect{std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1) + (level ? 1 : thickness),
                std::abs(y2 - y1) + (level ? thickness : 1)};
}

}  // namespace torvi::ui
