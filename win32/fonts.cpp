#include "win32/fonts.h"

#include <map>
#include <tuple>

#include "ui/units.h"
#include "win32/conversions.h"

namespace torvi::win32 {
std::wstring faceFor(const std::string& family) {
    // MS Sans Serif, the dialog font of old, is Microsoft Sans Serif on today's Windows.
    if (family == "MS Sans Serif") return L"Microsoft Sans Serif";
    // The face Windows' dialogs are declared in: each Windows resolves it through its font
    // substitutes, to Microsoft Sans Serif since Windows 2000, on the screen and on paper alike.
    if (family == ui::kInterfaceFamily) return L"MS Shell Dlg";
    return toWide(family);
}

HFONT fontFor(const ui::Font& font, int pixelsPerInch) {
    if (pixelsPerInch <= 0) pixelsPerInch = screenPixelsPerInch();
    static std::map<std::tuple<std::string, double, bool, int>, HFONT> fonts;
    const auto key = std::make_tuple(font.family, font.pointSize, font.bold, pixelsPerInch);
    if (const auto found = fonts.find(key); found != fonts.end()) return found->second;
    const int height = -ui::pointsToPixels(font.pointSize, pixelsPerInch);
    HFONT created =
        CreateFontW(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                    DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                    DEFAULT_PITCH | FF_SWISS, faceFor(font.family).c_str());
    fonts[key] = created;
    return created;
}

}  // namespace torvi::win32
