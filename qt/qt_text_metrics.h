#pragma once
// Text measured with Qt's font metrics: on the screen, or with printer fonts on a given device.

#include <QFontMetricsF>

#include "ui/text_metrics.h"

class QPaintDevice;

namespace torvi::qt {

class QtTextMetrics : public ui::TextMetrics {
  public:
    QtTextMetrics() = default;
    explicit QtTextMetrics(QPaintDevice* device) : device_(device) {}
    int textWidth(const ui::Font& font, std::string_view text) const override;
    int lineHeight(const ui::Font& font) const override;
    int averageCharWidth(const ui::Font& font) const override;

  private:
    double toTwipsOnDevice(double units) const;
    QFontMetricsF metricsFor(const ui::Font& font) const;
    QPaintDevice* device_ = nullptr;
};

}  // namespace torvi::qt
