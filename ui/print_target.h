#pragma once
// Line-printer style text output onto a drawing: print statements of text and number items,
// Tab and Spc, print zones of 14 columns, a current position, a colour and a bold flag.

#include <initializer_list>
#include <string>
#include <variant>

#include "ui/drawing.h"
#include "ui/text_metrics.h"

namespace torvi::ui {

// The items and separators of a print statement.
struct Text {
    std::string text;
};
struct Number {
    double value;
};
struct Tab {
    int column;  // columns count from 1
};
struct Spc {
    int count;
};
struct NextZone {};
struct NoSpace {};
using PrintItem = std::variant<Text, Number, Tab, Spc, NextZone, NoSpace>;

// A print zone is 14 columns, each as wide as the font's average character.
inline int printZoneWidth(const TextMetrics& metrics, const Font& font) {
    return 14 * metrics.averageCharWidth(font);
}

class PrintTarget {
  public:
    PrintTarget(DrawingSink& sink, const TextMetrics& metrics, Font font);

    void clear();
    void setColour(Rgb colour) { colour_ = colour; }
    void setBold(bool bold) { font_.bold = bold; }
    Rgb colour() const { return colour_; }
    bool bold() const { return font_.bold; }

    int currentX = 0;
    int currentY = 0;

    void drawLine(int x1, int y1, int x2, int y2);

    // Writes the items from the current position. A statement whose last item is a separator
    // (NextZone or NoSpace) leaves the position after it; any other ends the line.
    void print(std::initializer_list<PrintItem> items);

    int lineHeight() const { return metrics_.lineHeight(font_); }
    int columnWidth() const { return metrics_.averageCharWidth(font_); }
    int zoneWidth() const { return printZoneWidth(metrics_, font_); }

  private:
    void write(const std::string& text);
    void newLine();

    DrawingSink& sink_;
    const TextMetrics& metrics_;
    Font font_;
    Rgb colour_ = colours::black;
};

// A number as a print statement writes it: a blank or the minus sign, the general numeric text
// with the decimal comma and no zero before it, and one blank.
std::string numberItemText(double value);

// A blank or the minus sign, then the magnitude with at most 15 significant digits, a point as
// decimal separator and no zero before the point.
std::string shortText(double value);

}  // namespace torvi::ui
