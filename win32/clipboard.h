#pragma once
// What Ctrl+C copies from a window, on Windows' clipboard: a table as Unicode text (tab-separated,
// lines ending in CR LF) and as "HTML Format", a picture as a device-independent bitmap.

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

#include "ui/window.h"

namespace torvi::win32 {

// An HTML fragment as "HTML Format" holds it: a header with the byte offsets of the document and
// of the fragment within it, then the document.
std::string htmlClipboardText(std::string_view fragment);

// Puts the window's copy on the clipboard; its picture is what paint draws on a bitmap of this
// size. False when there is nothing to copy or the clipboard refused.
bool copyToClipboard(const ui::Window::Copy& copy, HWND owner, SIZE size,
                     const std::function<void(HDC)>& paint);

}  // namespace torvi::win32
