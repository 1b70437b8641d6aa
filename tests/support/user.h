#pragma once
// A user at the keyboard and the mouse, aimed at the active window: the tests drive the program
// through the same entry points as the toolkit binding.

#include <string_view>

#include "ui/keys.h"
#include "ui/user_input.h"

namespace torvi::ui {

class User {
  public:
    explicit User(Application& application) : application_(application) {}

    void key(int keyAscii);
    // Each character of the UTF-8 text as a key.
    void type(std::string_view text);
    void enter() { key(keys::kEnter); }
    void backspace() { key(keys::kBackspace); }
    void escape() { key(keys::kEscape); }
    void tab(bool forward = true);
    void click(Element& element) { deliverClick(element); }
    void choose(MenuItem& item) { deliverMenu(item); }
    bool shortcut(char letter);
    void close(Window& window) { deliverClose(window); }
    void wait(int milliseconds) { application_.advanceTime(milliseconds); }

  private:
    Application& application_;
};

}  // namespace torvi::ui
