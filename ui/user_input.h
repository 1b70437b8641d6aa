#pragma once
// What a user does, as events into the model. The toolkit binding forwards real input through
// these functions, and the tests' user drives windows through them. Each runs as one event.
// While a message box is open (Application::dialogOpen), keys, clicks, menu commands and the
// close box reach no window.

#include <string>

#include "ui/application.h"

namespace torvi::ui {

// A key with a character code (13 Enter, 8 Backspace, 27 Esc, else the character) pressed in the
// window. A key-preview window sees it first; Enter and Esc press the default and cancel buttons;
// otherwise the focused text box raises its key event and, when applyEdit is set, the character
// then enters that same box. For a binding, deliverTypedCharacter decides it.
void deliverKey(Window& window, int keyAscii, bool applyEdit = true);
// A character the system gave to one of the window's elements (a text box or a button; none for
// the window itself), as a binding whose controls edit by themselves receives it. The element is
// where the user typed, so the model takes it as focused; then the key runs as one event, and a
// character or Backspace typed into a text box is the model's edit of that box, in place of its
// selection, wherever the box's key rules moved the focus. Returns whether the control carries
// the key out itself all the same: the other control characters in a text box (Ctrl+V, Ctrl+Z
// and the like) are its own commands; Enter and Esc are not. The event may close the window, so
// a binding asks whether its view is still there before it hands the key on.
bool deliverTypedCharacter(Window& window, Element* target, int keyAscii);
// Tab or Shift+Tab: the focus moves along the tab order, passing over hidden and disabled elements.
void deliverTab(Window& window, bool forward = true);
// A click: a text box takes the focus with the insertion point at its end (a binding then puts it
// where the user clicked); a button takes the focus and, when still enabled, raises its click
// event; other elements raise their click event.
void deliverClick(Element& element);
// An edit that types no character (Delete, cut, paste): the box takes the new text.
void deliverEdit(TextBox& box, std::string text, int cursor);
void deliverMenu(MenuItem& item);
// Whether the menus' Ctrl+letter shortcuts act now: not while the active window has its key
// preview on, as that window takes every key that produces a character, Ctrl+letter included.
bool shortcutsAvailable(const Application& application);
// Ctrl+letter in the window: chooses the available menu item with that shortcut, if any, while
// shortcuts are available.
bool deliverShortcut(Window& window, char letter);
// Ctrl+letter pressed, for a binding whose system does not type the control character itself:
// while a key-preview window is active it takes that character (Ctrl+A is 1), else the main
// window's shortcut runs. Returns whether a menu item was chosen.
bool deliverControlLetter(Application& application, char letter);
// Alt+letter in the window: clicks the usable button whose caption marks that letter, in either
// case, as its access key with "&" ("&System Info..." for S). Returns whether one did.
bool deliverAccessKey(Window& window, char letter);
// The access letter a caption marks with "&", upper case, or 0 ("&&" is a plain "&").
char accessLetter(const std::string& caption);
// Keys in an open menu, for a binding that draws its menus itself. The available item after (or
// before) the current one, separators passed over, wrapping round; from none, the first (or the
// last); nullptr when the menu has no available item.
MenuItem* nextMenuItem(const MenuItem& menu, const MenuItem* current, bool forward);
// The available item of the menu whose caption marks this access letter, or nullptr.
MenuItem* menuItemWithAccessLetter(const MenuItem& menu, char letter);
// The visible menu of the window's menu bar whose caption marks this access letter, or nullptr.
MenuItem* barMenuWithAccessLetter(const Window& window, char letter);
// The visible menu of the window's menu bar after (or before) this one, wrapping round.
MenuItem* nextMenu(const Window& window, const MenuItem& menu, bool forward);
void deliverClose(Window& window);
void deliverActivate(Window& window);
// A tick of a running timer.
void deliverTimer(Timer& timer);
// The user moved or resized a child window: the window takes the new outer geometry.
void deliverGeometry(Window& window, const Rect& geometry);
// A child window was minimised, maximised or restored by the user or by the workspace.
void deliverState(Window& window, WindowState state);

}  // namespace torvi::ui
