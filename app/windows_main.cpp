// Torvi for Windows: the command line, or the same windows on the Win32 binding.

#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "shell/mdi_form1.h"
#include "ui/application.h"
#include "ui/win32/conversions.h"
#include "ui/win32/win32_binding.h"
#include "ui/win32/win32_dialogs.h"
#include "ui/win32/win32_printers.h"
#include "ui/win32/win32_system_info.h"
#include "ui/win32/win32_text_metrics.h"

namespace {

// The arguments as UTF-8, the program's name first.
std::vector<std::string> arguments() {
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> result;
    for (int k = 0; k < count; ++k) result.push_back(torvi::ui::win32::toUtf8(wide[k]));
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

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    using namespace torvi;
    using app::CommandLine;
    const CommandLine command = app::readCommandLine(arguments());
    if (command.action != CommandLine::Action::Window) attachOutput();
    switch (command.action) {
        case CommandLine::Action::Print:
            std::fputs(command.output.c_str(), stdout);
            return 0;
        case CommandLine::Action::Table:
            return app::runTableCommand(command);
        case CommandLine::Action::Refuse:
            std::fprintf(stderr, "%s\n", command.output.c_str());
            return 2;
        case CommandLine::Action::Window:
            break;
    }

    ui::win32::Win32TextMetrics metrics;
    ui::win32::Win32Dialogs dialogs;
    ui::win32::Win32Printers printers;
    ui::win32::Win32Registry registry;
    ui::win32::Win32ProgramStarter programStarter;
    ui::Application application({}, metrics, dialogs);
    application.setPrinters(&printers);
    application.setRegistry(&registry);
    application.setProgramStarter(&programStarter);
    ui::win32::Win32Binding binding(application);
    dialogs.setBinding(&binding);
    application.dispatch([&] {
        auto& main = application.form<shell::MDIForm1>();
        main.show();
        if (command.showHpg) main.mnuHPG->setVisible(true);
    });
    return binding.run();
}
