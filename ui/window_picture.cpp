#include "ui/window_picture.h"

#include <cstdio>

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

std::string colour(Rgb rgb) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", rgb.red, rgb.green, rgb.blue);
    return text;
}

std::string escaped(std::string_view text) {
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

// Pixels of the design's screen, 15 twips each.
double px(int twips) {
    return twips / double(kTwipsPerPixel);
}

// The family as a list a drawing program finds a face in.
std::string families(const Font& font) {
    const std::string first =
        font.family == kInterfaceFamily ? std::string("MS Shell Dlg") : font.family;
    return escaped(first) + ", Arial, Liberation Sans, sans-serif";
}

class Writer {
  public:
    Writer(const Window& window, PictureSource* pictures) : window_(window), pictures_(pictures) {}

    std::string svg() {
        const double width = px(window_.clientWidth());
        const double height = px(window_.clientHeight());
        out_ = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
        out_ += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + number(width) +
                "\" height=\"" + number(height) + "\" viewBox=\"0 0 " + number(width) + " " +
                number(height) + "\">\n";
        out_ += "<title>" + escaped(window_.caption()) + "</title>\n";
        rect(0, 0, width, height, window_.backColour, std::nullopt);
        elementsIn(nullptr, 0, 0);
        return out_ + "</svg>\n";
    }

  private:
    void rect(double x, double y, double w, double h, std::optional<Rgb> fill,
              std::optional<Rgb> stroke) {
        out_ += "<rect x=\"" + number(stroke ? x + 0.5 : x) + "\" y=\"" +
                number(stroke ? y + 0.5 : y) + "\" width=\"" + number(stroke ? w - 1 : w) +
                "\" height=\"" + number(stroke ? h - 1 : h) + "\" fill=\"" +
                (fill ? colour(*fill) : "none") + "\"";
        if (stroke) out_ += " stroke=\"" + colour(*stroke) + "\" stroke-width=\"1\"";
        out_ += "/>\n";
    }

    void text(const Label& label, double x, double y, double w) {
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
                colour(label.foreColour) + "\" xml:space=\"preserve\">" + escaped(label.caption()) +
                "</text>\n";
    }

    void picture(const Picture& shown, double x, double y, double w, double h) {
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

    void line(const LineElement& element, double x, double y) {
        const int x1 = twipsToPixels(element.x1), y1 = twipsToPixels(element.y1);
        const int x2 = twipsToPixels(element.x2), y2 = twipsToPixels(element.y2);
        if (x1 == x2 || y1 == y2) {
            const Rect band = lineBand(x1, y1, x2, y2, element.thickness);
            rect(x + band.left, y + band.top, band.width, band.height, element.colour,
                 std::nullopt);
            return;
        }
        out_ += "<line x1=\"" + number(x + x1) + "\" y1=\"" + number(y + y1) + "\" x2=\"" +
                number(x + x2) + "\" y2=\"" + number(y + y2) + "\" stroke=\"" +
                colour(element.colour) + "\" stroke-width=\"" + std::to_string(element.thickness) +
                "\"/>\n";
    }

    // The elements a container holds (the client area for none), at its top-left corner.
    void elementsIn(const Element* container, double left, double top) {
        for (const auto& owned : window_.elements()) {
            const Element& element = *owned;
            if (element.container() != container || !element.visible()) continue;
            const Rect place = twipsToDevice(element.geometry(), Resolution{});
            const double x = left + place.left;
            const double y = top + place.top;
            switch (element.kind()) {
                case ElementKind::Label: {
                    const auto& label = static_cast<const Label&>(element);
                    if (label.opaque) rect(x, y, place.width, place.height, label.fillColour, {});
                    if (label.bordered)
                        rect(x, y, place.width, place.height, std::nullopt, colours::black);
                    if (!label.caption().empty()) text(label, x, y, place.width);
                    break;
                }
                case ElementKind::PictureBox: {
                    const auto& box = static_cast<const PictureBox&>(element);
                    rect(x, y, place.width, place.height, box.fillColour, std::nullopt);
                    if (!box.picture.resource.empty())
                        picture(box.picture, x, y, place.width, place.height);
                    elementsIn(&element, x, y);
                    if (box.bordered)
                        rect(x, y, place.width, place.height, std::nullopt, colours::grey);
                    break;
                }
                case ElementKind::Line:
                    line(static_cast<const LineElement&>(element), left, top);
                    break;
                default:
                    break;
            }
        }
    }

    const Window& window_;
    PictureSource* pictures_;
    std::string out_;
    int clips_ = 0;
};

}  // namespace

std::string windowSvg(const Window& window, PictureSource* pictures) {
    return Writer(window, pictures).svg();
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
