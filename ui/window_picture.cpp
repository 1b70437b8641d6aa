#include "ui/window_picture.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <functional>

#include "ui/controls.h"
#include "ui/units.h"

namespace torvi::ui {
namespace {

std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    std::string result(text);
    while (result.back() == '0') result.pop_back();
    if (result.back() == '.') result.pop_back();
    return result;
}

std::string svgColour(Rgb rgb) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", rgb.red, rgb.green, rgb.blue);
    return text;
}

// Pixels of the design's screen, 15 twips each.
double px(int twips) {
    return twips / double(kTwipsPerPixel);
}

// The family as a list a drawing program finds a face in.
std::string families(const Font& font) {
    const std::string first =
        font.family == kInterfaceFamily ? std::string("MS Shell Dlg") : font.family;
    return escapedMarkup(first) + ", Arial, Liberation Sans, sans-serif";
}

// What a window's picture is made of, in pixels of the design's screen (15 twips each).
class Shapes {
  public:
    virtual ~Shapes() = default;
    virtual void fill(double x, double y, double w, double h, Rgb colour) = 0;
    virtual void outline(double x, double y, double w, double h, Rgb colour) = 0;
    virtual void line(double x1, double y1, double x2, double y2, Rgb colour, int thickness) = 0;
    virtual void text(const Label& label, double x, double y, double w) = 0;
    virtual void picture(const Picture& shown, double x, double y, double w, double h) = 0;
};

// An area cut to a box, as an element is cut to what holds it; nothing left when they do not meet.
struct Box {
    double left, top, right, bottom;
};
std::optional<Box> cut(Box area, const Box& to) {
    area = {std::max(area.left, to.left), std::max(area.top, to.top),
            std::min(area.right, to.right), std::min(area.bottom, to.bottom)};
    if (area.right <= area.left || area.bottom <= area.top) return std::nullopt;
    return area;
}

// The background, then the visible elements in design order, each inside what holds it and cut
// to it.
void traceWindow(const Window& window, Shapes& shapes) {
    const Box client{0, 0, px(window.clientWidth()), px(window.clientHeight())};
    shapes.fill(0, 0, client.right, client.bottom, window.backColour);
    const auto fill = [&](const Box& clip, double x, double y, double w, double h, Rgb colour) {
        if (const auto shown = cut({x, y, x + w, y + h}, clip))
            shapes.fill(shown->left, shown->top, shown->right - shown->left,
                        shown->bottom - shown->top, colour);
    };
    const auto outline = [&](const Box& clip, double x, double y, double w, double h, Rgb colour) {
        if (const auto shown = cut({x, y, x + w, y + h}, clip))
            shapes.outline(shown->left, shown->top, shown->right - shown->left,
                           shown->bottom - shown->top, colour);
    };
    const std::function<void(const Element*, double, double, const Box&)> elementsIn =
        [&](const Element* container, double left, double top, const Box& clip) {
            for (const auto& owned : window.elements()) {
                const Element& element = *owned;
                if (element.container() != container || !element.visible()) continue;
                const Rect place = twipsToDevice(element.geometry(), Resolution{});
                const double x = left + place.left;
                const double y = top + place.top;
                switch (element.kind()) {
                    case ElementKind::Label: {
                        const auto& label = static_cast<const Label&>(element);
                        if (label.opaque)
                            fill(clip, x, y, place.width, place.height, label.fillColour);
                        if (label.bordered)
                            outline(clip, x, y, place.width, place.height, colours::black);
                        if (!label.caption().empty()) shapes.text(label, x, y, place.width);
                        break;
                    }
                    case ElementKind::PictureBox: {
                        const auto& box = static_cast<const PictureBox&>(element);
                        fill(clip, x, y, place.width, place.height, box.fillColour);
                        if (!box.picture.resource.empty())
                            shapes.picture(box.picture, x, y, place.width, place.height);
                        const auto inside = cut({x, y, x + place.width, y + place.height}, clip);
                        if (inside) elementsIn(&element, x, y, *inside);
                        if (box.bordered)
                            outline(clip, x, y, place.width, place.height, colours::grey);
                        break;
                    }
                    case ElementKind::Line: {
                        const auto& line = static_cast<const LineElement&>(element);
                        const int x1 = twipsToPixels(line.x1), y1 = twipsToPixels(line.y1);
                        const int x2 = twipsToPixels(line.x2), y2 = twipsToPixels(line.y2);
                        if (x1 == x2 || y1 == y2) {
                            const Rect band = lineBand(x1, y1, x2, y2, line.thickness);
                            fill(clip, left + band.left, top + band.top, band.width, band.height,
                                 line.colour);
                        } else {
                            shapes.line(left + x1, top + y1, left + x2, top + y2, line.colour,
                                        line.thickness);
                        }
                        break;
                    }
                    default:
                        break;
                }
            }
        };
    elementsIn(nullptr, 0, 0, client);
}

class SvgShapes : public Shapes {
  public:
    explicit SvgShapes(PictureSource* pictures) : pictures_(pictures) {}
    std::string svg(const Window& window) {
        const double width = px(window.clientWidth());
        const double height = px(window.clientHeight());
        out_ = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
        out_ += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + number(width) +
                "\" height=\"" + number(height) + "\" viewBox=\"0 0 " + number(width) + " " +
                number(height) + "\">\n";
        out_ += "<title>" + escapedMarkup(window.caption()) + "</title>\n";
        traceWindow(window, *this);
        return out_ + "</svg>\n";
    }

    void fill(double x, double y, double w, double h, Rgb colour) override {
        out_ += "<rect x=\"" + number(x) + "\" y=\"" + number(y) + "\" width=\"" + number(w) +
                "\" height=\"" + number(h) + "\" fill=\"" + svgColour(colour) + "\"/>\n";
    }
    void outline(double x, double y, double w, double h, Rgb colour) override {
        out_ += "<rect x=\"" + number(x + 0.5) + "\" y=\"" + number(y + 0.5) + "\" width=\"" +
                number(w - 1) + "\" height=\"" + number(h - 1) + "\" fill=\"none\" stroke=\"" +
                svgColour(colour) + "\" stroke-width=\"1\"/>\n";
    }
    void line(double x1, double y1, double x2, double y2, Rgb colour, int thickness) override {
        out_ += "<line x1=\"" + number(x1) + "\" y1=\"" + number(y1) + "\" x2=\"" + number(x2) +
                "\" y2=\"" + number(y2) + "\" stroke=\"" + svgColour(colour) +
                "\" stroke-width=\"" + std::to_string(thickness) + "\"/>\n";
    }
    void text(const Label& label, double x, double y, double w) override {
        const char* anchor = label.alignment == Alignment::Centre  ? "middle"
                             : label.alignment == Alignment::Right ? "end"
                                                                   : "start";
        const double at = label.alignment == Alignment::Centre  ? x + w / 2
                          : label.alignment == Alignment::Right ? x + w
                                                                : x;
        out_ += "<text x=\"" + number(at) + "\" y=\"" + number(y) +
                "\" dominant-baseline=\"text-before-edge\" text-anchor=\"" + anchor +
                "\" font-family=\"" + families(label.font) + "\" font-size=\"" +
                number(label.font.pointSize * 96 / 72) + "\"" +
                (label.font.bold ? " font-weight=\"bold\"" : "") + " fill=\"" +
                svgColour(label.foreColour) + "\" xml:space=\"preserve\">" +
                escapedMarkup(label.caption()) + "</text>\n";
    }
    void picture(const Picture& shown, double x, double y, double w, double h) override {
        const std::optional<std::string> bytes =
            pictures_ != nullptr ? pictures_->png(shown.resource) : std::nullopt;
        if (!bytes) return;
        // Cut to its box, as on the screen.
        const std::string clip = "clip" + std::to_string(++clips_);
        out_ += "<clipPath id=\"" + clip + "\"><rect x=\"" + number(x) + "\" y=\"" + number(y) +
                "\" width=\"" + number(w) + "\" height=\"" + number(h) + "\"/></clipPath>\n";
        out_ += "<image x=\"" + number(x) + "\" y=\"" + number(y) + "\" width=\"" +
                std::to_string(shown.pixelWidth) + "\" height=\"" +
                std::to_string(shown.pixelHeight) + "\" clip-path=\"url(#" + clip +
                ")\" href=\"data:image/png;base64," + base64(*bytes) + "\"/>\n";
    }

  private:
    PictureSource* pictures_;
    std::string out_;
    int clips_ = 0;
};

// The picture as a page's texts, lines, fills and stored pictures in twips, grown by a scale from
// an origin.
class PageShapes : public Shapes {
  public:
    PageShapes(DrawingSink& page, const TextMetrics& metrics, double scale, Point origin)
        : page_(page), metrics_(metrics), scale_(scale), origin_(origin) {}

    void fill(double x, double y, double w, double h, Rgb colour) override {
        const int left = at(x, origin_.x), top = at(y, origin_.y);
        page_.drawFill(
            {{left, top, at(x + w, origin_.x) - left, at(y + h, origin_.y) - top}, colour});
    }
    void outline(double x, double y, double w, double h, Rgb colour) override {
        const int left = at(x, origin_.x), top = at(y, origin_.y);
        const int right = at(x + w, origin_.x) - kTwipsPerPixel;
        const int bottom = at(y + h, origin_.y) - kTwipsPerPixel;
        for (const auto& [x1, y1, x2, y2] :
             {std::array{left, top, right, top}, std::array{left, bottom, right, bottom},
              std::array{left, top, left, bottom}, std::array{right, top, right, bottom}})
            page_.drawLine({x1, y1, x2, y2, colour, 1});
    }
    void line(double x1, double y1, double x2, double y2, Rgb colour, int thickness) override {
        page_.drawLine({at(x1, origin_.x), at(y1, origin_.y), at(x2, origin_.x), at(y2, origin_.y),
                        colour, std::max(1, static_cast<int>(std::lround(thickness * scale_)))});
    }
    void text(const Label& label, double x, double y, double w) override {
        const Font font = scaled(label.font, scale_);
        // Where the text starts in its box, by the box's alignment, as the page measures it.
        const int room = at(x + w, 0) - at(x, 0) - metrics_.textWidth(font, label.caption());
        const int shift = label.alignment == Alignment::Centre  ? room / 2
                          : label.alignment == Alignment::Right ? room
                                                                : 0;
        page_.drawText({at(x, origin_.x) + std::max(0, shift), at(y, origin_.y), label.caption(),
                        label.foreColour, font});
    }
    void picture(const Picture& shown, double x, double y, double w, double h) override {
        const int left = at(x, origin_.x), top = at(y, origin_.y);
        const Rect place{left, top, at(x + shown.pixelWidth, origin_.x) - left,
                         at(y + shown.pixelHeight, origin_.y) - top};
        const Rect clip{left, top, at(x + w, origin_.x) - left, at(y + h, origin_.y) - top};
        page_.drawPicture({shown.resource, place, clip});
    }

  private:
    int at(double pixels, int origin) const {
        return origin + static_cast<int>(std::lround(pixels * kTwipsPerPixel * scale_));
    }
    DrawingSink& page_;
    const TextMetrics& metrics_;
    double scale_;
    Point origin_;
};

}  // namespace

std::string windowSvg(const Window& window, PictureSource* pictures) {
    return SvgShapes(pictures).svg(window);
}

void drawWindow(const Window& window, DrawingSink& page, const TextMetrics& metrics, double scale,
                Point origin) {
    PageShapes shapes(page, metrics, scale, origin);
    traceWindow(window, shapes);
}

std::string escapedMarkup(std::string_view text) {
    std::string result;
    for (char c : text) {
        if (c == '&') {
            result += "&amp;";
        } else if (c == '<') {
            result += "&lt;";
        } else if (c == '>') {
            result += "&gt;";
        } else if (c == '"') {
            result += "&quot;";
        } else {
            result += c;
        }
    }
    return result;
}

std::string base64(std::string_view bytes) {
    static constexpr char kDigits[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string text;
    std::size_t at = 0;
    for (; at + 2 < bytes.size(); at += 3) {
        const unsigned value = (static_cast<unsigned char>(bytes[at]) << 16) |
                               (static_cast<unsigned char>(bytes[at + 1]) << 8) |
                               static_cast<unsigned char>(bytes[at + 2]);
        for (int shift : {18, 12, 6, 0}) text += kDigits[(value >> shift) & 63];
    }
    if (at < bytes.size()) {
        unsigned value = static_cast<unsigned char>(bytes[at]) << 16;
        if (at + 1 < bytes.size()) value |= static_cast<unsigned char>(bytes[at + 1]) << 8;
        text += kDigits[(value >> 18) & 63];
        text += kDigits[(value >> 12) & 63];
        text += at + 1 < bytes.size() ? kDigits[(value >> 6) & 63] : '=';
        text += '=';
    }
    return text;
}

}  // namespace torvi::ui
