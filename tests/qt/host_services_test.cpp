// The System Info services of the Linux side: a real program start and the registry stand-in.

#include <gtest/gtest.h>

#include "qt/host_services.h"

namespace torvi::qt {
namespace {

constexpr char kMsinfo[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr char kLocation[] = "SOFTWARE\\Microsoft\\Shared Tools Location";

TEST(HostServices, ProgramsStartByPathWithoutAShellAndFailuresAreReported) {
    HostProgramStarter starter;
    EXPECT_TRUE(starter.fileExists("/bin/true"));
    EXPECT_FALSE(starter.fileExists("/nowhere/at/all"));
    EXPECT_FALSE(starter.fileExists("/tmp"));  // a folder is not a program file
    EXPECT_TRUE(starter.start("/bin/true"));
    EXPECT_FALSE(starter.start("/nowhere/at/all"));
    EXPECT_FALSE(starter.start("/bin/true; echo hacked"));  // no shell reads the path
}

TEST(HostServices, TheHostRegistryAnswersOnlyTheProgramPath) {
    HostRegistry registry;
    std::uint32_t key = 0;
    EXPECT_EQ(registry.openKey(ui::kLocalMachine, kLocation, ui::kReadAccess, key), ui::kNotFound);
    const std::string program = HostRegistry::findSystemInformationProgram();
    const long opened = registry.openKey(ui::kLocalMachine, kMsinfo, ui::kReadAccess, key);
    EXPECT_EQ(opened == ui::kSuccess, !program.empty());
}

}  // namespace
}  // namespace torvi::qt
