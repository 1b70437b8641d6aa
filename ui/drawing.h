#pragma once
// A persistent drawing: what is drawn stays in a display list until it is cleared.

#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "ui/types.h"

namespace torvi::ui {

struct TextRun {
    int x = 0;  // top-left of the text
    int y = 0;
    std::string text;
    Rgb colour;
    Font font;
    friend bool operator==(const TextRun&, const TextRun&) = default;
};

struct LineRun {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    Rgb colour;
    int thickness = 1;  // pixels
    friend bool operator==(const LineRun&, const LineRun&) = default;
};

// A filled rectangle, its corners in twips.
struct FillRun {
    Rect area;
    Rgb colour;
    friend bool operator==(const FillRun&, const FillRun&) = default;
};

// A stored picture (one of the windows' resources by name) with its pixels spread over a place and
// cut to an area, both in twips.
struct PictureRun {
    std::string resource;
    Rect place;
    Rect clip;
    friend bool operator==(const PictureRun&, const PictureRun&) = default;
};

using DrawItem = std::variant<TextRun, LineRun, FillRun, PictureRun>;

// A vertical line one pixel wide, the stuff of the fine plot, as the screen's pixels it covers at
// 96 pixels an inch: its column and its rows from top to bottom, both included. Tens of thousands
// of them make a plot, so a binding writes them straight into an image.
struct PixelColumn {
    int x = 0;
    int top = 0;
    int bottom = 0;
    Rgb colour;
};
// The item's pixel column on the screen, or nothing for a text or any other line.
std::optional<PixelColumn> pixelColumnOf(const DrawItem& item);

// Where drawing goes: a window's or picture's persistent drawing, or a printed page.
class DrawingSink {
  public:
    virtual ~DrawingSink() = default;
    virtual void drawText(const TextRun& run) = 0;
    virtual void drawLine(const LineRun& run) = 0;
    virtual void drawFill(const FillRun& run) = 0;
    virtual void drawPicture(const PictureRun& run) = 0;
    virtual void clear() = 0;
};

class Drawing : public DrawingSink {
  public:
    void drawText(const TextRun& run) override;
    void drawLine(const LineRun& run) override;
    void drawFill(const FillRun& run) override;
    void drawPicture(const PictureRun& run) override;
    void clear() override;

    const std::vector<DrawItem>& items() const { return items_; }
    // Makes room for this many more items, for drawings made of many strokes.
    void reserve(std::size_t more) { items_.reserve(items_.size() + more); }
    std::vector<TextRun> texts() const;
    std::vector<LineRun> lines() const;

    // The current drawing position, for lines drawn from where the last one ended.
    int currentX = 0;
    int currentY = 0;
    // Draws a line from the current position to (x, y), which becomes the current position.
    void lineTo(int x, int y, Rgb colour, int thickness = 1);

    // Called after every change, so that a view can repaint.
    std::function<void()> onChanged;

  private:
    void changed();
    std::vector<DrawItem> items_;
};

}  // namespace torvi::ui
