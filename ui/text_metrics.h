#pragma once
// Text measurement in twips. The toolkit binding measures with real fonts; tests use fixed ones.

#include <string_view>

#include "ui/types.h"

namespace torvi::ui {

class TextMetrics {
  public:
    virtual ~TextMetrics() = default;
    virtual int textWidth(const Font& font, std::string_view text) const = 0;
    virtual int lineHeight(const Font& font) const = 0;
    // The width of one print column.
    virtual int averageCharWidth(const Font& font) const = 0;
};

// Every character the same width, every font the same height: predictable layouts for tests.
class FixedTextMetrics : public TextMetrics {
  public:
    FixedTextMetrics(int charWidth = 90, int lineHeight = 195)
        : charWidth_(charWidth), lineHeight_(lineHeight) {}
    int textWidth(const Font&, std::string_view text) const override;
    int lineHeight(const Font&) const override { return lineHeight_; }
    int averageCharWidth(const Font&) const override { return charWidth_; }

  private:
    int charWidth_;
    int lineHeight_;
};

// The number of characters in UTF-8 text.
int characterCount(std::string_view text);

}  // namespace torvi::ui
