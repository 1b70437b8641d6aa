#include "win32/pictures.h"

#include <cctype>
#include <map>

#include "ui/units.h"
#include "win32/conversions.h"

namespace torvi::win32 {

std::wstring resourceName(const std::string& resource) {
    std::string name = resource.substr(0, resource.find('.'));
    for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (char& c : name) c = c == '-' ? '_' : c;
    return toWide(name);
}

void drawPicture(HDC dc, const ui::Picture& picture, const RECT& area, bool stretch,
                 int pixelsPerInch) {
    if (picture.resource.empty()) return;
    static std::map<std::string, HBITMAP> bitmaps;
    HBITMAP& bitmap = bitmaps[picture.resource];
    if (bitmap == nullptr) {
        bitmap = static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr),
                                                 resourceName(picture.resource).c_str(),
                                                 IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    }
    if (bitmap == nullptr) return;
    BITMAP size{};
    GetObjectW(bitmap, sizeof size, &size);
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, bitmap);
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (stretch) {
        SetStretchBltMode(dc, HALFTONE);
        StretchBlt(dc, area.left, area.top, width, height, source, 0, 0, size.bmWidth,
                   size.bmHeight, SRCCOPY);
    } else if (pixelsPerInch == ui::kScreenPixelsPerInch) {
        BitBlt(dc, area.left, area.top, std::min<int>(width, size.bmWidth),
               std::min<int>(height, size.bmHeight), source, 0, 0, SRCCOPY);
    } else {
        // A picture's pixels are the screen pixels the windows are laid out in (96 an inch): on
        // a screen of another scale it grows with everything else, then is cut to the box.
        const int shownWidth = toPixels(ui::pixelsToTwips(size.bmWidth), pixelsPerInch);
        const int shownHeight = toPixels(ui::pixelsToTwips(size.bmHeight), pixelsPerInch);
        const int saved = SaveDC(dc);
        IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
        SetStretchBltMode(dc, HALFTONE);
        StretchBlt(dc, area.left, area.top, shownWidth, shownHeight, source, 0, 0, size.bmWidth,
                   size.bmHeight, SRCCOPY);
        RestoreDC(dc, saved);
    }
    SelectObject(source, old);
    DeleteDC(source);
}

}  // namespace torvi::win32
