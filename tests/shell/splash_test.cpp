#include "shell/frm_splash.h"
#include "shell_fixture.h"

namespace torvi::shell::testing {
namespace {

TEST_F(Program, ShowSplashOpensItPinnedAndLoadsDataInput) {
    user.choose(*main->mnuSplash);
    frmSplash* splash = window<frmSplash>();
    ASSERT_NE(splash, nullptr);
    EXPECT_TRUE(splash->visible());
    EXPECT_TRUE(splash->centredOnScreen);
    EXPECT_EQ(splash->borderStyle(), ui::BorderStyle::FixedDialog);
    EXPECT_FALSE(splash->hasTitleBar());
    EXPECT_EQ(splash->lblVersion->caption(), "Version 1.0");
    EXPECT_EQ(splash->lblProductName->caption(), "Torvi");
    EXPECT_EQ(splash->Label1->caption(), "Fixed");
    EXPECT_TRUE(splash->Timer1->running());
    EXPECT_NE(window<input::Form1>(), nullptr);
    EXPECT_EQ(application.activeWindow(), splash);
}

TEST_F(Program, APinnedSplashOutlivesItsTimer) {
    user.choose(*main->mnuSplash);
    for (int seconds : {2, 4, 10}) {
        user.wait(seconds * 1000);
        EXPECT_NE(window<frmSplash>(), nullptr) << seconds;
    }
    user.key('x');
    EXPECT_EQ(window<frmSplash>(), nullptr);
}

TEST_F(Program, AnUnpinnedSplashClosesAtTheFirstTick) {
    application.form<frmSplash>().show();
    user.wait(1999);
    EXPECT_NE(window<frmSplash>(), nullptr);
    user.wait(1);
    EXPECT_EQ(window<frmSplash>(), nullptr);
}

TEST_F(Program, AClickOnTheFrameClosesTheSplashButNotOneOnALabelOrPicture) {
    user.choose(*main->mnuSplash);
    frmSplash* splash = window<frmSplash>();
    user.click(*splash->lblProductName);
    user.click(*splash->imgLogo);
    EXPECT_NE(window<frmSplash>(), nullptr);
    user.click(*splash->Frame1);
    EXPECT_EQ(window<frmSplash>(), nullptr);
}

TEST_F(Program, ShowSplashTwiceKeepsOneWindow) {
    user.choose(*main->mnuSplash);
    frmSplash* first = window<frmSplash>();
    first->Label1->setCaption("Label1");
    user.choose(*main->mnuSplash);
    EXPECT_EQ(window<frmSplash>(), first);
    EXPECT_EQ(first->Label1->caption(), "Fixed");
    // A new one after closing starts unpinned from its design again.
    user.key(27);
    application.form<frmSplash>().show();
    EXPECT_EQ(window<frmSplash>()->Label1->caption(), "Label1");
}

// Key preview: Ctrl+letter types a character into the splash, which closes it, ahead of the
// menus' shortcuts (Exit, Data Input, the results windows).
TEST_F(Program, TheSplashTakesControlLettersAheadOfTheMenus) {
    calculate({"0", "1"});
    const std::vector<ui::Rect> places{dataInput().geometry(), window<results::Form2>()->geometry(),
                                       window<results::Form3>()->geometry()};
    for (const char letter : {'Q', 'D', 'T', 'G'}) {
        user.choose(*main->mnuSplash);
        EXPECT_FALSE(user.shortcut(letter)) << letter;
        EXPECT_EQ(window<frmSplash>(), nullptr) << letter;
        EXPECT_FALSE(application.ended()) << letter;
    }
    EXPECT_EQ(places,
              (std::vector<ui::Rect>{dataInput().geometry(), window<results::Form2>()->geometry(),
                                     window<results::Form3>()->geometry()}));
}

TEST_F(Program, ExitClosesTheSplashAndTheAboutBoxToo) {
    user.choose(*main->mnuSplash);
    user.choose(*main->mnuAbout);
    EXPECT_TRUE(user.shortcut('Q'));
    EXPECT_TRUE(application.ended());
    EXPECT_TRUE(application.stackingOrder().empty());
}

}  // namespace
}  // namespace torvi::shell::testing
