#include "tests/support/user.h"

namespace torvi::ui {
namespace {

// Decodes one UTF-8 character at text[pos], advancing pos.
int decode(std::string_view text, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos++]);
    int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    int code = extra == 0 ? lead : lead & (0x3F >> extra);
    while (extra-- > 0 && pos < text.size()) code = (code << 6) | (text[pos++] & 0x3F);
    return code;
}

}  // namespace

void User::key(int keyAscii) {
    if (Window* window = application_.activeWindow()) deliverKey(*window, keyAscii);
}

void User::type(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size()) key(decode(text, pos));
}

void User::tab(bool forward) {
    if (Window* window = application_.activeWindow()) deliverTab(*window, forward);
}

bool User::shortcut(char letter) {
    return deliverControlLetter(application_, letter);
}

}  // namespace torvi::ui
