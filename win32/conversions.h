#pragma once
// The model's units as Windows': twips and the screen's real pixels, colours, and text, which
// the model holds as UTF-8 and the wide-character API takes as UTF-16.

#include <windows.h>

#include <string>
#include <string_view>

#include "ui/types.h"

namespace torvi::ui {
class Window;
}

namespace torvi::win32 {

// The screen's pixels per inch: the system's at the start, then those of the monitor the main
// window is on. Torvi declares itself aware of each monitor's scale (its manifest), so Windows
// does not stretch its windows: every size is converted from twips with this.
int screenPixelsPerInch();
void setScreenPixelsPerInch(int pixelsPerInch);
// The pixels per inch of the monitor a window is on.
int pixelsPerInchOf(HWND window);
int toPixels(int twips);
int toTwips(int pixels);
RECT toPixels(const ui::Rect& rect);
// The pixels per inch a window's contents are shown at: the screen's, grown with a graph that
// fills its window.
int contentPixelsPerInch(const ui::Window& window);
// Twips as pixels at that many an inch; a place's corners rounded where it is not the screen's.
int toPixels(int twips, int pixelsPerInch);
RECT toPixels(const ui::Rect& rect, int pixelsPerInch);
COLORREF toColorRef(ui::Rgb colour);

std::wstring toWide(std::string_view text);
std::string toUtf8(std::wstring_view text);

}  // namespace torvi::win32
