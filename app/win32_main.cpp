// Torvi for Windows: the command line, or the windows on the Win32 binding.

#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/entry.h"
#include "shell/mdi_form1.h"
#include "ui/application.h"
#include "win32/conversions.h"
#include "win32/win32_binding.h"
#include "win32/win32_dialogs.h"
#include "win32/win32_files.h"
#include "win32/win32_pictures.h"
#include "win32/win32_printers.h"
#include "win32/win32_settings.h"
#include "win32/win32_system_info.h"
#include "win32/win32_text_metrics.h"

namespace {

using namespace torvi;

// The arguments as UTF-8, the program's name first.
std::vector<std::string> arguments() {
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> result;
    for (int k = 0; k < count; ++k) result.push_back(win32::toUtf8(wide[k]));
    LocalFree(wide);
    return result;
}

// A window program has no console of its own: its output goes where it was redirected (a file,
// a pipe) or else to the console it was started from.
void attachOutput() {
    const auto redirected = [](DWORD which) {
        HANDLE handle = GetStdHandle(which);
        return handle != nullptr && handle != INVALID_HANDLE_VALUE &&
               GetFileType(handle) != FILE_TYPE_UNKNOWN;
    };
    const bool out = redirected(STD_OUTPUT_HANDLE);
    const bool error = redirected(STD_ERROR_HANDLE);
    if ((out && error) || !AttachConsole(ATTACH_PARENT_PROCESS)) return;
    if (!out) std::freopen("CONOUT$", "w", stdout);
    if (!error) std::freopen("CONOUT$", "w", stderr);
}

int runWindows(const app::CommandLine& command) {
    // Held while the windows run: the installer and the uninstaller wait until it is released.
    HANDLE running = CreateMutexW(nullptr, FALSE, L"TorviRunning");
    win32::Win32TextMetrics metrics;
    win32::Win32Dialogs dialogs;
    win32::Win32Printers printers;
    win32::Win32Registry registry;
    win32::Win32ProgramStarter programStarter;
    win32::Win32Files files;
    win32::Win32Settings settings;
    ui::Application application({}, metrics, dialogs);
    application.setFiles(&files);
    application.setSettings(&settings);
    application.setPrinters(&printers);
    application.setRegistry(&registry);
    application.setProgramStarter(&programStarter);
    win32::Win32Binding binding(application);
    win32::Win32Pictures pictures(binding);
    application.setPictures(&pictures);
    dialogs.setBinding(&binding);
    application.dispatch([&] {
        auto& main = application.form<shell::MDIForm1>();
        main.show();
        if (command.showHpg) main.mnuHPG->setVisible(true);
    });
    if (command.openFile)
        application.dispatch([&] {
            if (auto* main = application.find<shell::MDIForm1>())
                main->openExercise(*command.openFile);
        });
    const int status = binding.run();
    if (running != nullptr) CloseHandle(running);
    return status;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    win32::Win32Files files;
    return app::runTorvi(
        arguments(), {.prepareOutput = attachOutput, .runWindows = runWindows, .files = &files});
}
