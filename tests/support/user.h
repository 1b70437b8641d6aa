#pragma once
// A user at the keyboard and the mouse, aimed at the active window: the tests drive the program
// through the same entry points as the toolkit binding.

#include <string_view>

#include "ui/user_input.h"

namespace torvi::ui {

class User {
  public:
    explicit User(Application& application) : application_(application) {}

    void key(int keyAscii);
    // Each character of the UTF-8 text as a key.
    void type(std::string_view text);
    void enter() { key(13); }
    void backspace() { key(8); }
    void escape() { key(27); }
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
