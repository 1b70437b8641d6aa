// The Win32 binding as a user meets it under Wine: real keys sent with SendInput to the program's
// windows, the menus and their shortcuts, timers, the focus and the end of the program.

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <type_traits>

#include "input/form1.h"
#include "results/form2.h"
#include "results/form3.h"
#include "shell/frm_about.h"
#include "shell/frm_splash.h"
#include "shell/mdi_form1.h"
#include "tests/support/assembly.h"
#include "tests/win32/program_fixture.h"
#include "tests/win32/real_input.h"
#include "win32/conversions.h"
#include "win32/win32_binding.h"
#include "win32/win32_dialogs.h"
#include "win32/win32_system_info.h"
#include "win32/win32_text_metrics.h"
#include "win32/window_view.h"

namespace torvi::win32 {
namespace {

TEST_F(Program, TheExampleWithTheKeyboardKeepsTheFocusWhereTheRulesPutIt) {
    key('D', kControl);  // the accelerator of Window > Data Input
    pump(binding);
    input::Form1* form = application.find<input::Form1>();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(GetFocus(), binding.handleFor(form->Text1));
    enter(L"2");
    EXPECT_EQ(GetFocus(), binding.handleFor(&form->Text2(1)));
    enter(L"0");
    enter(L"1.5");  // the point becomes a comma, and the box shows what the model holds
    EXPECT_EQ(form->Text2(2).text(), "1,5");
    wchar_t shown[16] = {};
    GetWindowTextW(binding.handleFor(&form->Text2(2)), shown, 16);
    EXPECT_STREQ(shown, L"1,5");
    EXPECT_EQ(form->focused(), &form->Text3(0));
    EXPECT_EQ(GetFocus(), binding.handleFor(&form->Text3(0)));
    // Calculate pressed and released beyond it: nothing happens, the focus included.
    HWND client = binding.windowView(form)->clientArea();
    mouse(client, centreOf(areaOf(*form->Command1)), MOUSEEVENTF_LEFTDOWN);
    mouse(client, POINT{2, 2}, MOUSEEVENTF_LEFTUP);
    pump(binding);
    EXPECT_EQ(GetFocus(), binding.handleFor(&form->Text3(0)));
    EXPECT_EQ(application.find<results::Form3>(), nullptr);
    EXPECT_EQ(form->focused(), &form->Text3(0));
    // A key reaches the model once: "-40" replaces the selected "-50".
    type(L"-40");
    pump(binding);
    EXPECT_EQ(form->Text3(0).text(), "-40");
    for (int tab = 0; tab < 4; ++tab) key(VK_TAB);
    pump(binding);
    ASSERT_EQ(GetFocus(), binding.handleFor(form->Command1));
    ASSERT_TRUE(form->Command1->enabled());
    key(VK_RETURN);
    pump(binding, 200);
    EXPECT_EQ(main->state.conformerCount, 2);
    EXPECT_NE(application.find<results::Form3>(), nullptr);
    EXPECT_TRUE(main->mnuPrint->enabled());
}

TEST_F(Program, ControlLettersAreTheirCodesAndDisabledShortcutsDoNothing) {
    key('T', kControl);  // Results (Table): disabled before a calculation
    pump(binding);
    EXPECT_EQ(application.find<results::Form3>(), nullptr);
    key('D', kControl);
    pump(binding);
    input::Form1& form = *application.find<input::Form1>();
    std::vector<int> keys;
    form.Text1->onKeyPress = [&](int code) { keys.push_back(code); };
    key('B', kControl);
    type(L"é");
    pump(binding);
    EXPECT_EQ(keys, (std::vector<int>{2, 0xE9}));
    EXPECT_EQ(form.Text1->text(), "é");
}

TEST_F(Program, TheSplashTimerTicksAndExitEndsTheMessageLoop) {
    main->mnuSplash->choose();
    pump(binding);
    ui::Window* splash = application.stackingOrder().back();
    ASSERT_EQ(splash->name(), "frmSplash");
    ui::Timer& timer = *splash->timers().front();
    int ticks = 0;
    timer.onTimer = [&] { ++ticks; };
    timer.setInterval(50);
    pump(binding, 400);
    EXPECT_GE(ticks, 3);
    EXPECT_LE(ticks, 8);
    key('Q', kControl);  // a key the splash takes, which closes it
    pump(binding);
    EXPECT_EQ(application.find<shell::frmSplash>(), nullptr);
    EXPECT_FALSE(application.ended());
    key('Q', kControl);  // Exit
    // A way that ends nothing ends the loop with 3.
    const UINT_PTR watchdog =
        SetTimer(nullptr, 0, 5000, [](HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(3); });
    EXPECT_EQ(binding.run(), 0);
    KillTimer(nullptr, watchdog);  // else it ends a later test's message loop
    EXPECT_TRUE(application.ended());
    EXPECT_EQ(binding.mainFrame(), nullptr);
}

// The elements the binding paints show inside their containers, in their colours, on the screen;
// a click goes to the innermost one under the pointer, pressed and released over it.
TEST_F(Program, PaintedElementsShowInTheirContainersAndTakeTheClicksMadeOnThem) {
    typeTheExample();
    main->mnuCalc->choose();
    pump(binding, 300);
    auto& graph = *application.find<results::Form2>();
    HWND graphForm = binding.windowView(&graph)->clientArea();
    HDC dc = GetDC(graphForm);
    for (const auto& [conformer, column] : {std::pair(1, 0), std::pair(2, 10)}) {
        const ui::Label& cell = graph.cell(conformer, column);  // inside its bar
        const RECT area = areaOf(cell);
        EXPECT_EQ(GetPixel(dc, centreOf(area).x, area.bottom - 2), toColorRef(cell.fillColour))
            << cell.designName();
    }
    ReleaseDC(graphForm, dc);
    // Calculate again with equal energies, in one event: what the cells uncover and cover within
    // the graph shown, and the table drawn anew, are left to repaint when the event ends.
    application.dispatch([&] {
        application.find<input::Form1>()->Text2(2).setText("0");
        main->mnuCalc_Click();
    });
    HRGN update = CreateRectRgn(0, 0, 0, 0);
    GetUpdateRgn(graphForm, update, FALSE);
    for (const int conformer : {1, 2}) {
        const RECT area = areaOf(graph.cell(conformer, 10));
        EXPECT_TRUE(PtInRegion(update, centreOf(area).x, area.top + 1));
        EXPECT_TRUE(PtInRegion(update, centreOf(area).x, area.bottom - 2));
    }
    HWND tableForm = binding.windowView(application.find<results::Form3>())->clientArea();
    EXPECT_NE(GetUpdateRgn(tableForm, update, FALSE), NULLREGION);
    DeleteObject(update);
    pump(binding);

    main->mnuSplash->choose();
    pump(binding, 200);
    auto* splash = application.find<shell::frmSplash>();
    ASSERT_NE(splash, nullptr);
    HWND splashForm = binding.windowView(splash)->clientArea();
    RECT client{};
    GetClientRect(splashForm, &client);
    EXPECT_EQ(client.right, toPixels(splash->clientWidth()));
    EXPECT_EQ(client.bottom, toPixels(splash->clientHeight()));
    EXPECT_EQ(GetWindowLongW(splashForm, GWL_STYLE) & WS_CAPTION, WS_DLGFRAME);  // no title bar
    RECT outer{};
    GetWindowRect(splashForm, &outer);  // in the middle of the screen
    EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - (outer.right - outer.left)) / 2);
    EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - (outer.bottom - outer.top)) / 2);
    const RECT frame = areaOf(*splash->Frame1);
    const POINT bare{frame.right - 4, frame.bottom - 4};  // of the frame, under no label
    auto click = [&](POINT down, POINT up) {
        mouse(splashForm, down, MOUSEEVENTF_LEFTDOWN);
        mouse(splashForm, up, MOUSEEVENTF_LEFTUP);
        pump(binding);
    };
    click(centreOf(areaOf(*splash->lblProductName)), centreOf(areaOf(*splash->lblProductName)));
    ASSERT_NE(application.find<shell::frmSplash>(), nullptr) << "the label's click is its own";
    click(bare, POINT{2, 2});
    click(POINT{2, 2}, bare);
    ASSERT_NE(application.find<shell::frmSplash>(), nullptr) << "pressed or released elsewhere";
    click(bare, bare);
    EXPECT_EQ(application.find<shell::frmSplash>(), nullptr);

    // The About box: a title and a close box only, its client area as designed; OK by the mouse.
    main->mnuAbout->choose();
    pump(binding, 200);
    auto* about = application.find<shell::frmAbout>();
    ASSERT_NE(about, nullptr);
    HWND aboutForm = binding.windowView(about)->clientArea();
    GetClientRect(aboutForm, &client);
    EXPECT_EQ(client.right, toPixels(about->clientWidth()));
    EXPECT_EQ(client.bottom, toPixels(about->clientHeight()));
    const LONG style = GetWindowLongW(aboutForm, GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX),
              WS_CAPTION | WS_SYSMENU);
    const POINT ok = centreOf(areaOf(*about->cmdOK));
    mouse(aboutForm, ok, MOUSEEVENTF_LEFTDOWN);
    mouse(aboutForm, ok, MOUSEEVENTF_LEFTUP);
    pump(binding);
    EXPECT_EQ(application.find<shell::frmAbout>(), nullptr);
}

// Cascade and the order options put the child windows at their design places, in the screen's
// pixels; a seeded run of random real keys and clicks ends with the focus where the model has it.
TEST_F(QuietProgram, ChildWindowsGoWhereTheDesignSaysAndRandomKeysKeepModelAndScreenTogether) {
    typeTheExample();
    main->mnuCalc->choose();
    main->mnuSTF->choose();
    pump(binding, 200);
    for (ui::Window* window : application.stackingOrder()) {
        HWND frame = binding.windowView(window)->frame();
        if (window->kind() != ui::WindowKind::Child) continue;
        RECT shown{};
        GetWindowRect(frame, &shown);
        MapWindowPoints(nullptr, GetParent(frame), reinterpret_cast<POINT*>(&shown), 2);
        const RECT model = toPixels(window->geometry());
        EXPECT_EQ(std::pair(shown.left, shown.top), std::pair(model.left, model.top))
            << window->name();
    }
    EXPECT_EQ(application.activeWindow()->name(), "Form3");
    EXPECT_EQ(toPixels(1000), [&] {
        RECT shown{};
        HWND table = binding.windowView(application.activeWindow())->frame();
        GetWindowRect(table, &shown);
        MapWindowPoints(nullptr, GetParent(table), reinterpret_cast<POINT*>(&shown), 2);
        return static_cast<int>(shown.left);
    }());

    std::srand(7);
    const WORD keys[] = {'1', '2', '5', VK_RETURN, VK_RETURN, VK_TAB, VK_BACK, VK_OEM_PERIOD};
    for (int step = 0; step < 150; ++step) {
        const int pick = std::rand() % 14;
        if (pick < 8) key(keys[pick]);
        if (pick == 8) key('D', kControl);
        if (pick == 9) key('T', kControl);
        if (pick == 10) key('G', kControl);
        if (pick == 11) key(VK_TAB, kShift);
        if (pick >= 12) {  // a click anywhere in the workspace
            RECT area{};
            GetClientRect(binding.mdiClient(), &area);
            const POINT point{std::rand() % area.right, std::rand() % area.bottom};
            mouse(binding.mdiClient(), point, MOUSEEVENTF_LEFTDOWN);
            mouse(binding.mdiClient(), point, MOUSEEVENTF_LEFTUP);
        }
        pump(binding, 10);
    }
    pump(binding, 100);
    ui::Window* active = application.activeWindow();
    ASSERT_NE(active, nullptr);
    if (const ui::Element* focused = active->focused()) {
        EXPECT_EQ(GetFocus(), binding.handleFor(focused)) << focused->designName();
    }
}

// System Info with Windows' own registry and program start: the key the About box reads names
// the program to start; without it, the About box's message.
TEST(SystemInfo, TheRegistryNamesTheProgramThatStartsElseTheMessage) {
    constexpr char kKey[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
    // A program that ends at once, so that nothing outlives the test (Wine's System Information
    // would stay open).
    constexpr char kProgram[] = "C:\\windows\\system32\\hostname.exe";
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, "PATH", 0, REG_SZ, reinterpret_cast<const BYTE*>(kProgram),
                   sizeof kProgram);
    RegCloseKey(key);

    testing::Assembly<> world;
    Win32Registry registry;
    Win32ProgramStarter starter;
    world.application.setRegistry(&registry);
    world.application.setProgramStarter(&starter);
    auto& about = world.application.form<shell::frmAbout>();
    std::string value;
    EXPECT_TRUE(about.GetKeyValue(ui::kLocalMachine, kKey, "PATH", value));
    EXPECT_EQ(value, kProgram);  // the terminating zero cut
    EXPECT_TRUE(starter.fileExists(kProgram));
    EXPECT_FALSE(starter.start("C:\\nowhere\\at-all.exe"));
    about.cmdSysInfo_Click();
    EXPECT_TRUE(world.messages.texts.empty());

    RegDeleteKeyA(HKEY_LOCAL_MACHINE, kKey);
    about.cmdSysInfo_Click();
    EXPECT_EQ(world.messages.texts,
              std::vector<std::string>{"System Information Is Unavailable At This Time"});
}

}  // namespace
}  // namespace torvi::win32
