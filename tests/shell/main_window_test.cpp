#include <set>

#include "shell/frm_help.h"
#include "shell/help_text.h"
#include "shell_fixture.h"
#include "ui/user_input.h"

namespace torvi::shell::testing {
namespace {

using Texts = std::vector<std::string>;

TEST_F(Program, StartsWithItsCaptionSizeAndMenusInTheirFirstStates) {
    EXPECT_EQ(main->caption(), "Torvi 1.0");
    EXPECT_EQ(main->geometry().width, 10000);
    EXPECT_EQ(main->geometry().height, 7000);
    EXPECT_EQ(childOrder(), Texts{});

    std::vector<std::string> bar;
    for (const ui::MenuItem* item : main->menuBar()) bar.push_back(item->caption());
    EXPECT_EQ(bar, (Texts{"&File", "&Calculate", "&Window", "O&ptions", "&Help", "HPG"}));
    std::vector<std::string> file;
    for (const ui::MenuItem* item : main->mnuFile->children()) file.push_back(item->caption());
    EXPECT_EQ(file,
              (Texts{"&Print Table", "-", "E&xit", "-", "S&how Splash", "-", "&Open Exercise...",
                     "Save &Exercise As...", "-", "Save &Graph As...", "Print Gr&aph"}));
    std::vector<std::string> windowMenu;
    for (const ui::MenuItem* item : main->mnuWindow->children())
        windowMenu.push_back(item->caption());
    EXPECT_EQ(windowMenu,
              (Texts{"&Data Input", "Results (&Table)", "Results (&Graph)", "-", "Ca&scade"}));
    EXPECT_EQ(main->mnuExit->shortcut(), 'Q');
    EXPECT_EQ(main->mnuData->shortcut(), 'D');
    EXPECT_EQ(main->mnuRes->shortcut(), 'T');
    EXPECT_EQ(main->mnuGraph->shortcut(), 'G');
    for (const ui::MenuItem* item : {main->mnuPrint, main->mnuCalc, main->mnuRes, main->mnuGraph,
                                     main->mnuCasc, main->mnuSaveGraph, main->mnuPrintGraph}) {
        EXPECT_FALSE(item->enabled()) << item->name();
    }
    EXPECT_TRUE(main->mnuSGF->checked());
    EXPECT_FALSE(main->mnuSTF->checked());
    EXPECT_FALSE(main->mnuKJ->checked());
    EXPECT_FALSE(main->mnuKelvin->checked());
    EXPECT_FALSE(main->mnuHPG->visible());
    EXPECT_FALSE(main->mnuHPG->available());
}

TEST_F(Program, OptionsBeforeAnyCalculationOnlyMoveTheCheckMarks) {
    dataInput().move(2000, 1000);
    user.choose(*main->mnuSTF);
    EXPECT_FALSE(main->mnuSGF->checked());
    EXPECT_TRUE(main->mnuSTF->checked());
    EXPECT_EQ(dataInput().geometry().left, 2000);
    user.choose(*main->mnuSGF);
    EXPECT_TRUE(main->mnuSGF->checked());
    EXPECT_FALSE(main->mnuSTF->checked());
}

TEST_F(Program, CtrlDOpensDataInputInFrontAndCtrlTAndCtrlGWaitForAResult) {
    EXPECT_TRUE(user.shortcut('D'));
    ASSERT_NE(window<input::Form1>(), nullptr);
    EXPECT_EQ(application.activeWindow(), window<input::Form1>());
    EXPECT_FALSE(user.shortcut('T'));
    EXPECT_FALSE(user.shortcut('G'));
    EXPECT_EQ(window<results::Form3>(), nullptr);
    EXPECT_EQ(window<results::Form2>(), nullptr);
}

TEST_F(Program, ExitEndsAtOnce) {
    typeEntries({"0", "1"});
    EXPECT_TRUE(user.shortcut('Q'));
    EXPECT_TRUE(application.ended());
    EXPECT_TRUE(application.stackingOrder().empty());
    EXPECT_TRUE(messages.texts.empty());
}

// The keyboard in the menus, for a system whose menus the program draws: the arrows pass over
// separators and what cannot be chosen, and wrap round; the menu bar skips the hidden HPG.
TEST_F(Program, ArrowsAndAccessLettersInTheMenus) {
    using ui::nextMenuItem;
    EXPECT_EQ(nextMenuItem(*main->mnuFile, nullptr, true), main->mnuExit);  // Print is disabled
    EXPECT_EQ(nextMenuItem(*main->mnuFile, main->mnuExit, true), main->mnuSplash);
    EXPECT_EQ(nextMenuItem(*main->mnuFile, main->mnuSplash, true), main->mnuOpenExercise);
    EXPECT_EQ(nextMenuItem(*main->mnuFile, main->mnuSaveExercise, true), main->mnuExit);
    EXPECT_EQ(nextMenuItem(*main->mnuFile, nullptr, false), main->mnuSaveExercise);
    EXPECT_EQ(nextMenuItem(*main->mnuWindow, main->mnuData, false), main->mnuData);
    main->mnuData->setEnabled(false);
    EXPECT_EQ(nextMenuItem(*main->mnuWindow, nullptr, true), nullptr);
    EXPECT_EQ(ui::menuItemWithAccessLetter(*main->mnuFile, 'x'), main->mnuExit);
    EXPECT_EQ(ui::menuItemWithAccessLetter(*main->mnuFile, 'P'), nullptr);
    EXPECT_EQ(ui::menuItemWithAccessLetter(*main->mnuOptions, 'b'), main->mnuSTF);
    EXPECT_EQ(ui::barMenuWithAccessLetter(*main, 'p'), main->mnuOptions);
    EXPECT_EQ(ui::barMenuWithAccessLetter(*main, 'O'), nullptr);  // O&ptions marks P
    EXPECT_EQ(ui::nextMenu(*main, *main->mnuHelp, true), main->mnuFile);
    EXPECT_EQ(ui::nextMenu(*main, *main->mnuFile, false), main->mnuHelp);
    main->mnuHPG->setVisible(true);
    EXPECT_EQ(ui::nextMenu(*main, *main->mnuHelp, true), main->mnuHPG);
}

TEST_F(Program, F1ShowsHowToUseTorviLineByLineAndEscClosesIt) {
    EXPECT_TRUE(user.shortcut(ui::kF1Shortcut));
    auto* help = application.find<frmHelp>();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(application.activeWindow(), help);
    EXPECT_EQ(help->caption(), "How to Use Torvi");
    const auto lines = helpLines();
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const ui::Label& label = help->lblLine(static_cast<int>(k));
        EXPECT_EQ(label.caption(), lines[k].text);
        EXPECT_EQ(label.font.bold, lines[k].heading);
        EXPECT_LE(label.geometry().right(), help->clientWidth()) << k;
        EXPECT_LT(label.geometry().bottom(), help->cmdOK->geometry().top) << k;
    }
    EXPECT_LE(help->cmdOK->geometry().bottom(), help->clientHeight());
    user.escape();
    EXPECT_EQ(application.find<frmHelp>(), nullptr);
}

// The items added to the design's menus take letters and shortcuts of their own, so that every
// key of the design still reaches what it did.
TEST_F(Program, NoTwoItemsShareAnAccessLetterInAMenuOrAShortcut) {
    std::set<char> shortcuts;
    for (const ui::MenuItem* menu : main->menuBar()) {
        std::set<char> letters;
        for (const ui::MenuItem* item : menu->children()) {
            if (item->separator()) continue;
            EXPECT_TRUE(letters.insert(ui::accessLetter(item->caption())).second)
                << item->caption();
            if (item->shortcut() != 0) {
                EXPECT_TRUE(shortcuts.insert(item->shortcut()).second) << item->caption();
            }
        }
    }
    EXPECT_EQ(main->mnuOpenExercise->shortcut(), 'O');
    EXPECT_EQ(main->mnuSaveExercise->shortcut(), 'S');
    EXPECT_EQ(ui::shortcutText(main->mnuExit->shortcut()), "Ctrl+Q");
    EXPECT_EQ(ui::shortcutText(main->mnuHowTo->shortcut()), "F1");
}

}  // namespace
}  // namespace torvi::shell::testing
