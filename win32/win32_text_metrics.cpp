#include "win32/win32_text_metrics.h"

#include "ui/units.h"
#include "win32/conversions.h"
#include "win32/fonts.h"

namespace torvi::win32 {
Win32TextMetrics::Win32TextMetrics() : screen_(CreateCompatibleDC(nullptr)) {}

// Runs a measurement on the device (or the screen) with the font selected, sized for the
// device's resolution down, and gives it in twips at its resolution across or down.
template <typename Measure>
int Win32TextMetrics::measured(const ui::Font& font, bool across, Measure measure) const {
    HDC dc = device_ ? device_ : screen_.get();
    const int down = device_ ? GetDeviceCaps(dc, LOGPIXELSY) : screenPixelsPerInch();
    HGDIOBJ old = SelectObject(dc, fontFor(font, down));
    const int units = measure(dc);
    SelectObject(dc, old);
    if (!across) return ui::pixelsToTwips(units, down);
    return ui::pixelsToTwips(units, device_ ? GetDeviceCaps(dc, LOGPIXELSX) : down);
}

int Win32TextMetrics::textWidth(const ui::Font& font, std::string_view text) const {
    const std::wstring wide = toWide(text);
    return measured(font, true, [&](HDC dc) {
        SIZE size{};
        GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
        return static_cast<int>(size.cx);
    });
}

int Win32TextMetrics::lineHeight(const ui::Font& font) const {
    return measured(font, false, [](HDC dc) {
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        return static_cast<int>(metrics.tmHeight + metrics.tmExternalLeading);
    });
}

int Win32TextMetrics::averageCharWidth(const ui::Font& font) const {
    return measured(font, true, [](HDC dc) {
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        return static_cast<int>(metrics.tmAveCharWidth);
    });
}

}  // namespace torvi::win32
