#include "web/web_services.h"

#include <emscripten.h>

#include <cmath>

#include "ui/files.h"
#include "ui/units.h"
#include "web/dom.h"
#include "web/web_binding.h"

// clang-format off
// A number kept under "torvi." and its name, or -1 (with found 0) for none. Local storage may be
// refused (a private window, a file opened from disk in some browsers): nothing is kept then.
EM_JS(int, torviReadSetting, (const char* name, int* found), {
    var value = null;
    try { value = window.localStorage.getItem("torvi." + UTF8ToString(name)); } catch (e) {}
    var number = value === null ? NaN : Number(value);
    HEAP32[found >> 2] = Number.isInteger(number) ? 1 : 0;
    return Number.isInteger(number) ? number : -1;
});
EM_JS(void, torviWriteSetting, (const char* name, int value), {
    try { window.localStorage.setItem("torvi." + UTF8ToString(name), String(value)); } catch (e) {}
});
// clang-format on

namespace torvi::web {

std::optional<std::string> WebPictures::png(const std::string& resource) {
    if (!resource.ends_with(".png")) return std::nullopt;
    return dom::resourceBytes(resource);
}

std::optional<std::string> WebPictures::pagePng(const std::vector<ui::DrawItem>& items, int width,
                                                int height, int dotsPerInch) {
    const ui::Resolution resolution{dotsPerInch, dotsPerInch};
    const ui::Point size = ui::twipsToDevice(ui::Point{width, height}, resolution);
    return dom::pagePng(items, size.x, size.y, dotsPerInch / double(ui::kScreenPixelsPerInch));
}

std::optional<std::string> WebPictures::windowPng(const ui::Window& window) {
    return binding_.clientPng(window);
}

std::optional<int> WebSettings::number(const std::string& name) {
    int found = 0;
    const int value = torviReadSetting(name.c_str(), &found);
    return found ? std::optional(value) : std::nullopt;
}

void WebSettings::setNumber(const std::string& name, int value) {
    torviWriteSetting(name.c_str(), value);
}

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

namespace {

class WebPrintJob : public ui::PrintJob {
  public:
    const ui::TextMetrics& metrics() const override { return metrics_; }
    void setOrientation(ui::Orientation orientation) override { orientation_ = orientation; }
    void drawText(const ui::TextRun& run) override { items_.emplace_back(run); }
    void drawLine(const ui::LineRun& run) override { items_.emplace_back(run); }
    void drawFill(const ui::FillRun& run) override { items_.emplace_back(run); }
    void drawPicture(const ui::PictureRun& run) override { items_.emplace_back(run); }
    ui::PrintFailure endDocument() override {
        dom::print(orientation_ == ui::Orientation::Landscape, items_);
        return {};
    }

  private:
    WebTextMetrics metrics_;
    ui::Orientation orientation_ = ui::Orientation::Portrait;
    std::vector<ui::DrawItem> items_;
};

}  // namespace

std::unique_ptr<ui::PrintJob> WebPrinters::openDefault() {
    return std::make_unique<WebPrintJob>();
}

void WebDialogs::show(const std::string& title, const std::string& text) {
    dom::messageBox(title, text, false);
}

bool WebDialogs::ask(const std::string& title, const std::string& question) {
    return dom::messageBox(title, question, true);
}

std::optional<ui::FileChoice> WebDialogs::chooseSaveFile(const std::string& title,
                                                         const std::string& proposedName,
                                                         const std::string& filter) {
    // A download takes the proposed name; where the filter offers more types ("PNG pictures
    // (*.png);;SVG drawings (*.svg)"), the page asks for each in turn instead of a dialog's list.
    const std::vector<std::string> types = ui::filterTypes(filter);
    for (std::size_t type = 1; type < types.size(); ++type) {
        const std::string extension = ui::typeExtension(types[type]);
        if (extension.empty() ||
            !dom::messageBox(title, "Save as " + types[type] + " instead of " + types[0] + "?",
                             true))
            continue;
        return ui::FileChoice{proposedName.substr(0, proposedName.rfind('.')) + extension,
                              static_cast<int>(type)};
    }
    return ui::FileChoice{proposedName, 0};
}

std::optional<std::string> WebDialogs::chooseOpenFile(const std::string&,
                                                      const std::string& filter) {
    // "Torvi exercises (*.torvi)" lets the picker offer ".torvi" files.
    return pickFile(files_, ui::typeExtension(filter));
}

}  // namespace torvi::web
