#pragma once
// Basic value types of the window model. Positions and sizes are twips (1/1440 inch, 15 twips
// per pixel at 96 dpi), y growing downward; colours are red, green, blue triples.

#include <cstdint>
#include <string>

namespace torvi::ui {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

namespace colours {
inline constexpr Rgb black{0, 0, 0};
inline constexpr Rgb white{255, 255, 255};
inline constexpr Rgb red{255, 0, 0};
inline constexpr Rgb green{0, 128, 0};
inline constexpr Rgb blue{0, 0, 255};
// The shadow of etched lines and frames.
inline constexpr Rgb grey{128, 128, 128};
// The system colours of the standard scheme.
inline constexpr Rgb windowBackground{255, 255, 255};
inline constexpr Rgb windowText{0, 0, 0};
inline constexpr Rgb buttonFace{192, 192, 192};
inline constexpr Rgb applicationWorkspace{128, 128, 128};
inline constexpr Rgb activeTitleText{255, 255, 255};
}  // namespace colours

// The family of the system's default interface font. It names no face: each binding shows it in
// its own system's (on Windows the face its dialogs use).
inline constexpr char kInterfaceFamily[] = "System Interface";

struct Font {
    std::string family = "MS Sans Serif";
    double pointSize = 8;
    bool bold = false;
    friend bool operator==(const Font&, const Font&) = default;
};
// The same font grown by a scale, as contents shown larger or printed larger take it.
inline Font scaled(Font font, double scale) {
    font.pointSize *= scale;
    return font;
}

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int right() const { return left + width; }
    int bottom() const { return top + height; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

enum class Alignment { Left, Centre, Right };

// A place the screen shows, in a binding's pixels, taken back into twips: each of left, top, width
// and height keeps the model's twips where they still show as the same pixels, so that a move
// changes only what moved.
template <typename ToPixels, typename ToTwips>
Rect twipsOfShownPlace(const Rect& model, const Rect& shownPixels, ToPixels toPixels,
                       ToTwips toTwips) {
    const auto twips = [&](int pixels, int current) {
        return toPixels(current) == pixels ? current : static_cast<int>(toTwips(pixels));
    };
    return {twips(shownPixels.left, model.left), twips(shownPixels.top, model.top),
            twips(shownPixels.width, model.width), twips(shownPixels.height, model.height)};
}

}  // namespace torvi::ui
