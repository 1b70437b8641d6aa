#include "qt/conversions.h"

namespace torvi::qt {

QRect toPixels(const ui::Rect& rect) {
    return QRect(toPixels(rect.left), toPixels(rect.top), toPixels(rect.width),
                 toPixels(rect.height));
}

QColor toQColor(ui::Rgb colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

}  // namespace torvi::qt
