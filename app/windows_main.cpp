// Torvi for Windows: the same windows on the Win32 binding.

#include <windows.h>

#include "shell/mdi_form1.h"
#include "ui/application.h"
#include "ui/win32/win32_binding.h"
#include "ui/win32/win32_dialogs.h"
#include "ui/win32/win32_printers.h"
#include "ui/win32/win32_system_info.h"
#include "ui/win32/win32_text_metrics.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    using namespace torvi;
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
    application.dispatch([&] { application.form<shell::MDIForm1>().show(); });
    return binding.run();
}
