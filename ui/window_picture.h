#pragma once
// A window's client area as a picture of its own, outside the screen: as an SVG drawing (for
// saving), and the PNG pictures it shows, which each system hands over from its resources.

#include <optional>
#include <string>
#include <vector>

#include "ui/drawing.h"
#include "ui/text_metrics.h"
#include "ui/window.h"

namespace torvi::ui {

// Pictures as PNG files' bytes, from the system: those the windows show, by resource name
// (nothing where the system keeps them in another form), a window's client area as the screen
// shows it, and a page's items (twips from its top left corner) painted as a printer would paint
// them, on a page of this size in twips at this many pixels an inch.
class PictureSource {
  public:
    virtual ~PictureSource() = default;
    virtual std::optional<std::string> png(const std::string& resource) = 0;
    virtual std::optional<std::string> windowPng(const Window& window) = 0;
    virtual std::optional<std::string> pagePng(const std::vector<DrawItem>& items, int width,
                                               int height, int dotsPerInch) = 0;
};

// The client area at its design size (1 pixel = 15 twips): its background, and its visible
// elements in design order, each inside what holds it: fills and borders, texts in their fonts,
// lines, and pictures embedded when the source has them.
std::string windowSvg(const Window& window, PictureSource* pictures);

// The same client area as texts, lines, fills and stored pictures on a page (twips), grown by a
// scale from an origin.
void drawWindow(const Window& window, DrawingSink& page, const TextMetrics& metrics, double scale,
                Point origin);

// Text as markup (SVG, HTML) holds it: "&", "<", ">" and '"' written as entities.
std::string escapedMarkup(std::string_view text);

// Base64, for pictures embedded in a drawing.
std::string base64(std::string_view bytes);

}  // namespace torvi::ui
