// Print Table on Windows' default printer: nine conformers, then ten; then Print Graph of two.
// tests/win32/check-printing runs it with a private spooler and reads the pages that reach it.

#include <gtest/gtest.h>

#include "shell/mdi_form1.h"
#include "tests/support/program_world.h"
#include "tests/support/typed_entries.h"
#include "win32/win32_printers.h"

namespace torvi::win32 {
namespace {

TEST(Printing, NineConformersThenTenGoToTheDefaultPrinter) {
    for (int count : {9, 10}) {
        testing::ProgramWorld world;
        Win32Printers printers;
        world.application.setPrinters(&printers);
        std::vector<std::string> energies;
        for (int i = 0; i < count; ++i) energies.push_back(std::to_string(i) + ",25");
        torvi::testing::typeEntries(world.user, energies);
        ASSERT_TRUE(world.main->mnuCalc->enabled());
        world.user.choose(*world.main->mnuCalc);
        world.user.choose(*world.main->mnuPrint);
        EXPECT_TRUE(world.messages.texts.empty()) << world.messages.texts.front();
    }
}

TEST(Printing, TheGraphGoesToTheDefaultPrinter) {
    testing::ProgramWorld world;
    Win32Printers printers;
    world.application.setPrinters(&printers);
    torvi::testing::typeEntries(world.user, {"0", "1"});
    world.user.choose(*world.main->mnuCalc);
    world.user.choose(*world.main->mnuPrintGraph);
    EXPECT_TRUE(world.messages.texts.empty()) << world.messages.texts.front();
}

}  // namespace
}  // namespace torvi::win32
