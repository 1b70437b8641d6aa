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

// The number of characters in UTF-8 text.
int characterCount(std::string_view text);

}  // namespace torvi::ui
