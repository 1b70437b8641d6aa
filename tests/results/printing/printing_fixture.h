#pragma once
// The program on the window model with the real printer path: QPrinter on the default printer.

#include <gtest/gtest.h>

#include <string>

#include "input/form1.h"
#include "qt/qt_printers.h"
#include "qt/qt_text_metrics.h"
#include "shell/mdi_form1.h"
#include "tests/support/assembly.h"
#include "tests/support/typed_entries.h"
#include "tests/support/user.h"

namespace torvi::printing {

// The folder of the private spooler; its documents arrive in out/.
extern std::string spoolerFolder;

// The assembly's recording printer gives way to the real one.
class PrintingProgram : public ::testing::Test, protected testing::Assembly<qt::QtTextMetrics> {
  protected:
    void SetUp() override {
        application.setPrinters(&systemPrinters);
        main = &application.form<shell::MDIForm1>();
        main->show();
    }
    void calculate(const std::vector<std::string>& energies) {
        torvi::testing::typeEntries(user, energies);
        ASSERT_TRUE(main->mnuCalc->enabled());
        user.choose(*main->mnuCalc);
        ASSERT_TRUE(main->mnuPrint->enabled());
    }

    qt::QtPrinters systemPrinters;
    ui::User user{application};
    shell::MDIForm1* main = nullptr;
};

}  // namespace torvi::printing
