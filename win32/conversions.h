#pragma once
// The model's units as Windows': twips and the screen's real pixels, colours, and text, which
// the model holds as UTF-8 and the wide-character API takes as UTF-16.

#include <windows.h>

#include <string>
#include <string_view>

#include "ui/types.h"

namespace torvi::win32 {

// The screen's pixels per inch, read once.
int screenPixelsPerInch();
int toPixels(int twips);
int toTwips(int pixels);
RECT toPixels(const ui::Rect& rect);
COLORREF toColorRef(ui::Rgb colour);

std::wstring toWide(std::string_view text);
std::string toUtf8(std::wstring_view text);

}  // namespace torvi::win32
