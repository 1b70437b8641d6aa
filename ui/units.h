#pragma once
// The model's units on a device: twips (1/1440 inch) as a screen's or a printer's pixels, type
// sizes in points, and the pixels a line element covers.

#include "ui/types.h"

namespace torvi::ui {

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kPointsPerInch = 72;
// The screen the windows are laid out for: 15 twips a pixel.
inline constexpr int kScreenPixelsPerInch = 96;
inline constexpr int kTwipsPerPixel = kTwipsPerInch / kScreenPixelsPerInch;

// To the nearest whole pixel or twip, halves away from zero.
int twipsToPixels(int twips, int pixelsPerInch = kScreenPixelsPerInch);
int pixelsToTwips(int pixels, int pixelsPerInch = kScreenPixelsPerInch);
// The height in pixels of a type size, to the nearest pixel.
int pointsToPixels(double points, int pixelsPerInch);

// A pixel of the screen on a device with this resolution: a line one screen pixel thick is as
// thick on paper. Never less than one of the device's pixels.
double devicePixelsPerScreenPixel(int devicePixelsPerInch);

// A device's pixels per inch across and down. A printer mode may have them unequal (600 x 300
// dpi): a position across is converted at the one, a position down at the other.
struct Resolution {
    int across = kScreenPixelsPerInch;
    int down = kScreenPixelsPerInch;
    friend bool operator==(const Resolution&, const Resolution&) = default;
};
// A point in twips as the device's pixels.
Point twipsToDevice(Point twips, Resolution resolution);
// A rectangle in twips as the device's pixels: its corners converted, so that adjacent ones
// stay adjacent.
Rect twipsToDevice(const Rect& twips, Resolution resolution);
// The pen width on the device, in whole pixels, of a line this many screen pixels thick: a level
// line's thickness lies down the page, an upright one's across, a sloping one takes the finer.
int penWidthOnDevice(Point from, Point to, int thickness, Resolution resolution);

// How much contents designed for one client size grow to fill another (both in twips): as much as
// the tighter way allows, keeping their proportions, and never below the design's own size; a size
// within a pixel of the design's is the design's.
double fillScale(int shownWidth, int shownHeight, int designWidth, int designHeight);
// A length or a place in twips as the screen's pixels with the contents grown by a scale (1 for
// the design's size, where the result is twipsToPixels'): the place's corners rounded, so that
// adjacent places stay adjacent.
int scaledPixels(int twips, double scale);
Rect scaledPixels(const Rect& twips, double scale);
// Pixels shown at a scale as the model's twips: pixelsToTwips' at 1.
int unscaledTwips(int pixels, double scale);
// A line's thickness in pixels at that scale: never thinner than one.
int scaledThickness(int thickness, double scale);

// The pixels a level or upright line element covers, its ends given in pixels: the span between
// them, ends included, and as thick as the line, growing downward from a level line and rightward
// from an upright one. (A sloping line is drawn as a pen stroke instead.)
Rect lineBand(int x1, int y1, int x2, int y2, int thickness);

}  // namespace torvi::ui
