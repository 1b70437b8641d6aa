// The program without a toolkit, driven by a script of user actions on standard input, one a line;
// after each it prints the state a user sees as one line of JSON: the active window's caption,
// the focused element, Data Input's shown boxes and the messages the action showed. A binding's
// test runs the same script on its system and compares, step by step.
//   char CODE    a character typed where the focus is (13 Enter, 27 Esc, 8 Backspace)
//   chars CODE...  characters typed one after another
//   tab | backtab
//   ctrl LETTER  Ctrl+letter
//   alt LETTER   Alt+letter: a button's access key, else the menu bar's command
//   click NAME [START END]  a click on the active window's element with that design name; a
//                box it focused then has the selection where the system put it (in bytes)

#include <iostream>
#include <sstream>
#include <string>

#include "input/form1.h"
#include "tests/support/program_world.h"

namespace {

using namespace torvi;

std::string quoted(const std::string& text) {
    std::string result = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') result += '\\';
        result += c;
    }
    return result + "\"";
}

void act(testing::ProgramWorld& world, const std::string& line) {
    std::istringstream words(line);
    std::string action, argument;
    words >> action >> argument;
    ui::Window* active = world.application.activeWindow();
    if (active == nullptr) return;
    if (action == "char" || action == "chars") {
        int code = std::stoi(argument);
        do {
            if (ui::Window* window = world.application.activeWindow())
                ui::deliverTypedCharacter(*window, window->focused(), code);
        } while (words >> code);
    } else if (action == "tab" || action == "backtab") {
        ui::deliverTab(*active, action == "tab");
    } else if (action == "ctrl") {
        ui::deliverControlLetter(world.application, argument[0]);
    } else if (action == "alt" && !ui::deliverAccessKey(*active, argument[0])) {
        // Alt+T stands for Ctrl+T, which a browser keeps for itself.
        if (argument[0] == 'T' && ui::shortcutsAvailable(world.application)) {
            ui::deliverShortcut(*world.main, 'T');
            return;
        }
        ui::MenuItem* menu = ui::barMenuWithAccessLetter(*world.main, argument[0]);
        if (menu != nullptr && menu->children().empty()) ui::deliverMenu(*menu);
    } else if (action == "click") {
        int start = -1, end = -1;
        words >> start >> end;
        for (const auto& element : active->elements()) {
            if (element->designName() != argument) continue;
            ui::deliverClick(*element);
            auto* box = dynamic_cast<ui::TextBox*>(element.get());
            if (box != nullptr && start >= 0 && active->focused() == box)
                box->select(start, end - start);
            return;
        }
    }
}

void report(testing::ProgramWorld& world, std::size_t& messagesSeen) {
    const ui::Window* active = world.application.activeWindow();
    const ui::Element* focused = active != nullptr ? active->focused() : nullptr;
    std::cout << "{\"active\": " << quoted(active != nullptr ? active->caption() : "")
              << ", \"focus\": " << quoted(focused != nullptr ? focused->designName() : "-")
              << ", \"boxes\": {";
    const char* separator = "";
    if (const auto* dataInput = world.application.find<input::Form1>()) {
        for (const auto& element : dataInput->elements()) {
            const auto* box = dynamic_cast<const ui::TextBox*>(element.get());
            if (box == nullptr || !box->effectivelyVisible()) continue;
            std::cout << separator << quoted(box->designName()) << ": " << quoted(box->text());
            separator = ", ";
        }
    }
    std::cout << "}, \"messages\": [";
    const std::vector<std::string>& texts = world.messages.texts;
    for (; messagesSeen < texts.size(); ++messagesSeen)
        std::cout << quoted(texts[messagesSeen]) << (messagesSeen + 1 < texts.size() ? ", " : "");
    std::cout << "]}\n";
}

}  // namespace

int main() {
    testing::ProgramWorld world;
    std::size_t messagesSeen = 0;
    for (std::string line; std::getline(std::cin, line);) {
        act(world, line);
        report(world, messagesSeen);
        if (world.application.ended()) break;
    }
    return 0;
}
