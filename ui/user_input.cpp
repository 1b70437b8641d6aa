#include "ui/user_input.h"

#include "ui/keys.h"

#include <cctype>

namespace torvi::ui {
namespace {

bool usable(const Element& element) {
    return element.effectivelyVisible() && element.effectivelyEnabled();
}

CommandButton* buttonWithRole(Window& window, bool defaultRole) {
    for (const auto& element : window.elements()) {
        auto* button = dynamic_cast<CommandButton*>(element.get());
        if (button != nullptr && (defaultRole ? button->isDefault : button->isCancel))
            return button;
    }
    return nullptr;
}

// While a message box is open, the user's input reaches no window of the program.
bool blocked(const Window& window) {
    return window.application().dialogOpen();
}

void press(CommandButton& button) {
    if (usable(button) && button.onClick) button.onClick();
}

}  // namespace

void deliverKey(Window& window, int keyAscii, bool applyEdit) {
    if (blocked(window)) return;
    window.application().dispatch([&] {
        if (window.closed()) return;
        if (window.keyPreview) {
            window.Form_KeyPress(keyAscii);
            if (window.closed()) return;
        }
        Element* target = window.focused();
        auto* focusedButton = dynamic_cast<CommandButton*>(target);
        if (focusedButton != nullptr && (keyAscii == keys::kEnter || keyAscii == ' ')) {
            press(*focusedButton);
            return;
        }
        if (keyAscii == keys::kEnter || keyAscii == keys::kEscape) {
            CommandButton* button = buttonWithRole(window, keyAscii == keys::kEnter);
            if (button != nullptr && usable(*button)) {
                press(*button);
                return;
            }
        }
        if (auto* box = dynamic_cast<TextBox*>(target)) {
            if (box->onKeyPress) box->onKeyPress(keyAscii);
            if (applyEdit && !window.closed()) box->insertTypedCharacter(keyAscii);
        }
    });
}

bool deliverTypedCharacter(Window& window, Element* target, int keyAscii) {
    if (blocked(window)) return false;
    const bool inTextBox = target != nullptr && target->kind() == ElementKind::TextBox;
    const bool modelEdits =
        inTextBox && (keyAscii == keys::kBackspace || keyAscii >= keys::kFirstPrintable);
    const bool controlsOwn =
        inTextBox && !modelEdits && keyAscii != keys::kEnter && keyAscii != keys::kEscape;
    if (target != nullptr && target->takesFocus() && target != window.focused())
        window.adoptFocus(target);
    deliverKey(window, keyAscii, modelEdits);  // may delete the window and the element
    return controlsOwn;
}

void deliverTab(Window& window, bool forward) {
    if (blocked(window)) return;
    window.application().dispatch([&] {
        if (window.closed()) return;
        if (Element* next = window.nextInTabOrder(forward)) window.setFocus(*next);
    });
}

void deliverClick(Element& element) {
    Window& window = element.window();
    if (blocked(window)) return;
    window.application().dispatch([&] {
        if (window.closed() || !usable(element)) return;
        if (window.application().activeWindow() != &window) window.application().activate(window);
        if (element.kind() == ElementKind::MenuItem) {
            static_cast<MenuItem&>(element).choose();
            return;
        }
        if (element.takesFocus()) {
            if (!window.setFocus(element)) return;
            if (auto* box = dynamic_cast<TextBox*>(&element)) {
                if (window.focused() == box) box->setCursor(static_cast<int>(box->text().size()));
                return;
            }
            // A leave handler may have switched the button off meanwhile.
            if (window.closed() || !usable(element)) return;
        }
        if (element.onClick) element.onClick();
    });
}

void deliverEdit(TextBox& box, std::string text, int cursor) {
    box.window().application().dispatch([&] {
        if (!box.window().closed()) box.takeEdit(std::move(text), cursor);
    });
}

void deliverMenu(MenuItem& item) {
    if (blocked(item.window())) return;
    item.window().application().dispatch([&] {
        if (!item.window().closed()) item.choose();
    });
}

bool shortcutsAvailable(const Application& application) {
    const Window* active = application.activeWindow();
    return active == nullptr || !active->keyPreview;
}

bool deliverShortcut(Window& window, char letter) {
    if (blocked(window)) return false;
    if (!shortcutsAvailable(window.application())) return false;
    const char wanted = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    for (const auto& element : window.elements()) {
        auto* item = dynamic_cast<MenuItem*>(element.get());
        if (item != nullptr && item->shortcut() == wanted) {
            bool chosen = false;
            window.application().dispatch([&] { chosen = !window.closed() && item->choose(); });
            return chosen;
        }
    }
    return false;
}

char accessLetter(const std::string& caption) {
    for (std::size_t at = 0; at + 1 < caption.size(); ++at) {
        if (caption[at] != '&') continue;
        if (caption[at + 1] != '&')
            return static_cast<char>(std::toupper(static_cast<unsigned char>(caption[at + 1])));
        ++at;
    }
    return 0;
}

bool deliverAccessKey(Window& window, char letter) {
    if (blocked(window)) return false;
    const char wanted = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    for (const auto& element : window.elements()) {
        auto* button = dynamic_cast<CommandButton*>(element.get());
        if (button != nullptr && usable(*button) && accessLetter(button->caption()) == wanted) {
            deliverClick(*button);
            return true;
        }
    }
    return false;
}

bool deliverControlLetter(Application& application, char letter) {
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    if (!shortcutsAvailable(application)) {
        if (Window* active = application.activeWindow()) deliverKey(*active, upper - 'A' + 1);
        return false;
    }
    Window* main = application.mainWindow();
    return main != nullptr && deliverShortcut(*main, upper);
}

MenuItem* nextMenuItem(const MenuItem& menu, const MenuItem* current, bool forward) {
    const std::vector<MenuItem*>& items = menu.children();
    const int count = static_cast<int>(items.size());
    int at = -1;
    for (int k = 0; k < count; ++k) {
        if (items[k] == current) at = k;
    }
    if (at < 0) at = forward ? -1 : count;
    for (int step = 1; step <= count; ++step) {
        MenuItem* item = items[((at + (forward ? step : -step)) % count + count) % count];
        if (!item->separator() && item->available()) return item;
    }
    return nullptr;
}

MenuItem* menuItemWithAccessLetter(const MenuItem& menu, char letter) {
    const char wanted = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    for (MenuItem* item : menu.children()) {
        if (item->available() && accessLetter(item->caption()) == wanted) return item;
    }
    return nullptr;
}

MenuItem* barMenuWithAccessLetter(const Window& window, char letter) {
    const char wanted = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    for (MenuItem* menu : window.menuBar()) {
        if (menu->visible() && accessLetter(menu->caption()) == wanted) return menu;
    }
    return nullptr;
}

MenuItem* nextMenu(const Window& window, const MenuItem& menu, bool forward) {
    std::vector<MenuItem*> shown;
    for (MenuItem* top : window.menuBar()) {
        if (top->visible()) shown.push_back(top);
    }
    const int count = static_cast<int>(shown.size());
    for (int k = 0; k < count; ++k) {
        if (shown[k] == &menu) return shown[((k + (forward ? 1 : -1)) % count + count) % count];
    }
    return count > 0 ? shown.front() : nullptr;
}

void deliverClose(Window& window) {
    if (blocked(window)) return;
    window.application().dispatch([&] { window.application().close(window); });
}

void deliverActivate(Window& window) {
    window.application().dispatch([&] {
        if (!window.closed()) window.application().activate(window);
    });
}

void deliverTimer(Timer& timer) {
    timer.window().application().dispatch([&] {
        if (!timer.window().closed()) timer.fire();
    });
}

void deliverGeometry(Window& window, const Rect& geometry) {
    window.application().dispatch([&] {
        if (!window.closed()) window.setGeometry(geometry);
    });
}

void deliverState(Window& window, WindowState state) {
    window.application().dispatch([&] {
        if (!window.closed()) window.setState(state);
    });
}

}  // namespace torvi::ui
