#include "qt/conversions.h"

#include "qt/fonts.h"
#include "ui/application.h"
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

QRect zoomedPixels(const ui::Application& application, const ui::Rect& twips) {
    if (application.zoom() == ui::kActualSize) return toPixels(twips);
    const ui::Rect shown = ui::scaledPixels(twips, application.zoomScale());
    return QRect(shown.left, shown.top, shown.width, shown.height);
}

int zoomedPixels(const ui::Application& application, int twips) {
    return ui::scaledPixels(twips, application.zoomScale());
}

int zoomedTwips(const ui::Application& application, int pixels) {
    return ui::unscaledTwips(pixels, application.zoomScale());
}

QFont controlFont(const ui::Element& element) {
    return screenFont(ui::scaled(ui::Font{}, scaleOf(element)));
}

QColor toQColor(ui::Rgb colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

}  // namespace torvi::qt
