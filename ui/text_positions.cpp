#include "ui/text_positions.h"

#include <algorithm>

namespace torvi::ui {
namespace {

struct Character {
    int bytes;
    int units;
};

// The character that starts at this byte; a byte no character starts with stands for one, as a
// control shows it (a replacement character).
Character characterAt(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const int bytes = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF8 ? 4 : 1;
    const int inText = static_cast<int>(std::min<std::size_t>(bytes, text.size() - at));
    return {inText, inText == 4 ? 2 : 1};
}

}  // namespace

int utf16Position(std::string_view utf8, int bytes) {
    int units = 0;
    for (std::size_t at = 0; at < utf8.size();) {
        const Character character = characterAt(utf8, at);
        if (static_cast<int>(at) + character.bytes > bytes) break;
        at += static_cast<std::size_t>(character.bytes);
        units += character.units;
    }
    return units;
}

int utf8Position(std::string_view utf8, int units) {
    std::size_t at = 0;
    for (int counted = 0; at < utf8.size();) {
        const Character character = characterAt(utf8, at);
        if (counted + character.units > units) break;
        at += static_cast<std::size_t>(character.bytes);
        counted += character.units;
    }
    return static_cast<int>(at);
}

}  // namespace torvi::ui
