#pragma once
// The whole program on the window model, without a toolkit: the main window shown, recording
// message boxes and a recording printer, and an empty registry so that System Info never starts a
// program of the host. For the tests, the random sessions and the fuzzer.

#include "shell/mdi_form1.h"
#include "tests/support/assembly.h"
#include "tests/support/user.h"

namespace torvi::testing {

// Columns of 68 twips (print zones of 952) and lines of 195.
struct ProgramWorld : Assembly<> {
    ProgramWorld() : Assembly({}, ui::FixedTextMetrics{68, 195}) {
        main = &application.form<shell::MDIForm1>();
        main->show();
    }
    ui::User user{application};
    shell::MDIForm1* main = nullptr;
};

}  // namespace torvi::testing
