#pragma once
// Drawing items painted with QPainter: on the screen at 15 twips a pixel, or on a printer's page.

#include <QImage>
#include <QPixmap>
#include <QRectF>
#include <string>
#include <vector>

#include "ui/drawing.h"
#include "ui/units.h"

class QPaintDevice;
class QPainter;

namespace torvi::qt {

// Where items are painted. The screen takes the model's screen fonts and one-pixel pens; a
// printer its own resolution, its fonts measured on it and pens of the same look on paper.
struct Surface {
    double unitsPerTwip;
    QPaintDevice* printer = nullptr;
};
inline constexpr double kScreenUnitsPerTwip = 1.0 / ui::kTwipsPerPixel;

// A picture resource by name, or a null pixmap when there is none.
QPixmap loadPicture(const std::string& resource);

void paintItems(QPainter& painter, const std::vector<ui::DrawItem>& items, const Surface& surface);

// Paints a persistent drawing on the screen, what lies in an area of it (in screen pixels).
void paintDrawing(QPainter& painter, const ui::Drawing& drawing, const QRectF& area);
// The same into an image of the screen's pixels, the fastest way for many thin strokes.
void drawInto(QImage& image, const ui::Drawing& drawing);

}  // namespace torvi::qt
