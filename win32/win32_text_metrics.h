#pragma once
// Text measured with GDI, given in twips: on the screen in its real pixels (through a memory
// context of the screen's kind, kept for the measurer's life, as asking Windows for the screen's
// own context on each measurement cost more than the measurement), or on a printer's device
// context at its own resolution.

#include <windows.h>

#include <memory>
#include <type_traits>

#include "ui/text_metrics.h"

namespace torvi::win32 {

class Win32TextMetrics : public ui::TextMetrics {
  public:
    Win32TextMetrics();
    explicit Win32TextMetrics(HDC device) : device_(device) {}
    int textWidth(const ui::Font& font, std::string_view text) const override;
    int lineHeight(const ui::Font& font) const override;
    int averageCharWidth(const ui::Font& font) const override;

  private:
    template <typename Measure>
    int measured(const ui::Font& font, bool across, Measure measure) const;
    struct DeleteContext {
        void operator()(HDC context) const { DeleteDC(context); }
    };
    HDC device_ = nullptr;
    std::unique_ptr<std::remove_pointer_t<HDC>, DeleteContext> screen_;
};

}  // namespace torvi::win32
