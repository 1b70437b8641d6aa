// Torvi for Windows as a Windows user meets it: message boxes modal to the whole program, access
// keys, the menus' marks, the ways out, copying to other programs, the dialogs' face for the
// table, and what the screen shows of labels and boxes.

#include <windows.h>

#include <shlwapi.h>
#include <wincodec.h>
// clang-format off
#include <oleacc.h>
// clang-format on

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "input/form1.h"
#include "results/form2.h"
#include "results/form3.h"
#include "results/results_table.h"
#include "shell/frm_about.h"
#include "shell/frm_help.h"
#include "shell/frm_splash.h"
#include "tests/win32/program_fixture.h"
#include "ui/units.h"
#include "win32/conversions.h"
#include "win32/fonts.h"
#include "win32/win32_pictures.h"
#include "win32/win32_settings.h"

namespace torvi::win32 {
namespace {

// The command identifier and the menu of the item with this caption, the shortcut's text aside.
std::pair<HMENU, UINT> menuItem(HMENU menu, const std::wstring& caption) {
    for (int position = 0; position < GetMenuItemCount(menu); ++position) {
        if (HMENU sub = GetSubMenu(menu, position)) {
            if (const auto found = menuItem(sub, caption); found.first != nullptr) return found;
            continue;
        }
        wchar_t text[128] = {};
        GetMenuStringW(menu, position, text, 128, MF_BYPOSITION);
        if (std::wstring(text).substr(0, std::wstring(text).find(L'\t')) == caption)
            return {menu, GetMenuItemID(menu, position)};
    }
    return {nullptr, 0};
}

// What another program finds on the clipboard (clipboard_reader.exe beside this program), with
// the picture's colour at a point.
std::string readClipboard(POINT at = {0, 0}) {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    folder.resize(folder.rfind(L'\\') + 1);
    const std::wstring out = folder + L"clipboard.txt";
    std::wstring command = L"\"" + folder + L"clipboard_reader.exe\" \"" + out + L"\" " +
                           std::to_wstring(at.x) + L" " + std::to_wstring(at.y);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return "not started";
    WaitForSingleObject(process.hProcess, 20000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    std::ifstream file(toUtf8(out), std::ios::binary);
    std::stringstream content;
    content << file.rdbuf();
    return content.str();
}

int distance(ui::Rgb a, ui::Rgb b) {
    return std::abs(a.red - b.red) + std::abs(a.green - b.green) + std::abs(a.blue - b.blue);
}

// Pixels of a device context (a window's as the screen shows it), top-down, 0x00RRGGBB.
struct Pixels {
    Pixels(HDC source, SIZE size) : width(size.cx), data(std::size_t(size.cx) * size.cy) {
        HDC memory = CreateCompatibleDC(source);
        BITMAPINFO info{};
        info.bmiHeader = {
            sizeof(BITMAPINFOHEADER), size.cx, -size.cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        HBITMAP bitmap = CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ previous = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, size.cx, size.cy, source, 0, 0, SRCCOPY);
        GdiFlush();
        std::copy_n(static_cast<const DWORD*>(bits), data.size(), data.begin());
        SelectObject(memory, previous);
        DeleteObject(bitmap);
        DeleteDC(memory);
    }
    static Pixels of(HWND window) {
        RECT client{};
        GetClientRect(window, &client);
        HDC dc = GetDC(window);
        Pixels pixels(dc, SIZE{client.right, client.bottom});
        ReleaseDC(window, dc);
        return pixels;
    }
    ui::Rgb at(int x, int y) const {
        const DWORD value = data[static_cast<std::size_t>(y) * width + x];
        return {static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 8),
                static_cast<std::uint8_t>(value)};
    }
    int width;
    std::vector<DWORD> data;
};

// The box around the pixels of an area that differ from the background, and how near the
// nearest of them comes to a colour.
RECT inkIn(const Pixels& pixels, const RECT& area, ui::Rgb background, ui::Rgb colour = {},
           int* nearest = nullptr) {
    RECT ink{area.right, area.bottom, area.left, area.top};
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            const ui::Rgb seen = pixels.at(x, y);
            if (distance(seen, background) < 60) continue;
            ink = {std::min<LONG>(ink.left, x), std::min<LONG>(ink.top, y),
                   std::max<LONG>(ink.right, x + 1), std::max<LONG>(ink.bottom, y + 1)};
            if (nearest != nullptr) *nearest = std::min(*nearest, distance(seen, colour));
        }
    }
    return ink;
}

// The height of the font a control shows its text in.
LONG fontHeightOf(HWND control) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font,
               &font);
    return font.lfHeight;
}

// While a message box is open, the checks run from a timer its own message loop dispatches;
// then the box is closed with its OK button.
struct WhileOpen {
    static inline std::function<void()> check;
    static inline int runs = 0;
    static void CALLBACK tick(HWND, UINT, UINT_PTR id, DWORD) {
        HWND box = FindWindowW(L"#32770", nullptr);
        if (box == nullptr || !IsWindowVisible(box)) return;
        KillTimer(nullptr, id);
        ++runs;
        check();
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
};

// Alt+S, the access key of "&System Info...", presses it; its message is modal to the whole
// program: every other window is disabled and a menu command sent to the main window does not
// run. Afterwards every window takes input again.
TEST_F(Program, AnAccessKeyOpensAMessageThatStopsTheWholeProgram) {
    main->mnuAbout->choose();
    pump(binding, 200);
    auto* about = application.find<shell::frmAbout>();
    ASSERT_NE(about, nullptr);
    HWND aboutFrame = binding.windowView(about)->frame();
    const UINT showSplash = menuItem(GetMenu(frame), L"S&how Splash").second;
    ASSERT_NE(showSplash, 0u);
    WhileOpen::runs = 0;
    WhileOpen::check = [&] {
        EXPECT_FALSE(IsWindowEnabled(frame));
        EXPECT_FALSE(IsWindowEnabled(aboutFrame));
        SendMessageW(frame, WM_COMMAND, showSplash, 0);
        EXPECT_EQ(application.find<shell::frmSplash>(), nullptr);
    };
    SetTimer(nullptr, 0, 100, &WhileOpen::tick);
    key('S', kAlt);
    pump(binding, 400);
    EXPECT_EQ(WhileOpen::runs, 1);
    EXPECT_TRUE(IsWindowEnabled(frame));
    EXPECT_TRUE(IsWindowEnabled(aboutFrame));
    EXPECT_EQ(application.find<shell::frmAbout>(), about);
    SendMessageW(frame, WM_COMMAND, showSplash, 0);
    pump(binding);
    EXPECT_NE(application.find<shell::frmSplash>(), nullptr);
}

// The menus show the model's enabled and checked flags as Windows reads them back.
TEST_F(Program, MenusShowTheModelsMarks) {
    HMENU bar = GetMenu(frame);
    const auto state = [&](const wchar_t* caption) {
        const auto [menu, id] = menuItem(bar, caption);
        return GetMenuState(menu, id, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED | MF_CHECKED);
    };
    const struct {
        const wchar_t* caption;
        ui::MenuItem* shell::MDIForm1::*item;
    } items[] = {{L"&Print Table", &shell::MDIForm1::mnuPrint},
                 {L"Results (&Table)", &shell::MDIForm1::mnuRes},
                 {L"Ca&scade", &shell::MDIForm1::mnuCasc},
                 {L"Show G&raph First", &shell::MDIForm1::mnuSGF},
                 {L"Show Ta&ble First", &shell::MDIForm1::mnuSTF},
                 {L"Energy in k&J/mol", &shell::MDIForm1::mnuKJ},
                 {L"Temperatures in &K", &shell::MDIForm1::mnuKelvin}};
    const auto expectModel = [&] {
        for (const auto& row : items) {
            const ui::MenuItem& item = *(main->*row.item);
            const UINT shown = state(row.caption);
            EXPECT_EQ((shown & MF_GRAYED) == 0, item.enabled()) << toUtf8(row.caption);
            EXPECT_EQ((shown & MF_CHECKED) != 0, item.checked()) << toUtf8(row.caption);
        }
    };
    expectModel();
    typeTheExample();
    application.dispatch([&] { main->mnuCalc->choose(); });
    application.dispatch([&] { main->mnuSTF->choose(); });
    application.dispatch([&] { main->mnuKelvin->choose(); });
    pump(binding, 200);
    EXPECT_TRUE(main->mnuPrint->enabled() && main->mnuSTF->checked() && main->mnuKelvin->checked());
    expectModel();
}

// F1, as a keyboard sends it, opens the help; the menu item names its key.
TEST_F(Program, F1OpensHowToUseTorvi) {
    const auto [menu, id] = menuItem(GetMenu(frame), L"How to &Use Torvi");
    ASSERT_NE(menu, nullptr);
    wchar_t text[128] = {};
    GetMenuStringW(menu, id, text, 128, MF_BYCOMMAND);
    EXPECT_EQ(std::wstring(text), L"How to &Use Torvi\tF1");
    SetForegroundWindow(frame);
    pump(binding, 100);
    key(VK_F1);
    pump(binding, 200);
    auto* help = application.find<shell::frmHelp>();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(GetForegroundWindow(), binding.windowView(help)->frame());
    key(VK_ESCAPE);
    pump(binding, 200);
    EXPECT_EQ(application.find<shell::frmHelp>(), nullptr);
}

// The close box (the window manager's, which Windows turns into SC_CLOSE) and Alt+F4 end the
// program as Exit does: the message loop ends with status 0.
class CloseWays : public Program, public ::testing::WithParamInterface<bool> {};

TEST_P(CloseWays, EndTheProgramWithStatusZero) {
    main->mnuAbout->choose();
    pump(binding, 100);
    SetForegroundWindow(frame);
    pump(binding, 100);
    if (GetParam()) {
        PostMessageW(frame, WM_SYSCOMMAND, SC_CLOSE, 0);
    } else {
        key(VK_F4, kAlt);
    }
    const UINT_PTR watchdog =
        SetTimer(nullptr, 0, 5000, [](HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(3); });
    EXPECT_EQ(binding.run(), 0);
    KillTimer(nullptr, watchdog);  // else it ends a later test's message loop
    EXPECT_TRUE(application.ended());
    EXPECT_EQ(binding.mainFrame(), nullptr);
}
INSTANTIATE_TEST_SUITE_P(CloseBoxAndAltF4, CloseWays, ::testing::Values(true, false));

// A WM_TIMER that comes before the interval is over (Windows may send one early) does not tick:
// the timer waits for the rest of its interval.
TEST_F(Program, ATimerTickThatComesEarlyWaitsForTheRest) {
    main->mnuSplash->choose();
    pump(binding);
    auto* splash = application.find<shell::frmSplash>();
    ASSERT_NE(splash, nullptr);
    ui::Timer& timer = *splash->timers().front();
    int ticks = 0;
    timer.onTimer = [&] { ++ticks; };
    application.dispatch([&] { timer.setInterval(600); });
    HWND client = binding.windowView(splash)->clientArea();
    for (UINT_PTR id = 1; id <= 8; ++id) SendMessageW(client, WM_TIMER, id, 0);
    EXPECT_EQ(ticks, 0);
    pump(binding, 900);
    EXPECT_EQ(ticks, 1);
}

// Ctrl+C: the table as Unicode text and as HTML, the graph as a picture of its window, read by
// another program.
TEST_F(Program, CopyGivesOtherProgramsTheTableAndTheGraph) {
    typeTheExample();
    application.dispatch([&] { main->mnuCalc->choose(); });
    key('T', kControl);
    pump(binding, 200);
    key('C', kControl);
    pump(binding);
    std::string copied = readClipboard();
    EXPECT_NE(copied.find("text:Conformer #\t1\t2\r\nConf. Energy\t0\t1\r\n-50\t90,51\t9,49\r\n"),
              std::string::npos)
        << copied;
    const std::size_t html = copied.find("html:");
    ASSERT_NE(html, std::string::npos) << copied;
    const std::string document = copied.substr(html + 5);
    const std::size_t start = std::stoul(document.substr(document.find("StartFragment:") + 14));
    const std::size_t end = std::stoul(document.substr(document.find("EndFragment:") + 12));
    const std::string fragment = document.substr(start, end - start);
    EXPECT_EQ(fragment.rfind("<table", 0), 0u) << fragment;
    EXPECT_NE(fragment.find("<tr><td>-50</td><td>90,51</td><td>9,49</td></tr>"), std::string::npos);
    EXPECT_EQ(document.substr(end, 18), "<!--EndFragment-->");

    key('G', kControl);
    pump(binding, 200);
    auto& graph = *application.find<results::Form2>();
    ASSERT_EQ(application.activeWindow(), &graph);
    key('C', kControl);
    pump(binding);
    const ui::Label& cell = graph.cell(1, 0);
    const RECT area = areaOf(cell);
    const POINT inside{centreOf(area).x, area.bottom - 2};
    copied = readClipboard(inside);
    RECT client{};
    GetClientRect(binding.windowView(&graph)->clientArea(), &client);
    const ui::Rgb colour = cell.fillColour;
    std::ostringstream expected;
    expected << "dib:" << client.right << " " << client.bottom << " 24 " << int(colour.red) << ","
             << int(colour.green) << "," << int(colour.blue);
    EXPECT_NE(copied.find(expected.str()), std::string::npos) << copied;
}

// Maximised in a large main window, the graph grows to fill it: another program finds the copied
// picture at the size shown, with each cell's colour where the grown cell is; restored, the
// graph is as designed.
TEST_F(Program, TheGraphMaximisedGrowsToFillTheWindow) {
    SetWindowPos(frame, nullptr, 0, 0, 1600, 1000, SWP_NOZORDER | SWP_NOACTIVATE);
    typeTheExample();
    application.dispatch([&] { main->mnuCalc->choose(); });
    pump(binding, 200);
    auto& graph = *application.find<results::Form2>();
    const RECT designCell = areaOf(graph.cell(2, 0));
    HWND graphFrame = binding.windowView(&graph)->frame();
    ShowWindow(graphFrame, SW_MAXIMIZE);
    pump(binding, 300);
    RECT client{};
    GetClientRect(binding.windowView(&graph)->clientArea(), &client);
    const double scale = graph.contentScale();
    ASSERT_GT(scale, 1.5);
    const RECT cell = areaOf(graph.cell(2, 0));
    EXPECT_NEAR(cell.bottom - cell.top, (designCell.bottom - designCell.top) * scale, 2 * scale);
    key('C', kControl);
    pump(binding);
    const std::string copied = readClipboard({centreOf(cell).x, centreOf(cell).y});
    std::ostringstream expected;
    expected << "dib:" << client.right << " " << client.bottom << " 24 0,0,255";
    EXPECT_NE(copied.find(expected.str()), std::string::npos) << copied;
    ShowWindow(graphFrame, SW_RESTORE);
    pump(binding, 300);
    EXPECT_EQ(graph.contentScale(), 1.0);
    const RECT restored = areaOf(graph.cell(2, 0));
    EXPECT_TRUE(EqualRect(&restored, &designCell));
}

// Ctrl++ from the keyboard (the = key with Ctrl, or the keypad's +) zooms every window and its
// contents, Ctrl+0 goes back to the design's places; the zoom is kept in HKCU\Software\Torvi.
TEST_F(Program, ZoomFromTheKeyboardScalesTheWindowsAndIsKeptInTheRegistry) {
    key('D', kControl);
    pump(binding);
    auto& form = *application.find<input::Form1>();
    HWND box = binding.handleFor(form.Text1);
    RECT design{};
    GetWindowRect(box, &design);
    RECT designClient{};
    GetClientRect(binding.windowView(&form)->frame(), &designClient);
    key(VK_OEM_PLUS, kControl);
    pump(binding, 200);
    key(VK_ADD, kControl);
    pump(binding, 200);
    ASSERT_EQ(application.zoom(), 150);
    RECT zoomed{};
    GetWindowRect(box, &zoomed);
    EXPECT_NEAR(zoomed.right - zoomed.left, (design.right - design.left) * 1.5, 2);
    EXPECT_NEAR(zoomed.bottom - zoomed.top, (design.bottom - design.top) * 1.5, 2);
    RECT zoomedClient{};
    GetClientRect(binding.windowView(&form)->frame(), &zoomedClient);
    EXPECT_GE(zoomedClient.right, designClient.right * 3 / 2 - 2);
    key('0', kControl);
    pump(binding, 200);
    EXPECT_EQ(application.zoom(), 100);
    RECT restored{};
    GetWindowRect(box, &restored);
    EXPECT_EQ(restored.right - restored.left, design.right - design.left);
    EXPECT_EQ(restored.bottom - restored.top, design.bottom - design.top);

    win32::Win32Settings settings;
    settings.setNumber("Zoom", 175);
    EXPECT_EQ(win32::Win32Settings().number("Zoom"), 175);
    DWORD kept = 0;
    DWORD size = sizeof kept;
    EXPECT_EQ(RegGetValueW(HKEY_CURRENT_USER, L"Software\\Torvi", L"Zoom", RRF_RT_REG_DWORD,
                           nullptr, &kept, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(kept, 175u);
}

// A PNG file's bytes read back by the Windows Imaging Component: its size and one pixel.
struct ReadBack {
    UINT width = 0, height = 0;
    ui::Rgb pixel;
};
std::optional<ReadBack> readPng(const std::string& png, POINT at) {
    IWICImagingFactory* factory = nullptr;
    IStream* stream =
        SHCreateMemStream(reinterpret_cast<const BYTE*>(png.data()), static_cast<UINT>(png.size()));
    IWICBitmapDecoder* decoder = nullptr;
    IWICBitmapFrameDecode* frame = nullptr;
    IWICFormatConverter* converter = nullptr;
    std::optional<ReadBack> result;
    ReadBack read;
    BYTE bgra[4] = {};
    const WICRect one{at.x, at.y, 1, 1};
    if (stream != nullptr &&
        SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_PPV_ARGS(&factory))) &&
        SUCCEEDED(factory->CreateDecoderFromStream(stream, nullptr, WICDecodeMetadataCacheOnLoad,
                                                   &decoder)) &&
        SUCCEEDED(decoder->GetFrame(0, &frame)) &&
        SUCCEEDED(frame->GetSize(&read.width, &read.height)) &&
        SUCCEEDED(factory->CreateFormatConverter(&converter)) &&
        SUCCEEDED(converter->Initialize(frame, GUID_WICPixelFormat32bppBGRA,
                                        WICBitmapDitherTypeNone, nullptr, 0,
                                        WICBitmapPaletteTypeCustom)) &&
        SUCCEEDED(converter->CopyPixels(&one, 4, 4, bgra))) {
        read.pixel = ui::Rgb{bgra[2], bgra[1], bgra[0]};
        result = read;
    }
    for (IUnknown* held :
         std::initializer_list<IUnknown*>{converter, frame, decoder, factory, stream})
        if (held != nullptr) held->Release();
    return result;
}

// What Save Graph As writes on Windows: the window as shown, read back as a PNG of the client
// area's size with the cells' colours where they are; the thermometer's bitmap as a PNG of its
// own size for the SVG drawing; and for print, the printed graph at 300 dpi, 9,5 inches wide.
TEST_F(Program, TheGraphSavedAsAPictureReadsBack) {
    typeTheExample();
    application.dispatch([&] { main->mnuCalc->choose(); });
    pump(binding, 200);
    auto& graph = *application.find<results::Form2>();
    win32::Win32Pictures pictures(binding);
    const std::optional<std::string> png = pictures.windowPng(graph);
    ASSERT_TRUE(png);
    const RECT cell = areaOf(graph.cell(2, 0));
    const std::optional<ReadBack> read = readPng(*png, centreOf(cell));
    ASSERT_TRUE(read);
    RECT client{};
    GetClientRect(binding.windowView(&graph)->clientArea(), &client);
    EXPECT_EQ(read->width, static_cast<UINT>(client.right));
    EXPECT_EQ(read->height, static_cast<UINT>(client.bottom));
    EXPECT_EQ(read->pixel, (ui::Rgb{0, 0, 255}));
    const std::optional<std::string> thermometer = pictures.png("thermometer.png");
    ASSERT_TRUE(thermometer);
    const std::optional<ReadBack> picture = readPng(*thermometer, {0, 0});
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->width, 533u);
    EXPECT_EQ(picture->height, 135u);

    const std::optional<std::string> forPrint =
        results::graphPagePng(graph, pictures, application.metrics(), 300);
    ASSERT_TRUE(forPrint);
    const double grown = 13680.0 / graph.clientWidth() * 15 * 300 / 1440;  // page pixels a pixel
    const POINT centre = centreOf(cell);
    const std::optional<ReadBack> page = readPng(
        *forPrint, POINT{static_cast<LONG>(centre.x * grown), static_cast<LONG>(centre.y * grown)});
    ASSERT_TRUE(page);
    EXPECT_EQ(page->width, 2850u);
    EXPECT_NEAR(page->height, graph.clientHeight() * 13680.0 / graph.clientWidth() * 300 / 1440, 1);
    EXPECT_EQ(page->pixel, (ui::Rgb{0, 0, 255}));
}

// The table's font is the face Windows' dialogs use, which GDI has and takes as asked.
TEST(Fonts, TheTableIsInTheFaceOfWindowsDialogs) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
    HDC dc = CreateCompatibleDC(nullptr);
    const auto faceOf = [&](HFONT font) {
        SelectObject(dc, font);
        wchar_t face[LF_FACESIZE] = {};
        GetTextFaceW(dc, LF_FACESIZE, face);
        return std::wstring(face);
    };
    HFONT dialogs = CreateFontIndirectW(&metrics.lfMessageFont);
    const std::wstring expected = faceOf(dialogs);
    EXPECT_EQ(faceOf(fontFor(results::kTableFont)), expected);
    DeleteDC(dc);
    DeleteObject(dialogs);
}

// What the user sees: a label's text in its colour where its alignment puts it, and a box's
// text whole inside the box.
TEST_F(Program, LabelsAndBoxesShowTheirTextAsTheModelHasIt) {
    main->mnuAbout->choose();
    pump(binding, 200);
    auto& about = *application.find<shell::frmAbout>();
    ui::Label& label = *about.lblDescription;
    HWND client = binding.windowView(&about)->clientArea();
    const struct {
        ui::Alignment alignment;
        ui::Rgb colour;
    } rows[] = {{ui::Alignment::Left, {255, 0, 0}},
                {ui::Alignment::Centre, {0, 0, 255}},
                {ui::Alignment::Right, {0, 128, 0}}};
    for (const auto& row : rows) {
        application.dispatch([&] {
            label.alignment = row.alignment;
            label.foreColour = row.colour;
            label.setCaption("Wm");
        });
        pump(binding, 100);
        const RECT area = areaOf(label);
        int nearest = 999;
        const RECT ink = inkIn(Pixels::of(client), area, about.backColour, row.colour, &nearest);
        const int alignment = static_cast<int>(row.alignment);
        ASSERT_LT(ink.left, ink.right) << alignment;
        EXPECT_LT(nearest, 90) << alignment;  // the ink is the label's colour, smoothed or not
        // Where the ink lies: from the left edge, to the right one, or as far from each.
        const int fromLeft = ink.left - area.left, fromRight = area.right - ink.right;
        const int offBy = row.alignment == ui::Alignment::Left    ? fromLeft
                          : row.alignment == ui::Alignment::Right ? fromRight
                                                                  : std::abs(fromLeft - fromRight);
        EXPECT_LE(offBy, row.alignment == ui::Alignment::Centre ? 4 : 2) << alignment;
    }

    key('D', kControl);
    pump(binding);
    input::Form1& form = *application.find<input::Form1>();
    for (ui::TextBox* box : {&form.Text3(0), &form.Text4(1)}) {
        application.dispatch([&] { box->setText("223,15"); });
        pump(binding);
        HWND edit = binding.handleFor(box);
        RECT inside{};
        GetClientRect(edit, &inside);
        const LRESULT first = SendMessageW(edit, EM_POSFROMCHAR, 0, 0);
        const LRESULT last = SendMessageW(edit, EM_POSFROMCHAR, 5, 0);
        EXPECT_GE(static_cast<short>(LOWORD(first)), 0) << box->designName();
        EXPECT_LE(static_cast<short>(LOWORD(first)), 3) << box->designName();
        EXPECT_LT(static_cast<short>(LOWORD(last)) + 4, inside.right) << box->designName();
    }
}

// Every size follows the screen's pixels per inch: 96, or 144 (150 %) where check-high-dpi runs
// this with TORVI_EXPECTED_DPI=144 in a Wine whose LogPixels is 144. The windows are the model's
// twips at that resolution, the controls' font is sized for it, and a label's text is drawn in
// a font of that size (as GDI draws it there), not drawn at 96 and stretched.
TEST_F(Program, EverySizeIsForTheScreensPixelsPerInch) {
    const int perInch = screenPixelsPerInch();
    if (const char* expected = std::getenv("TORVI_EXPECTED_DPI")) {
        ASSERT_EQ(perInch, std::atoi(expected));
    }
    RECT outer{};
    GetWindowRect(frame, &outer);
    EXPECT_EQ(outer.right - outer.left, ui::twipsToPixels(10000, perInch));
    EXPECT_EQ(outer.bottom - outer.top, ui::twipsToPixels(7000, perInch));
    key('D', kControl);
    pump(binding, 200);
    input::Form1& form = *application.find<input::Form1>();
    HWND client = binding.windowView(&form)->clientArea();
    RECT inside{};
    GetClientRect(client, &inside);
    EXPECT_EQ(inside.right, ui::twipsToPixels(form.clientWidth(), perInch));
    EXPECT_EQ(inside.bottom, ui::twipsToPixels(form.clientHeight(), perInch));
    EXPECT_EQ(fontHeightOf(binding.handleFor(form.Text1)), -ui::pointsToPixels(8, perInch));

    // Label1's text on the screen and as GDI draws it in the label's font at this resolution.
    const ui::Label& label = *form.Label1;
    RECT area = areaOf(label);
    area.right = std::min(area.right, areaOf(*form.Text1).left);  // the label's trailing blank
    const ui::Rgb background = backgroundOf(label);
    const RECT ink = inkIn(Pixels::of(client), area, background);
    HDC screen = GetDC(client);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, inside.right, inside.bottom);
    ReleaseDC(client, screen);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    HBRUSH brush = CreateSolidBrush(toColorRef(background));
    FillRect(memory, &inside, brush);
    DeleteObject(brush);
    SelectObject(memory, fontFor(label.font));
    SetBkMode(memory, TRANSPARENT);
    RECT box = area;
    const std::wstring caption = toWide(label.caption());
    DrawTextW(memory, caption.c_str(), -1, &box, DT_SINGLELINE | DT_NOPREFIX);
    const RECT drawn = inkIn(Pixels(memory, SIZE{inside.right, inside.bottom}), area, background);
    SelectObject(memory, previous);
    DeleteDC(memory);
    DeleteObject(bitmap);
    EXPECT_EQ(ink.right - ink.left, drawn.right - drawn.left);
    EXPECT_EQ(ink.bottom - ink.top, drawn.bottom - drawn.top);
    EXPECT_GE(ink.bottom - ink.top, ui::pointsToPixels(8, perInch) / 2);

    // The About box's 32-pixel icon grows with the scale too (its art fills its square).
    main->mnuAbout->choose();
    pump(binding, 200);
    auto& about = *application.find<shell::frmAbout>();
    RECT icon = areaOf(*about.picIcon);
    InflateRect(&icon, -2, -2);  // inside the picture area's border
    const RECT art = inkIn(Pixels::of(binding.windowView(&about)->clientArea()), icon,
                           about.picIcon->fillColour);
    EXPECT_GE(art.right - art.left, 32 * perInch / 96 - 3);
    EXPECT_GE(art.bottom - art.top, 32 * perInch / 96 - 3);
}

// Moved to a monitor of 144 pixels per inch and back (WM_DPICHANGED): the windows, the controls
// and their font take the new monitor's pixels.
TEST_F(Program, AMoveToAMonitorOfAnotherScaleTakesItsPixels) {
    key('D', kControl);
    pump(binding, 200);
    input::Form1& form = *application.find<input::Form1>();
    HWND box = binding.handleFor(form.Text1);
    const int before = screenPixelsPerInch();
    for (const int perInch : {before == 96 ? 144 : 96, before}) {
        RECT suggested{};
        GetWindowRect(frame, &suggested);
        SendMessageW(frame, WM_DPICHANGED, MAKEWPARAM(perInch, perInch),
                     reinterpret_cast<LPARAM>(&suggested));
        pump(binding);
        RECT outer{};
        GetWindowRect(frame, &outer);
        EXPECT_EQ(outer.right - outer.left, ui::twipsToPixels(10000, perInch)) << perInch;
        // Within the frame Windows draws: on a real monitor change it takes the new scale too,
        // but Wine keeps drawing it at its own, a pixel or two off.
        RECT inside{};
        GetClientRect(binding.windowView(&form)->clientArea(), &inside);
        EXPECT_NEAR(inside.right, ui::twipsToPixels(form.clientWidth(), perInch), 2) << perInch;
        RECT place{};
        GetWindowRect(box, &place);
        EXPECT_EQ(place.right - place.left, ui::twipsToPixels(375, perInch)) << perInch;
        EXPECT_EQ(fontHeightOf(box), -ui::pointsToPixels(8, perInch)) << perInch;
    }
}

// What a screen reader reads, asked the way one asks (AccessibleObjectFromWindow, then
// get_accName): each box and button of Data Input and the About box under the model's accessible
// name, and the painted labels as texts of their window's client area.
TEST_F(Program, ScreenReadersFindTheNamesOfBoxesButtonsAndLabels) {
    key('D', kControl);
    pump(binding);
    main->mnuAbout->choose();
    pump(binding, 200);
    const auto nameOf = [](IAccessible* object, long child) {
        VARIANT id{};
        id.vt = VT_I4;
        id.lVal = child;
        BSTR name = nullptr;
        std::string result = "(no name)";
        if (object->get_accName(id, &name) == S_OK && name != nullptr) result = toUtf8(name);
        SysFreeString(name);
        return result;
    };
    const auto objectOf = [](HWND window) {
        IAccessible* object = nullptr;
        AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                   reinterpret_cast<void**>(&object));
        return object;
    };
    int named = 0;
    for (ui::Window* window : {static_cast<ui::Window*>(application.find<input::Form1>()),
                               static_cast<ui::Window*>(application.find<shell::frmAbout>())}) {
        ASSERT_NE(window, nullptr);
        std::vector<std::string> labels;
        for (const auto& element : window->elements()) {
            const ui::ElementKind kind = element->kind();
            if (kind == ui::ElementKind::Label && element->effectivelyVisible() &&
                !ui::accessibleNameOf(*element).empty())
                labels.push_back(ui::accessibleNameOf(*element));
            if (kind != ui::ElementKind::TextBox && kind != ui::ElementKind::CommandButton)
                continue;
            IAccessible* object = objectOf(binding.handleFor(element.get()));
            ASSERT_NE(object, nullptr) << element->designName();
            EXPECT_EQ(nameOf(object, CHILDID_SELF), ui::accessibleNameOf(*element))
                << element->designName();
            object->Release();
            ++named;
        }
        IAccessible* client = objectOf(binding.windowView(window)->clientArea());
        ASSERT_NE(client, nullptr);
        EXPECT_EQ(nameOf(client, CHILDID_SELF), window->caption());
        long count = 0;
        client->get_accChildCount(&count);
        std::vector<std::string> texts;
        for (long child = 1; child <= count; ++child) {
            VARIANT id{}, role{};
            id.vt = VT_I4;
            id.lVal = child;
            if (client->get_accRole(id, &role) == S_OK && role.vt == VT_I4 &&
                role.lVal == ROLE_SYSTEM_STATICTEXT)
                texts.push_back(nameOf(client, child));
        }
        client->Release();
        EXPECT_EQ(texts, labels) << window->name();
        EXPECT_FALSE(labels.empty());
    }
    EXPECT_EQ(named, 18);  // Data Input's 15 boxes and its button, the About box's two buttons
}

// torvi.exe tells Windows that it draws at each monitor's scale itself (else Windows would
// stretch its windows' pixels and blur every text): its manifest among its resources.
TEST(Manifest, DeclaresAwarenessOfEachMonitorsScaleWithTheSystemsAsFallback) {
    const char* program = std::getenv("TORVI_EXE");
    if (program == nullptr) GTEST_SKIP() << "TORVI_EXE names torvi.exe";
    HMODULE module = LoadLibraryExW(toWide(program).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr) << program;
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    ASSERT_NE(found, nullptr);
    const std::string manifest(static_cast<const char*>(LockResource(LoadResource(module, found))),
                               SizeofResource(module, found));
    EXPECT_NE(manifest.find(">PerMonitorV2, PerMonitor</dpiAwareness>"), std::string::npos);
    EXPECT_NE(manifest.find(">true/pm</dpiAware>"), std::string::npos);
    FreeLibrary(module);
}

// The texts of a started program's visible windows of a class, inside its top-level windows.
struct TextSearch {
    DWORD process;
    const wchar_t* className;
    std::vector<std::string> texts;
};
BOOL CALLBACK takeText(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<TextSearch*>(data);
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    if (IsWindowVisible(window) && lstrcmpiW(name, search.className) == 0) {
        // Another process's control answers WM_GETTEXT; GetWindowText would give its caption.
        wchar_t text[512] = {};
        SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text),
                            SMTO_ABORTIFHUNG, 2000, nullptr);
        search.texts.push_back(toUtf8(text));
    }
    return TRUE;
}
BOOL CALLBACK searchTopLevel(HWND top, LPARAM data) {
    DWORD owner = 0;
    GetWindowThreadProcessId(top, &owner);
    if (owner == reinterpret_cast<TextSearch*>(data)->process)
        EnumChildWindows(top, takeText, data);
    return TRUE;
}
std::vector<std::string> textsOf(DWORD process, const wchar_t* className) {
    TextSearch search{process, className, {}};
    EnumWindows(searchTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.texts;
}

// torvi.exe FILE.torvi, as Explorer starts it for a file of the type the installer associates:
// the exercise's entries in the Data Input window; for a cut file, a message that names the file
// and its line.
TEST(StartedWithAFile, OpensTheExerciseOrSaysWhyNot) {
    const char* program = std::getenv("TORVI_EXE");
    if (program == nullptr) GTEST_SKIP() << "TORVI_EXE names torvi.exe";
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    const auto run = [&](const std::wstring& name, const std::string& content, const wchar_t* kind,
                         const std::function<bool(std::vector<std::string>)>& shown) {
        const std::wstring path = std::wstring(folder) + name;
        std::ofstream(toUtf8(path), std::ios::binary) << content;
        std::wstring command = L"\"" + toWide(program) + L"\" \"" + path + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION started{};
        if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &started))
            return std::vector<std::string>{"not started"};
        std::vector<std::string> texts;
        for (int wait = 0; wait < 200 && !shown(texts); ++wait) {
            Sleep(100);
            texts = textsOf(started.dwProcessId, kind);
        }
        TerminateProcess(started.hProcess, 0);
        WaitForSingleObject(started.hProcess, 5000);
        CloseHandle(started.hThread);
        CloseHandle(started.hProcess);
        DeleteFileW(path.c_str());
        return texts;
    };
    const std::vector<std::string> wanted{"3", "0", "0,9", "0,9", "-50", "30"};
    const auto holdsEntries = [&](std::vector<std::string> texts) {
        return std::all_of(wanted.begin(), wanted.end(), [&](const std::string& text) {
            const auto found = std::find(texts.begin(), texts.end(), text);
            if (found == texts.end()) return false;
            texts.erase(found);
            return true;
        });
    };
    const std::vector<std::string> boxes = run(
        L"butane.torvi", "Torvi exercise 1\nunit kcal/mol\nenergies 0 0,9 0,9\nfrom -50\nto 30\n",
        L"Edit", holdsEntries);
    EXPECT_TRUE(holdsEntries(boxes)) << ::testing::PrintToString(boxes);

    const auto namesTheFile = [](const std::vector<std::string>& texts) {
        return std::any_of(texts.begin(), texts.end(), [](const std::string& text) {
            return text.find("\"cut.torvi\"") != std::string::npos &&
                   text.find("line 3") != std::string::npos;
        });
    };
    const std::vector<std::string> said =
        run(L"cut.torvi", "Torvi exercise 1\nenergies 0 1\n", L"Static", namesTheFile);
    EXPECT_TRUE(namesTheFile(said)) << ::testing::PrintToString(said);
}

}  // namespace
}  // namespace torvi::win32
