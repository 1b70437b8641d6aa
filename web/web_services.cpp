#include "web/web_services.h"

#include <cmath>

#include "ui/units.h"
#include "web/dom.h"

namespace torvi::web {

int WebTextMetrics::textWidth(const ui::Font& font, std::string_view text) const {
    return ui::pixelsToTwips(static_cast<int>(std::ceil(dom::textWidth(font, text))));
}

int WebTextMetrics::lineHeight(const ui::Font& font) const {
    // A line as the desktop's faces have it: about 1.2 times the type size.
    const double pixels = font.pointSize * ui::kScreenPixelsPerInch / ui::kPointsPerInch;
    return ui::pixelsToTwips(static_cast<int>(std::lround(pixels * 1.2)));
}

int WebTextMetrics::averageCharWidth(const ui::Font& font) const {
    // The average of the lower-case letters, as a font's own average width is meant.
    const double width = dom::textWidth(font, "abcdefghijklmnopqrstuvwxyz") / 26;
    return ui::pixelsToTwips(static_cast<int>(std::lround(width)));
}

void WebDialogs::show(const std::string&, const std::string& text) {
    dom::alert(text);
}

bool WebDialogs::ask(const std::string&, const std::string& question) {
    return dom::confirm(question);
}

std::optional<std::string> WebDialogs::chooseSaveFile(const std::string&, const std::string&,
                                                      const std::string&) {
    return std::nullopt;
}

}  // namespace torvi::web
