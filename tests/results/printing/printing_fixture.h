#pragma once
// The program on the window model with the real printer path: QPrinter on the default printer.

#include <gtest/gtest.h>

#include <string>

#include "input/form1.h"
#include "shell/mdi_form1.h"
#include "tests/support/test_doubles.h"
#include "tests/support/typed_entries.h"
#include "tests/support/user.h"
#include "ui/qt/qt_printers.h"
#include "ui/qt/qt_text_metrics.h"

namespace torvi::printing {

// The folder of the private spooler; its documents arrive in out/.
extern std::string spoolerFolder;

class PrintingProgram : public ::testing::Test {
  protected:
    void SetUp() override {
        application.setPrinters(&printers);
        main = &application.form<shell::MDIForm1>();
        main->show();
    }
    void calculate(const std::vector<std::string>& energies) {
        torvi::testing::typeEntries(user, energies);
        ASSERT_TRUE(main->mnuCalc->enabled());
        user.choose(*main->mnuCalc);
        ASSERT_TRUE(main->mnuPrint->enabled());
    }

    ui::qt::QtTextMetrics metrics;
    ui::RecordingDialogs messages;
    ui::qt::QtPrinters printers;
    ui::Application application{{}, metrics, messages};
    ui::User user{application};
    shell::MDIForm1* main = nullptr;
};

}  // namespace torvi::printing
