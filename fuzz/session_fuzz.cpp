// Drives the whole program, without a toolkit, through the sequence of user actions an input
// spells, one byte each, and checks after every action the promises the random sessions check.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "input/form1.h"
#include "shell/frm_splash.h"
#include "tests/support/program_promises.h"

namespace {

using torvi::testing::ProgramWorld;

// What a user types into the boxes, chosen by the low four bits of a byte.
constexpr char kTyped[] = "0123456789,.-aE ";

// The elements of Data Input a click can reach: the count, ten energies, four temperatures and
// the button.
torvi::ui::Element& dataInputElement(torvi::input::Form1& form, int number) {
    if (number == 0) return *form.Text1;
    if (number <= 10) return form.Text2(number);
    if (number <= 12) return form.Text3(number - 11);
    if (number <= 14) return form.Text4(number - 13);
    return *form.Command1;
}

// One action: the high four bits of the byte say what, the low four bits which.
void act(ProgramWorld& world, std::uint8_t byte) {
    const int which = byte & 15;
    torvi::ui::User& user = world.user;
    torvi::shell::MDIForm1& main = *world.main;
    switch (byte >> 4) {
        case 4:
            user.enter();
            break;
        case 5:
            user.tab(which % 2 == 0);
            break;
        case 6:
            user.key(which % 2 == 0 ? 27 : 8);  // Esc or Backspace
            break;
        case 7:
            if (auto* form = world.application.find<torvi::input::Form1>())
                user.click(dataInputElement(*form, which));
            break;
        case 8:
        case 9: {
            torvi::ui::MenuItem* items[] = {
                main.mnuCalc,   main.mnuPrint, main.mnuCasc,  main.mnuSGF,
                main.mnuSTF,    main.mnuRes,   main.mnuGraph, main.mnuData,
                main.mnuSplash, main.mnuAbout, main.mnuHPG,   main.mnuExit,
                main.mnuData,   main.mnuCalc,  main.mnuCalc,  main.mnuPrint};
            user.choose(*items[which]);
            break;
        }
        case 10: {
            std::vector<torvi::ui::Window*> open;
            for (torvi::ui::Window* window : world.application.stackingOrder()) {
                if (window->kind() != torvi::ui::WindowKind::Main) open.push_back(window);
            }
            if (!open.empty()) user.close(*open[static_cast<std::size_t>(which) % open.size()]);
            break;
        }
        case 11:
            user.wait(1000 * (which + 1));  // timers tick
            break;
        case 12:
            user.shortcut("DTGD"[which % 4]);
            break;
        default:  // 0 to 3 and 13 to 15: typing
            user.key(kTyped[which]);
            break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ProgramWorld world;
    // A session of a few hundred actions reaches every state; longer ones only repeat.
    const std::size_t actions = size < 400 ? size : 400;
    for (std::size_t k = 0; k < actions; ++k) {
        act(world, data[k]);
        if (world.application.ended()) break;  // Exit: nothing is left to check
        const std::vector<std::string> broken = torvi::testing::brokenPromises(world);
        if (!broken.empty()) {
            std::fprintf(stderr, "after action %zu (byte %u): %s\n", k, data[k], broken[0].c_str());
            std::abort();
        }
    }
    return 0;
}
