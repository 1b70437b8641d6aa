#include "qt/conversions.h"

#include "ui/window.h"

namespace torvi::qt {

QRect toPixels(const ui::Rect& rect) {
    return QRect(toPixels(rect.left), toPixels(rect.top), toPixels(rect.width),
                 toPixels(rect.height));
}

double scaleOf(const ui::Element& element) {
    return element.window().contentScale();
}

QRect shownPlace(const ui::Element& element) {
    const ui::Rect place = ui::scaledPixels(element.geometry(), scaleOf(element));
    return QRect(place.left, place.top, place.width, place.height);
}

QColor toQColor(ui::Rgb colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

}  // namespace torvi::qt
