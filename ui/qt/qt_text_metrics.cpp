#include "ui/qt/qt_text_metrics.h"

#include <QPaintDevice>
#include <cmath>

#include "ui/qt/conversions.h"
#include "ui/qt/fonts.h"

namespace torvi::ui::qt {

QFontMetricsF QtTextMetrics::metricsFor(const Font& font) const {
    return device_ ? QFontMetricsF(printerFont(font), device_) : QFontMetricsF(screenFont(font));
}

double QtTextMetrics::toTwipsOnDevice(double units) const {
    if (device_ == nullptr) return units * kTwipsPerPixel;
    return units * 1440.0 / device_->logicalDpiY();
}

int QtTextMetrics::textWidth(const Font& font, std::string_view text) const {
    const QFontMetricsF metrics = metricsFor(font);
    const double advance = metrics.horizontalAdvance(toQString(text));
    // On the screen a text takes whole pixels, so that a label fitted to it shows all of it.
    if (device_ == nullptr) return static_cast<int>(std::ceil(advance)) * kTwipsPerPixel;
    return static_cast<int>(std::lround(toTwipsOnDevice(advance)));
}

int QtTextMetrics::lineHeight(const Font& font) const {
    const QFontMetricsF metrics = metricsFor(font);
    return static_cast<int>(std::lround(toTwipsOnDevice(metrics.height())));
}

int QtTextMetrics::averageCharWidth(const Font& font) const {
    const QFontMetricsF metrics = metricsFor(font);
    return static_cast<int>(std::lround(toTwipsOnDevice(metrics.averageCharWidth())));
}

}  // namespace torvi::ui::qt
