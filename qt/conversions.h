#pragma once
// The model's units as Qt's: twips and the screen's pixels, colours, and text, which the model
// holds as UTF-8 and Qt as UTF-16.

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <string>
#include <string_view>

#include "ui/element.h"
#include "ui/types.h"
#include "ui/units.h"

namespace torvi::ui {
class Application;
}

namespace torvi::qt {

inline int toPixels(int twips) {
    return ui::twipsToPixels(twips);
}
inline double toPixelsF(int twips) {
    return twips / double(ui::kTwipsPerPixel);
}
inline int toTwips(int pixels) {
    return ui::pixelsToTwips(pixels);
}
QRect toPixels(const ui::Rect& rect);
// The scale an element's window shows its contents at (1 but in a graph grown with its window).
double scaleOf(const ui::Element& element);
// An element's place in its container's pixels, at its window's scale.
QRect shownPlace(const ui::Element& element);
// A window's place and its lengths in pixels at the zoom, and pixels shown at the zoom in twips.
QRect zoomedPixels(const ui::Application& application, const ui::Rect& twips);
int zoomedPixels(const ui::Application& application, int twips);
int zoomedTwips(const ui::Application& application, int pixels);
// The system's interface font at an element's window's scale, for the system's own controls.
QFont controlFont(const ui::Element& element);
QColor toQColor(ui::Rgb colour);

inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::string toStdString(const QString& text) {
    return text.toStdString();
}

}  // namespace torvi::qt
