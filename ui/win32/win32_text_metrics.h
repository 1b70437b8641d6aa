#pragma once
// Text measured with GDI on the screen, in the screen's real pixels, given in twips.

#include "ui/text_metrics.h"

namespace torvi::ui::win32 {

class Win32TextMetrics : public TextMetrics {
  public:
    int textWidth(const Font& font, std::string_view text) const override;
    int lineHeight(const Font& font) const override;
    int averageCharWidth(const Font& font) const override;
};

}  // namespace torvi::ui::win32
