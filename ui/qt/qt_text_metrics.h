#pragma once
// Twips and pixels, the model's fonts as Qt fonts, and text measurement with Qt's font metrics.

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QRect>
#include <QString>
#include <string>

#include "ui/text_metrics.h"

class QPaintDevice;

namespace torvi::ui::qt {

inline int toPixels(int twips) {
    return (twips + (twips >= 0 ? 7 : -7)) / kTwipsPerPixel;
}
inline double toPixelsF(int twips) {
    return twips / double(kTwipsPerPixel);
}
inline int toTwips(double pixels) {
    return static_cast<int>(pixels * kTwipsPerPixel + 0.5);
}
QRect toPixels(const Rect& rect);
QColor toQColor(Rgb colour);
inline QString toQString(const std::string& text) {
    return QString::fromStdString(text);
}
inline std::string toStdString(const QString& text) {
    return text.toStdString();
}

// The font on the screen: sized in pixels at 96 dpi, so that layouts in twips do not depend on
// the screen's resolution. Families that the system lacks fall back to metric-compatible faces.
QFont screenFont(const Font& font);
// The same font for a printer, sized in points.
QFont printerFont(const Font& font);

// Measures with screen fonts, or with printer fonts on a given device.
class QtTextMetrics : public TextMetrics {
  public:
    QtTextMetrics() = default;
    explicit QtTextMetrics(QPaintDevice* device) : device_(device) {}
    int textWidth(const Font& font, std::string_view text) const override;
    int lineHeight(const Font& font) const override;
    int averageCharWidth(const Font& font) const override;

  private:
    double toTwipsOnDevice(double units) const;
    QFontMetricsF metricsFor(const Font& font) const;
    QPaintDevice* device_ = nullptr;
};

}  // namespace torvi::ui::qt
