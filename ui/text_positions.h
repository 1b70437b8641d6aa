#pragma once
// Positions in a text between the model's UTF-8 bytes and the UTF-16 units the systems' text
// controls count in (Qt's, Windows' and the browser's). A character outside the basic plane is
// four bytes and two units (a surrogate pair); any other, one to three bytes and one unit. A
// position inside a character, or between the two halves of a pair, stands before it.

#include <string_view>

namespace torvi::ui {

// The UTF-16 units before the given byte of the text.
int utf16Position(std::string_view utf8, int bytes);
// The byte of the text after the given number of UTF-16 units.
int utf8Position(std::string_view utf8, int units);

}  // namespace torvi::ui
