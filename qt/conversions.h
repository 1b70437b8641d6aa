#pragma once
// The model's units as Qt's: twips and pixels (15 twips a pixel at 96 dpi), colours, and text,
// which the model holds as UTF-8 and Qt as UTF-16.

#include <QColor>
#include <QRect>
#include <QString>
#include <string>
#include <string_view>

#include "ui/types.h"

namespace torvi::qt {

inline int toPixels(int twips) {
    return (twips + (twips >= 0 ? 7 : -7)) / ui::kTwipsPerPixel;
}
inline double toPixelsF(int twips) {
    return twips / double(ui::kTwipsPerPixel);
}
inline int toTwips(double pixels) {
    return static_cast<int>(pixels * ui::kTwipsPerPixel + 0.5);
}
QRect toPixels(const ui::Rect& rect);
QColor toQColor(ui::Rgb colour);

inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::string toStdString(const QString& text) {
    return text.toStdString();
}

}  // namespace torvi::qt
