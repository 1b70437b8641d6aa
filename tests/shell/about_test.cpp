#include "shell/frm_about.h"
#include "shell/frm_splash.h"
#include "shell_fixture.h"

namespace torvi::shell::testing {
namespace {

using namespace ui;

using Texts = std::vector<std::string>;
constexpr char kMsinfo[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr char kLocation[] = "SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr char kUnavailable[] = "System Information Is Unavailable At This Time";

class StarterRecord : public ProgramStarter {
  public:
    bool fileExists(const std::string& path) override {
        checked.push_back(path);
        return std::find(files.begin(), files.end(), path) != files.end();
    }
    bool start(const std::string& path) override {
        started.push_back(path);
        return startable;
    }
    std::vector<std::string> files;
    std::vector<std::string> checked;
    std::vector<std::string> started;
    bool startable = true;
};

class About : public Program {
  protected:
    void SetUp() override {
        Program::SetUp();
        application.setRegistry(&registry);
        application.setProgramStarter(&starter);
        user.choose(*main->mnuAbout);
        about = window<frmAbout>();
        ASSERT_NE(about, nullptr);
    }
    CountingRegistry registry;
    StarterRecord starter;
    frmAbout* about = nullptr;
};

TEST_F(About, ShowsTitleVersionAndDescription) {
    EXPECT_EQ(about->caption(), "About Torvi");
    EXPECT_EQ(about->lblTitle->caption(), "Torvi");
    EXPECT_EQ(about->lblVersion->caption(), "Version 1.0");
    EXPECT_EQ(
        about->lblDescription->caption(),
        "This program is useful to illustrate the Boltzmann distribution of several (up to 10) "
        "conformers, according to their ground state energies, as a function of temperature.");
    EXPECT_EQ(about->borderStyle(), ui::BorderStyle::FixedDialog);
    EXPECT_EQ(about->clientWidth(), 5730);
    EXPECT_EQ(about->clientHeight(), 3555);
    EXPECT_EQ(about->Line1(0).thickness, 2);
    EXPECT_EQ(about->Line1(1).colour, (ui::Rgb{128, 128, 128}));
    EXPECT_EQ(about->cmdSysInfo->caption(), "&System Info...");
    // Not modal: the main window's commands still work.
    EXPECT_TRUE(user.shortcut('D'));
}

// Alt+S is the System Info button's access key. Its message is modal to the whole program: while
// it is open no key, click, menu command or close box reaches any window.
TEST_F(About, TheAccessKeyPressesSystemInfoWhoseMessageStopsTheWholeProgram) {
    int tries = 0;
    messages.whileOpen = [&] {
        ++tries;
        EXPECT_FALSE(user.shortcut('Q'));
        user.choose(*main->mnuSplash);
        user.click(*about->cmdOK);
        user.escape();
        EXPECT_FALSE(deliverAccessKey(*about, 's'));
        user.close(*about);
        user.close(*main);
    };
    EXPECT_FALSE(deliverAccessKey(*about, 'O'));  // OK marks no letter
    EXPECT_TRUE(deliverAccessKey(*about, 's'));
    EXPECT_EQ(messages.texts, Texts{kUnavailable});
    EXPECT_EQ(tries, 1);
    EXPECT_FALSE(application.ended());
    EXPECT_EQ(window<frmAbout>(), about);
    EXPECT_EQ(window<frmSplash>(), nullptr);
    EXPECT_EQ(application.activeWindow(), about);
    const struct {
        const char* caption;
        char letter;
    } captions[] = {{"&System Info...", 'S'}, {"OK", 0}, {"Save && E&xit", 'X'}, {"&", 0}};
    for (const auto& row : captions) EXPECT_EQ(accessLetter(row.caption), row.letter);
}

TEST_F(About, EnterAndEscCloseItAsOKDoes) {
    user.enter();
    EXPECT_EQ(window<frmAbout>(), nullptr);
    user.choose(*main->mnuAbout);
    user.escape();
    EXPECT_EQ(window<frmAbout>(), nullptr);
    user.choose(*main->mnuAbout);
    user.click(*window<frmAbout>()->cmdOK);
    EXPECT_EQ(window<frmAbout>(), nullptr);
}

TEST_F(About, TheFirstRegistryValueNamesTheProgramToStart) {
    registry.setString(kLocalMachine, kMsinfo, "PATH", "/usr/bin/kinfocenter");
    user.click(*about->cmdSysInfo);
    EXPECT_EQ(starter.started, (Texts{"/usr/bin/kinfocenter"}));
    EXPECT_TRUE(starter.checked.empty());  // started without an existence test
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(registry.lastAccessMask, 0x20019u);  // KEY_READ: any user may read the key
    EXPECT_EQ(registry.openKeys, 0);
}

TEST_F(About, TheSecondValueNamesAFolderThatMustHoldTheProgram) {
    registry.setString(kLocalMachine, kLocation, "MSINFO", "C:\\Tools");
    starter.files = {"C:\\Tools\\MSINFO32.EXE"};
    user.click(*about->cmdSysInfo);
    EXPECT_EQ(starter.started, (Texts{"C:\\Tools\\MSINFO32.EXE"}));
    EXPECT_TRUE(messages.texts.empty());

    starter.files.clear();
    starter.started.clear();
    user.click(*about->cmdSysInfo);
    EXPECT_TRUE(starter.started.empty());
    EXPECT_EQ(messages.texts, (Texts{kUnavailable}));
    EXPECT_NE(window<frmAbout>(), nullptr);
}

TEST_F(About, NeitherValueMeansUnavailable) {
    user.click(*about->cmdSysInfo);
    EXPECT_EQ(messages.texts, (Texts{kUnavailable}));
    EXPECT_EQ(messages.lastTitle, "Torvi");
    EXPECT_NE(window<frmAbout>(), nullptr);
}

TEST_F(About, AProgramThatCannotBeStartedIsUnavailable) {
    registry.setString(kLocalMachine, kMsinfo, "PATH", "/nowhere/msinfo");
    starter.startable = false;
    user.click(*about->cmdSysInfo);
    EXPECT_EQ(messages.texts, (Texts{kUnavailable}));
}

TEST_F(About, GetKeyValueCutsOneTerminatingZeroAndReadsNumbers) {
    std::string value = "old";
    registry.setString(kLocalMachine, "K", "with", "C:\\A", true);
    registry.setString(kLocalMachine, "K", "without", "C:\\B", false);
    registry.setValue(kLocalMachine, "K", "number", kNumberType, {0x2C, 0x01, 0x00, 0x00});
    registry.setValue(kLocalMachine, "K", "binary", 3, {1, 2});
    EXPECT_TRUE(about->GetKeyValue(kLocalMachine, "K", "with", value));
    EXPECT_EQ(value, "C:\\A");
    EXPECT_TRUE(about->GetKeyValue(kLocalMachine, "K", "without", value));
    EXPECT_EQ(value, "C:\\B");
    EXPECT_TRUE(about->GetKeyValue(kLocalMachine, "K", "number", value));
    EXPECT_EQ(value, "300");
    EXPECT_TRUE(about->GetKeyValue(kLocalMachine, "K", "binary", value));
    EXPECT_EQ(value, "300");  // other types leave the text as it was
    EXPECT_FALSE(about->GetKeyValue(kLocalMachine, "K", "missing", value));
    EXPECT_EQ(value, "");
    EXPECT_FALSE(about->GetKeyValue(kLocalMachine, "Nowhere", "with", value));
    EXPECT_EQ(registry.openKeys, 0);
}

}  // namespace
}  // namespace torvi::shell::testing
