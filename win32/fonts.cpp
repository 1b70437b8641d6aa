#include "win32/fonts.h"

#include <map>
#include <tuple>

#include "ui/units.h"
#include "win32/conversions.h"

namespace torvi::win32 {
namespace {

// The face Windows' own dialogs and message boxes use (Segoe UI on today's Windows).
std::wstring interfaceFace() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0) &&
        metrics.lfMessageFont.lfFaceName[0] != L'\0')
        return metrics.lfMessageFont.lfFaceName;
    return L"MS Shell Dlg 2";
}

}  // namespace

std::wstring faceFor(const std::string& family) {
    // MS Sans Serif, the dialog font of old, is Microsoft Sans Serif on today's Windows.
    if (family == "MS Sans Serif") return L"Microsoft Sans Serif";
    if (family == ui::kInterfaceFamily) {
        static const std::wstring face = interfaceFace();
        return face;
    }
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
