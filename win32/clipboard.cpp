#include "win32/clipboard.h"

#include <algorithm>
#include <cstring>

#include "win32/conversions.h"

namespace torvi::win32 {
namespace {

// A movable global block holding the bytes, as the clipboard takes its data.
HGLOBAL globalCopy(const void* bytes, std::size_t size) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    if (block == nullptr) return nullptr;
    std::memcpy(GlobalLock(block), bytes, size);
    GlobalUnlock(block);
    return block;
}

// A 24-bit bottom-up DIB (header and pixels) of what paint draws.
HGLOBAL paintedBitmap(SIZE size, const std::function<void(HDC)>& paint) {
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = size.cx;
    header.biHeight = size.cy;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    const DWORD stride = ((size.cx * 3 + 3) / 4) * 4;
    header.biSizeImage = stride * size.cy;
    void* pixels = nullptr;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header),
                                      DIB_RGB_COLORS, &pixels, nullptr, 0);
    ReleaseDC(nullptr, screen);
    HGLOBAL block = nullptr;
    if (bitmap != nullptr && pixels != nullptr) {
        HGDIOBJ previous = SelectObject(memory, bitmap);
        paint(memory);
        GdiFlush();
        SelectObject(memory, previous);
        block = GlobalAlloc(GMEM_MOVEABLE, sizeof header + header.biSizeImage);
        if (block != nullptr) {
            auto* bytes = static_cast<unsigned char*>(GlobalLock(block));
            std::memcpy(bytes, &header, sizeof header);
            std::memcpy(bytes + sizeof header, pixels, header.biSizeImage);
            GlobalUnlock(block);
        }
    }
    if (bitmap != nullptr) DeleteObject(bitmap);
    DeleteDC(memory);
    return block;
}

}  // namespace

std::string htmlClipboardText(std::string_view fragment) {
    // Each offset ten digits wide, so that the header's length does not depend on them.
    const auto offset = [](std::size_t value) {
        const std::string digits = std::to_string(value);
        return std::string(10 - std::min<std::size_t>(10, digits.size()), '0') + digits;
    };
    const auto header = [&](std::size_t startHtml, std::size_t endHtml, std::size_t start,
                            std::size_t end) {
        return "Version:0.9\r\nStartHTML:" + offset(startHtml) + "\r\nEndHTML:" + offset(endHtml) +
               "\r\nStartFragment:" + offset(start) + "\r\nEndFragment:" + offset(end) + "\r\n";
    };
    const std::string before = "<html><body>\r\n<!--StartFragment-->";
    const std::string after = "<!--EndFragment-->\r\n</body></html>";
    const std::size_t startHtml = header(0, 0, 0, 0).size();
    const std::size_t startFragment = startHtml + before.size();
    const std::size_t endFragment = startFragment + fragment.size();
    return header(startHtml, endFragment + after.size(), startFragment, endFragment) + before +
           std::string(fragment) + after;
}

bool copyToClipboard(const ui::Window::Copy& copy, HWND owner, SIZE size,
                     const std::function<void(HDC)>& paint) {
    if (copy.text.empty() && !copy.picture) return false;
    if (!OpenClipboard(owner)) return false;
    EmptyClipboard();
    bool placed = true;
    if (!copy.text.empty()) {
        std::wstring text;
        for (const wchar_t c : toWide(copy.text)) {
            if (c == L'\n') text += L'\r';
            text += c;
        }
        placed = SetClipboardData(CF_UNICODETEXT,
                                  globalCopy(text.c_str(), (text.size() + 1) * sizeof(wchar_t)));
        const std::string html = htmlClipboardText(copy.html);
        static const UINT htmlFormat = RegisterClipboardFormatW(L"HTML Format");
        placed = SetClipboardData(htmlFormat, globalCopy(html.c_str(), html.size() + 1)) && placed;
    }
    if (copy.picture) placed = SetClipboardData(CF_DIB, paintedBitmap(size, paint)) && placed;
    CloseClipboard();
    return placed;
}

}  // namespace torvi::win32
