#include "win32/conversions.h"

#include <cmath>

#include "ui/application.h"
#include "ui/units.h"
#include "ui/window.h"

namespace torvi::win32 {

namespace {

int systemPixelsPerInch() {
    HDC screen = GetDC(nullptr);
    const int value = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return value > 0 ? value : ui::kScreenPixelsPerInch;
}

int& currentPixelsPerInch() {
    static int perInch = systemPixelsPerInch();
    return perInch;
}

}  // namespace

int screenPixelsPerInch() {
    return currentPixelsPerInch();
}

void setScreenPixelsPerInch(int pixelsPerInch) {
    if (pixelsPerInch > 0) currentPixelsPerInch() = pixelsPerInch;
}

int pixelsPerInchOf(HWND window) {
    // GetDpiForWindow came with Windows 10; before it, every monitor has the system's.
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow =
        reinterpret_cast<GetDpiForWindowFunction>(reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    const UINT perInch = getDpiForWindow != nullptr ? getDpiForWindow(window) : 0;
    return perInch > 0 ? static_cast<int>(perInch) : systemPixelsPerInch();
}

int toPixels(int twips) {
    return ui::twipsToPixels(twips, screenPixelsPerInch());
}

int toTwips(int pixels) {
    return ui::pixelsToTwips(pixels, screenPixelsPerInch());
}

RECT toPixels(const ui::Rect& rect) {
    const int left = toPixels(rect.left);
    const int top = toPixels(rect.top);
    return RECT{left, top, left + toPixels(rect.width), top + toPixels(rect.height)};
}

int contentPixelsPerInch(const ui::Window& window) {
    // The screen's pixels per inch already hold the zoom.
    const double fill = window.contentScale() / window.application().zoomScale();
    return static_cast<int>(std::lround(screenPixelsPerInch() * fill));
}

int toPixels(int twips, int pixelsPerInch) {
    return ui::twipsToPixels(twips, pixelsPerInch);
}

RECT toPixels(const ui::Rect& rect, int pixelsPerInch) {
    if (pixelsPerInch == screenPixelsPerInch()) return toPixels(rect);
    const ui::Rect shown = ui::twipsToDevice(rect, {pixelsPerInch, pixelsPerInch});
    return RECT{shown.left, shown.top, shown.right(), shown.bottom()};
}

COLORREF toColorRef(ui::Rgb colour) {
    return RGB(colour.red, colour.green, colour.blue);
}

std::wstring toWide(std::string_view text) {
    if (text.empty()) return {};
    const int size =
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), size);
    return wide;
}

std::string toUtf8(std::wstring_view text) {
    if (text.empty()) return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size,
                        nullptr, nullptr);
    return bytes;
}

}  // namespace torvi::win32
