// Figures of the Win32 binding under Wine, in milliseconds (medians): a key typed into a box to
// its rule run and the widgets updated and painted; Calculate to both results windows painted;
// the main window built and shown against a bare Win32 MDI frame built and shown, in the same
// process and as whole processes (the cold start: this program started again with --start,
// --bare or --styled shows that window, paints it and ends). Prints one "name median" line each.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "input/form1.h"
#include "shell/mdi_form1.h"
#include "tests/support/assembly.h"
#include "tests/support/typed_entries.h"
#include "win32/win32_binding.h"
#include "win32/win32_text_metrics.h"
#include "win32/window_view.h"

namespace {

using namespace torvi;

double now() {
    LARGE_INTEGER counter{};
    LARGE_INTEGER frequency{};
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

double median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The median time of a run, each after its untimed preparation.
double median(int runs, const std::function<void()>& run,
              const std::function<void()>& prepare = {}) {
    std::vector<double> times;
    for (int k = 0; k < runs; ++k) {
        if (prepare) prepare();
        const double start = now();
        run();
        times.push_back(now() - start);
    }
    return median(times);
}

void paintEverything(HWND frame) {
    RedrawWindow(frame, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

// Paints what an event left to paint, as the message loop would before the next input.
void paintPending(HWND frame) {
    RedrawWindow(frame, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

struct Program {
    testing::Assembly<win32::Win32TextMetrics> assembly;
    ui::Application& application = assembly.application;
    win32::Win32Binding binding{application};
    ui::User user{application};
    shell::MDIForm1* main = nullptr;
    Program() {
        application.dispatch([&] {
            main = &application.form<shell::MDIForm1>();
            main->show();
        });
        binding.processMessages();
    }
};

// Handles the messages waiting, as a program's message loop would before it paints.
void processMessages() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// A bare MDI frame with its workspace, shown, its messages handled and painted, as the program's
// main window is: what any MDI program starts with. With the program's styles, the workspace has
// a sunken edge and scrolls, and neither paints over its children.
void showBareFrame(bool programStyles) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = [](HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
        return DefFrameProcW(handle, nullptr, message, wParam, lParam);
    };
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"BareFrame";
    RegisterClassW(&windowClass);
    const DWORD clip = programStyles ? WS_CLIPCHILDREN : 0;
    HWND frame = CreateWindowExW(0, L"BareFrame", L"Bare", WS_OVERLAPPEDWINDOW | clip, 0, 0, 667,
                                 467, nullptr, CreateMenu(), GetModuleHandleW(nullptr), nullptr);
    CLIENTCREATESTRUCT workspace{nullptr, 50000};
    const DWORD scroll = programStyles ? WS_VSCROLL | WS_HSCROLL : 0;
    CreateWindowExW(programStyles ? WS_EX_CLIENTEDGE : 0, L"MDICLIENT", nullptr,
                    WS_CHILD | WS_VISIBLE | clip | scroll, 0, 0, 600, 400, frame, nullptr,
                    GetModuleHandleW(nullptr), &workspace);
    ShowWindow(frame, SW_SHOW);
    processMessages();
    paintEverything(frame);
    DestroyWindow(frame);
}

// A bare frame's workspace bringing one of three empty child windows to the front, painted: what
// any MDI program pays to show a window it activates.
double bareChildActivation() {
    WNDCLASSW childClass{};
    childClass.lpfnWndProc = DefMDIChildProcW;
    childClass.hInstance = GetModuleHandleW(nullptr);
    childClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    childClass.lpszClassName = L"BareChild";
    RegisterClassW(&childClass);
    showBareFrame(false);  // registers the frame's class
    HWND frame = CreateWindowExW(0, L"BareFrame", L"Bare", WS_OVERLAPPEDWINDOW, 0, 0, 667, 467,
                                 nullptr, CreateMenu(), GetModuleHandleW(nullptr), nullptr);
    CLIENTCREATESTRUCT workspace{nullptr, 50000};
    HWND client = CreateWindowExW(0, L"MDICLIENT", nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 600, 400,
                                  frame, nullptr, GetModuleHandleW(nullptr), &workspace);
    ShowWindow(frame, SW_SHOW);
    std::vector<HWND> children;
    for (int k = 0; k < 3; ++k) {
        MDICREATESTRUCTW child{L"BareChild", L"Child",   GetModuleHandleW(nullptr),
                               30 * k,       30 * k,     400,
                               250,          WS_VISIBLE, 0};
        children.push_back(reinterpret_cast<HWND>(
            SendMessageW(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&child))));
    }
    paintEverything(frame);
    int next = 0;
    const double time = median(50, [&] {
        SendMessageW(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(children[next++ % 3]), 0);
        paintPending(frame);
    });
    DestroyWindow(frame);
    return time;
}

// Runs this program again with the argument until it ends: the whole process's time.
double runSelf(const wchar_t* argument) {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring command = L"\"" + std::wstring(path) + L"\" " + argument;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const double start = now();
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return -1;
    WaitForSingleObject(process.hProcess, INFINITE);
    const double time = now() - start;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return time;
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::string role = argc > 1 ? argv[1] : "";
    if (role == "--start") {
        Program program;
        paintEverything(program.binding.mainFrame());
        return 0;
    }
    if (role == "--bare" || role == "--styled") {
        showBareFrame(role == "--styled");
        return 0;
    }
    std::vector<double> coldStarts;
    std::vector<double> coldBares;
    std::vector<double> coldStyled;
    for (int round = 0; round < 21; ++round) {
        coldStarts.push_back(runSelf(L"--start"));
        coldBares.push_back(runSelf(L"--bare"));
        coldStyled.push_back(runSelf(L"--styled"));
    }

    // The program's main window and the bare frames in turn, so that all meet the same machine.
    std::vector<double> starts;
    std::vector<double> bares;
    std::vector<double> styled;
    for (int round = 0; round < 21; ++round) {
        starts.push_back(median(1, [] {
            Program program;
            paintEverything(program.binding.mainFrame());
        }));
        bares.push_back(median(1, [] { showBareFrame(false); }));
        styled.push_back(median(1, [] { showBareFrame(true); }));
    }
    const double start = median(starts);
    const double bare = median(bares);

    Program program;
    torvi::testing::typeEntries(program.user, {"0", "1"});
    input::Form1& form = *program.application.find<input::Form1>();
    program.user.click(*form.Text1);
    HWND count = program.binding.handleFor(form.Text1);
    HWND frame = program.binding.mainFrame();
    const double key = median(200,
                              [&] {
                                  SendMessageW(count, WM_CHAR, L'2',
                                               0);  // the count rule runs, Calculate goes off
                                  paintPending(frame);
                                  SendMessageW(count, WM_CHAR, VK_BACK, 0);
                                  paintPending(frame);
                              }) /
                       2;
    // Each Calculate from the Data Input window in front, with another energy, so that every
    // number of the results changes and both results windows come to the front.
    int run = 0;
    const double calculate = median(
        50,
        [&] {
            program.application.dispatch([&] { program.main->mnuCalc_Click(); });
            paintPending(frame);
        },
        [&] {
            program.application.dispatch([&] {
                form.Text2(2).setText(++run % 2 ? "1,5" : "1");
                program.application.activate(form);
            });
            paintPending(frame);
        });
    std::printf("win32_key_to_rule_painted %.3f\n", key);
    std::printf("win32_calculate_to_results_painted %.3f\n", calculate);
    std::printf("win32_bare_child_window_activated %.3f\n", bareChildActivation());
    std::printf("win32_start_to_main_window_shown %.3f\n", start);
    std::printf("win32_bare_mdi_frame_shown %.3f\n", bare);
    std::printf("win32_mdi_frame_with_program_styles_shown %.3f\n", median(styled));
    std::printf("win32_cold_start_to_main_window_shown %.3f\n", median(coldStarts));
    std::printf("win32_cold_start_bare_mdi_frame %.3f\n", median(coldBares));
    std::printf("win32_cold_start_mdi_frame_with_program_styles %.3f\n", median(coldStyled));
    return 0;
}
