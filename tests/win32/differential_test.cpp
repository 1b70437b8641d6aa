// The same seeded keys, clicks and menu commands through the program without a toolkit and, as
// real input (SendInput), through the Win32 binding under Wine: after every step both agree on the
// messages shown, every window, its place and stacking, the active window and the focus (the
// model's and Windows'), every element's flags and every box's text and selection, and the
// controls show what their model holds. This is what lets the random sessions and the fuzzer of
// the headless program speak for the Windows program too.

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>

#include "input/form1.h"
#include "results/form3.h"
#include "tests/support/program_world.h"
#include "tests/win32/real_input.h"
#include "ui/text_positions.h"
#include "win32/conversions.h"
#include "win32/win32_text_metrics.h"
#include "win32/window_view.h"

namespace torvi::win32 {
namespace {

using shell::MDIForm1;

// A key as the user presses it, typed as text or by its virtual key, and the code the headless
// user gives for it (0 for Tab, -1 for Shift+Tab).
const struct {
    std::wstring text;
    WORD virtualKey;
    int code;
} kKeys[] = {{L"1", 0, '1'},       {L"2", 0, '2'},       {L"5", 0, '5'},
             {L"0", 0, '0'},       {L",", 0, ','},       {L".", 0, '.'},
             {L"-", 0, '-'},       {L"x", 0, 'x'},       {L"\U0001F600", 0, 0x1F600},
             {L"", VK_RETURN, 13}, {L"", VK_RETURN, 13}, {L"", VK_RETURN, 13},
             {L"", VK_RETURN, 13}, {L"", VK_BACK, 8},    {L"", VK_ESCAPE, 27},
             {L"", VK_TAB, 0},     {L"", VK_TAB, -1}};

// Ctrl+D, Ctrl+T and Ctrl+G, and menu items by Alt and their access letters.
const struct {
    char control, menu;
    const char* item;
    ui::MenuItem* MDIForm1::*chosen;
} kCommands[] = {{'D', 0, "", nullptr},
                 {'T', 0, "", nullptr},
                 {'G', 0, "", nullptr},
                 {0, 'C', "", &MDIForm1::mnuCalc},
                 {0, 'C', "", &MDIForm1::mnuCalc},
                 {0, 'P', "B", &MDIForm1::mnuSTF},
                 {0, 'P', "R", &MDIForm1::mnuSGF},
                 {0, 'W', "S", &MDIForm1::mnuCasc}};

// A click at the right end of a shown box or button of Data Input, or amid a label, where
// nothing covers it; both programs' elements in design order.
std::string clickOn(std::size_t pick, ui::Window& headless, ui::Window& real,
                    Win32Binding& binding) {
    std::vector<std::size_t> shown;
    for (std::size_t e = 0; e < real.elements().size(); ++e) {
        const ui::Element& element = *real.elements()[e];
        if (element.effectivelyVisible() &&
            (element.takesFocus() || element.kind() == ui::ElementKind::Label))
            shown.push_back(e);
    }
    const std::size_t e = shown[pick % shown.size()];
    HWND target = binding.handleFor(real.elements()[e].get());
    const RECT area = areaOf(*real.elements()[e]);
    POINT point =
        target ? POINT{area.right - area.left - 3, (area.bottom - area.top) / 2} : centreOf(area);
    if (target == nullptr) target = binding.windowView(&real)->clientArea();
    // Two clicks at one place in a moment make a double click, which selects a word.
    static int clicks = 0;
    point.y += clicks % 2 == 0 ? 3 : -3;
    POINT onScreen = point;
    ClientToScreen(target, &onScreen);
    if (WindowFromPoint(onScreen) != target) return "no click";
    ++clicks;
    click(target, point);
    ui::deliverClick(*headless.elements()[e]);
    return "click " + real.elements()[e]->designName();
}

std::string focusOf(const ui::Window& window) {
    return window.focused() ? window.focused()->designName() : "";
}

void expectSameElements(const ui::Window& one, const ui::Window& real, Win32Binding& binding,
                        const std::string& where) {
    for (std::size_t e = 0; e < one.elements().size(); ++e) {
        const ui::Element& element = *one.elements()[e];
        const ui::Element& other = *real.elements()[e];
        const std::string what = where + " " + element.designName();
        EXPECT_EQ(std::pair(element.visible(), element.enabled()),
                  std::pair(other.visible(), other.enabled()))
            << what;
        if (const auto* item = dynamic_cast<const ui::MenuItem*>(&element)) {
            EXPECT_EQ(item->checked(), static_cast<const ui::MenuItem&>(other).checked()) << what;
        }
        HWND control = binding.handleFor(&other);
        if (control == nullptr) continue;
        EXPECT_EQ(IsWindowVisible(control) != 0, real.visible() && other.effectivelyVisible())
            << what;
        EXPECT_EQ(IsWindowEnabled(control) != 0, other.enabled()) << what;
        const auto* box = dynamic_cast<const ui::TextBox*>(&element);
        if (box == nullptr) continue;
        const auto& realBox = static_cast<const ui::TextBox&>(other);
        wchar_t shown[256] = {};
        GetWindowTextW(control, shown, 256);
        EXPECT_EQ(std::pair(box->text(), toUtf8(shown)), std::pair(realBox.text(), realBox.text()))
            << what;
        if (real.application().activeWindow() != &real || real.focused() != &realBox) continue;
        DWORD start = 0;
        DWORD end = 0;
        SendMessageW(control, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(std::pair(box->selectionStart(), box->cursor()),
                  std::pair(realBox.selectionStart(), realBox.cursor()))
            << what;
        EXPECT_EQ(std::pair(int(start), int(end)),
                  std::pair(ui::utf16Position(realBox.text(), realBox.selectionStart()),
                            ui::utf16Position(realBox.text(), realBox.cursor())))
            << what;
    }
}

void expectSame(ui::Application& headless, ui::Application& real, Win32Binding& binding,
                const std::string& where) {
    ASSERT_EQ(headless.stackingOrder().size(), real.stackingOrder().size()) << where;
    std::vector<HWND> children;  // the shown child windows from the front, as the model has them
    for (std::size_t w = 0; w < real.stackingOrder().size(); ++w) {
        const ui::Window& one = *headless.stackingOrder()[w];
        const ui::Window& other = *real.stackingOrder()[w];
        ASSERT_EQ(one.name(), other.name()) << where;
        const std::string what = where + " " + one.name();
        EXPECT_EQ(std::tuple(one.geometry(), one.state(), focusOf(one)),
                  std::tuple(other.geometry(), other.state(), focusOf(other)))
            << what;
        expectSameElements(one, other, binding, what);
        HWND frame = binding.windowView(&other)->frame();
        if (other.kind() != ui::WindowKind::Child || !other.visible()) continue;
        children.insert(children.begin(), frame);
        RECT shown{};
        GetWindowRect(frame, &shown);
        MapWindowPoints(nullptr, binding.mdiClient(), reinterpret_cast<POINT*>(&shown), 2);
        const RECT place = toPixels(other.geometry());
        EXPECT_TRUE(other.state() != ui::WindowState::Normal || EqualRect(&shown, &place)) << what;
    }
    std::vector<HWND> stacked;
    for (HWND child = GetWindow(binding.mdiClient(), GW_CHILD); child;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsWindowVisible(child)) stacked.push_back(child);
    }
    EXPECT_EQ(stacked, children) << where;
    ASSERT_EQ(headless.activeWindow()->name(), real.activeWindow()->name()) << where;
    HWND clientArea = binding.windowView(real.activeWindow())->clientArea();
    HWND focus = binding.handleFor(real.activeWindow()->focused());
    if (clientArea != nullptr) {
        EXPECT_EQ(GetFocus(), focus ? focus : clientArea)
            << where << ", the model's focus " << focusOf(*real.activeWindow());
    }
}

TEST(Differential, TheHeadlessProgramAndTheWin32BindingAgreeStepByStep) {
    // Seeds whose sessions reach the results windows, and one where a click would have left a box
    // that the rules keep the focus in; TORVI_SEED=n replays one seed.
    std::vector<unsigned> seeds = {4, 13, 24, 39};
    if (const char* one = std::getenv("TORVI_SEED")) seeds = {unsigned(std::atoi(one))};
    bool calculated = false;
    for (unsigned seed : seeds) {
        torvi::testing::ProgramWorld headless;
        torvi::testing::Assembly<Win32TextMetrics> withWin32;
        ui::Application& real = withWin32.application;
        Win32Binding binding(real);
        real.dispatch([&] { real.form<MDIForm1>().show(); });
        SetForegroundWindow(binding.mainFrame());
        pump(binding, 300);
        std::mt19937 random(seed);
        for (int step = -1; step < 150; ++step) {
            const int action = step < 0 ? 19 : std::uniform_int_distribution<int>(0, 19)(random);
            const std::size_t pick = step < 0 ? 0 : random();  // Ctrl+D first
            std::string done = "no click";
            auto* form = headless.application.find<input::Form1>();
            auto* realForm = real.find<input::Form1>();
            if (action < 14) {
                const auto& pressed = kKeys[pick % std::size(kKeys)];
                if (pressed.code <= 0) {
                    key(VK_TAB, pressed.code < 0 ? kShift : 0u);
                    headless.user.tab(pressed.code == 0);
                } else {
                    pressed.virtualKey ? key(pressed.virtualKey) : type(pressed.text);
                    headless.user.key(pressed.code);
                }
                done = "key " + std::to_string(pressed.code);
            } else if (action < 17) {
                if (form != nullptr && realForm != nullptr)
                    done = clickOn(pick, *form, *realForm, binding);
            } else {
                const auto& command = kCommands[pick % std::size(kCommands)];
                if (command.control != 0) {
                    key(command.control, kControl);
                    headless.user.shortcut(command.control);
                } else {
                    key(command.menu, kAlt);
                    if (*command.item != 0) key(*command.item);
                    ui::deliverMenu(*(headless.main->*command.chosen));
                }
                done = command.control ? std::string("Ctrl+") + command.control
                                       : std::string("Alt+") + command.menu + command.item;
            }
            settle(binding);
            const std::string where =
                "seed " + std::to_string(seed) + " step " + std::to_string(step) + ", " + done;
            ASSERT_EQ(headless.messages.texts, withWin32.messages.texts) << where;
            expectSame(headless.application, real, binding, where);
            ASSERT_FALSE(::testing::Test::HasFailure()) << where;
        }
        calculated = calculated || real.find<results::Form3>() != nullptr;
    }
    EXPECT_TRUE(calculated || seeds.size() == 1) << "no session reached the results";
}

}  // namespace
}  // namespace torvi::win32
