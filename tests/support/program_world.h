#pragma once
// The whole program on the window model, without a toolkit: the main window shown, recording
// message boxes and a recording printer, and an empty registry so that System Info never starts a
// program of the host. For the tests, the random sessions and the fuzzer.

#include "shell/mdi_form1.h"
#include "tests/support/test_doubles.h"
#include "tests/support/user.h"

namespace torvi::testing {

struct ProgramWorld {
    ProgramWorld() {
        application.setPrinters(&printers);
        application.setRegistry(&registry);
        main = &application.form<shell::MDIForm1>();
        main->show();
    }
    // Columns of 68 twips (print zones of 952) and lines of 195.
    ui::FixedTextMetrics metrics{68, 195};
    ui::RecordingDialogs messages;
    ui::RecordingPrinters printers{metrics};
    ui::MemoryRegistry registry;
    ui::Application application{{}, metrics, messages};
    ui::User user{application};
    shell::MDIForm1* main = nullptr;
};

}  // namespace torvi::testing
