#include "qt/qt_text_metrics.h"

#include <QPaintDevice>
#include <cmath>

#include "qt/conversions.h"
#include "qt/fonts.h"

namespace torvi::qt {

QFontMetricsF QtTextMetrics::metricsFor(const ui::Font& font) const {
    return device_ ? QFontMetricsF(printerFont(font), device_) : QFontMetricsF(screenFont(font));
}

double QtTextMetrics::toTwipsOnDevice(double units) const {
    if (device_ == nullptr) return units * ui::kTwipsPerPixel;
    return units * ui::kTwipsPerInch / device_->logicalDpiY();
}

int QtTextMetrics::textWidth(const ui::Font& font, std::string_view text) const {
    const QFontMetricsF metrics = metricsFor(font);
    const double advance = metrics.horizontalAdvance(toQString(text));
    // On the screen a text takes whole pixels, so that a label fitted to it shows all of it.
    if (device_ == nullptr) return static_cast<int>(std::ceil(advance)) * ui::kTwipsPerPixel;
    return static_cast<int>(std::lround(toTwipsOnDevice(advance)));
}

int QtTextMetrics::lineHeight(const ui::Font& font) const {
    const QFontMetricsF metrics = metricsFor(font);
    return static_cast<int>(std::lround(toTwipsOnDevice(metrics.height())));
}

int QtTextMetrics::averageCharWidth(const ui::Font& font) const {
    const QFontMetricsF metrics = metricsFor(font);
    return static_cast<int>(std::lround(toTwipsOnDevice(metrics.averageCharWidth())));
}

}  // namespace torvi::qt
