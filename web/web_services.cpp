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

namespace {

class WebPrintJob : public ui::PrintJob {
  public:
    const ui::TextMetrics& metrics() const override { return metrics_; }
    void setOrientation(ui::Orientation orientation) override { orientation_ = orientation; }
    void drawText(const ui::TextRun& run) override { items_.emplace_back(run); }
    void drawLine(const ui::LineRun& run) override { items_.emplace_back(run); }
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

std::optional<std::string> WebDialogs::chooseSaveFile(const std::string&,
                                                      const std::string& proposedName,
                                                      const std::string&) {
    return proposedName;
}

std::optional<std::string> WebDialogs::chooseOpenFile(const std::string&,
                                                      const std::string& filter) {
    // "Torvi exercises (*.torvi)" lets the picker offer ".torvi" files.
    const std::size_t star = filter.find("*.");
    const std::size_t close = filter.find(')', star);
    const std::string accept =
        star == std::string::npos ? std::string() : filter.substr(star + 1, close - star - 1);
    return pickFile(files_, accept);
}

}  // namespace torvi::web
