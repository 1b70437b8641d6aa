#include "ui/qt/conversions.h"

namespace torvi::ui::qt {

QRect toPixels(const Rect& rect) {
    return QRect(toPixels(rect.left), toPixels(rect.top), toPixels(rect.width),
                 toPixels(rect.height));
}

QColor toQColor(Rgb colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

}  // namespace torvi::ui::qt
