#include "ui/qt/qt_text_metrics.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QString>
#include <cmath>

namespace torvi::ui::qt {
namespace {

QStringList familiesFor(const std::string& family) {
    const QString name = QString::fromStdString(family);
    // The system's dialog font of old; Liberation Sans has the metrics of its Arial successor.
    if (name == "MS Sans Serif") return {"Liberation Sans", "Arial", "DejaVu Sans"};
    // A condensed face falls back to another narrow one, so that the table's columns still fit.
    if (name == "DejaVu Sans Condensed") return {name, "Liberation Sans Narrow", "DejaVu Sans"};
    return {name, "Liberation Sans", "DejaVu Sans"};
}

QFont baseFont(const Font& font) {
    QFont result;
    result.setFamilies(familiesFor(font.family));
    result.setBold(font.bold);
    result.setStyleStrategy(QFont::PreferAntialias);
    return result;
}

}  // namespace

QRect toPixels(const Rect& rect) {
    return QRect(toPixels(rect.left), toPixels(rect.top), toPixels(rect.width),
                 toPixels(rect.height));
}

QColor toQColor(Rgb colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

QFont screenFont(const Font& font) {
    QFont result = baseFont(font);
    // MS Sans Serif set its text smaller than Arial at the same size; 0.94 matches its widths.
    const double scale = font.family == "MS Sans Serif" ? 0.94 : 1.0;
    result.setPixelSize(
        std::max(1, static_cast<int>(std::lround(font.pointSize * 96.0 / 72.0 * scale))));
    return result;
}

QFont printerFont(const Font& font) {
    QFont result = baseFont(font);
    result.setPointSizeF(font.pointSize);
    return result;
}

QFontMetricsF QtTextMetrics::metricsFor(const Font& font) const {
    return device_ ? QFontMetricsF(printerFont(font), device_) : QFontMetricsF(screenFont(font));
}

double QtTextMetrics::toTwipsOnDevice(double units) const {
    if (device_ == nullptr) return units * kTwipsPerPixel;
    return units * 1440.0 / device_->logicalDpiY();
}

int QtTextMetrics::textWidth(const Font& font, std::string_view text) const {
    const QString string = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const QFontMetricsF metrics = metricsFor(font);
    const double advance = metrics.horizontalAdvance(string);
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
