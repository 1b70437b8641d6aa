#include "win32/fonts.h"

#include <map>
#include <tuple>

#include "ui/units.h"
#include "win32/conversions.h"

namespace torvi::win32 {

HFONT fontFor(const ui::Font& font, int pixelsPerInch) {
    if (pixelsPerInch <= 0) pixelsPerInch = screenPixelsPerInch();
    static std::map<std::tuple<std::string, double, bool, int>, HFONT> fonts;
    const auto key = std::make_tuple(font.family, font.pointSize, font.bold, pixelsPerInch);
    if (const auto found = fonts.find(key); found != fonts.end()) return found->second;
    // MS Sans Serif, the dialog font of old, is Microsoft Sans Serif on today's Windows.
    const std::string family =
        font.family == "MS Sans Serif" ? "Microsoft Sans Serif" : font.family;
    const int height = -ui::pointsToPixels(font.pointSize, pixelsPerInch);
    HFONT created =
        CreateFontW(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                    DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                    DEFAULT_PITCH | FF_SWISS, toWide(family).c_str());
    fonts[key] = created;
    return created;
}

}  // namespace torvi::win32
