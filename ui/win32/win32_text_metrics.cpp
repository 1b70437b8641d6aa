#include "ui/win32/win32_text_metrics.h"

#include <windows.h>

#include "ui/win32/conversions.h"
#include "ui/win32/fonts.h"

namespace torvi::ui::win32 {
namespace {

// Runs a measurement on a screen device context with the font selected.
template <typename Measure>
int measured(const Font& font, Measure measure) {
    HDC screen = GetDC(nullptr);
    HGDIOBJ old = SelectObject(screen, fontFor(font));
    const int pixels = measure(screen);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    return toTwips(pixels);
}

}  // namespace

int Win32TextMetrics::textWidth(const Font& font, std::string_view text) const {
    const std::wstring wide = toWide(text);
    return measured(font, [&](HDC dc) {
        SIZE size{};
        GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
        return static_cast<int>(size.cx);
    });
}

int Win32TextMetrics::lineHeight(const Font& font) const {
    return measured(font, [](HDC dc) {
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        return static_cast<int>(metrics.tmHeight + metrics.tmExternalLeading);
    });
}

int Win32TextMetrics::averageCharWidth(const Font& font) const {
    return measured(font, [](HDC dc) {
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        return static_cast<int>(metrics.tmAveCharWidth);
    });
}

}  // namespace torvi::ui::win32
