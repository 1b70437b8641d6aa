#pragma once
// Text measured with GDI, given in twips: on the screen in its real pixels, or on a printer's
// device context at its own resolution.

#include <windows.h>

#include "ui/text_metrics.h"

namespace torvi::ui::win32 {

class Win32TextMetrics : public TextMetrics {
  public:
    Win32TextMetrics() = default;
    explicit Win32TextMetrics(HDC device) : device_(device) {}
    int textWidth(const Font& font, std::string_view text) const override;
    int lineHeight(const Font& font) const override;
    int averageCharWidth(const Font& font) const override;

  private:
    template <typename Measure>
    int measured(const Font& font, Measure measure) const;
    HDC device_ = nullptr;
};

}  // namespace torvi::ui::win32
