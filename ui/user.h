#pragma once
// What a user does, as events into the model. The toolkit binding forwards real input through
// these functions; tests call them to drive windows the way a user does. Each runs as one event.

#include <string>
#include <string_view>

#include "ui/application.h"

namespace torvi::ui {

// A key with a character code (13 Enter, 8 Backspace, 27 Esc, else the character) pressed in the
// window. A key-preview window sees it first; Enter and Esc press the default and cancel buttons;
// otherwise the focused text box raises its key event and, when applyEdit is set, the character
// then enters that same box. A binding whose widgets edit by themselves passes false.
void deliverKey(Window& window, int keyAscii, bool applyEdit = true);
// Tab or Shift+Tab: the focus moves along the tab order, passing over hidden and disabled elements.
void deliverTab(Window& window, bool forward = true);
// A click: a text box takes the focus with the insertion point at its end (a binding then puts it
// where the user clicked); a button takes the focus and, when still enabled, raises its click
// event; other elements raise their click event.
void deliverClick(Element& element);
// The user put the focus into an element by other means than a click on it.
void deliverFocus(Element& element);
// An edit that types no character (Delete, cut, paste): the box takes the new text.
void deliverEdit(TextBox& box, std::string text, int cursor);
void deliverMenu(MenuItem& item);
// Ctrl+letter in the window: chooses the available menu item with that shortcut, if any.
bool deliverShortcut(Window& window, char letter);
void deliverClose(Window& window);
void deliverActivate(Window& window);
// A tick of a running timer.
void deliverTimer(Timer& timer);
// The user moved or resized a child window: the window takes the new outer geometry.
void deliverGeometry(Window& window, const Rect& geometry);

// The same, aimed at the active window, for tests.
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
