#include <gtest/gtest.h>

#include "demo_window.h"
#include "tests/support/assembly.h"
#include "tests/support/user.h"
#include "ui/files.h"

namespace torvi::ui::testing {
namespace {

using Log = std::vector<std::string>;

class Model : public ::testing::Test, protected torvi::testing::Assembly<> {
  protected:
    Model() : Assembly({"Demo", 1, 0}) {}
    User user{application};

    DemoWindow& demo() {
        DemoWindow& window = application.form<DemoWindow>();
        window.log.clear();
        return window;
    }
};

TEST_F(Model, CreatesAWindowOnFirstReferenceAndLoadsItFirst) {
    DemoWindow::loads = 0;
    EXPECT_EQ(application.find<DemoWindow>(), nullptr);
    DemoWindow& window = application.form<DemoWindow>();
    EXPECT_EQ(DemoWindow::loads, 1);
    EXPECT_EQ(window.log.front(), "Load");
    EXPECT_TRUE(window.visible());  // a child shows itself
    EXPECT_EQ(application.activeWindow(), &window);
    EXPECT_EQ(&application.form<DemoWindow>(), &window);
    EXPECT_EQ(DemoWindow::loads, 1);
    // Showing put the focus on the first element of the tab order.
    EXPECT_EQ(window.focused(), &window.Text1(1));

    DemoTopLevel& top = application.form<DemoTopLevel>();
    EXPECT_EQ(top.loads, 1);
    EXPECT_FALSE(top.visible());
}

TEST_F(Model, ClosingDestroysAndTheNextReferenceStartsFromTheDesign) {
    DemoWindow& window = demo();
    window.Text1(1).setText("typed");
    window.Label1->setCaption("changed");
    user.close(window);
    EXPECT_EQ(application.find<DemoWindow>(), nullptr);
    DemoWindow& fresh = application.form<DemoWindow>();
    EXPECT_EQ(fresh.Text1(1).text(), "");
    EXPECT_EQ(fresh.Label1->caption(), "Label1");
}

TEST_F(Model, ClosingInsideAHandlerKeepsTheWindowAliveUntilTheEventEnds) {
    DemoWindow& window = demo();
    window.keyAction = [&](int, int) {
        window.close();
        window.log.push_back("still here");
    };
    user.key('x');
    EXPECT_EQ(application.find<DemoWindow>(), nullptr);
    EXPECT_EQ(application.activeWindow(), nullptr);
}

TEST_F(Model, WritingATextRaisesTheChangeEventEveryTimeBeforeReturning) {
    DemoWindow& window = demo();
    window.Text1(1).setText("a");
    window.log.push_back("after");
    window.Text1(1).setText("a");
    EXPECT_EQ(window.log, (Log{"Change 1 a", "after", "Change 1 a"}));
}

TEST_F(Model, AKeyIsSeenBeforeItsCharacterEntersTheBox) {
    DemoWindow& window = demo();
    window.keyAction = [&](int index, int) {
        window.log.push_back("text then: " + window.Text1(index).text());
    };
    user.type("ab");
    EXPECT_EQ(window.Text1(1).text(), "ab");
    EXPECT_EQ(window.log, (Log{"KeyPress 1 97", "text then: ", "Change 1 a", "KeyPress 1 98",
                               "text then: a", "Change 1 ab"}));
    window.log.clear();
    window.keyAction = nullptr;
    user.backspace();
    user.enter();
    EXPECT_EQ(window.Text1(1).text(), "a");
    EXPECT_EQ(window.log, (Log{"KeyPress 1 8", "Change 1 a", "KeyPress 1 13"}));
}

TEST_F(Model, TheCharacterEntersTheSameBoxEvenWhenTheHandlerMovedTheFocus) {
    DemoWindow& window = demo();
    window.keyAction = [&](int index, int) {
        if (index == 1) window.setFocus(window.Text1(2));
    };
    user.type("7");
    EXPECT_EQ(window.Text1(1).text(), "7");
    EXPECT_EQ(window.Text1(2).text(), "");
    EXPECT_EQ(window.focused(), &window.Text1(2));
}

TEST_F(Model, TypedCharactersGoInAtTheInsertionPoint) {
    DemoWindow& window = demo();
    window.Text1(1).setText("°C");
    window.Text1(1).setCursor(0);
    user.type("-5");
    EXPECT_EQ(window.Text1(1).text(), "-5°C");
    user.backspace();
    EXPECT_EQ(window.Text1(1).text(), "-°C");
    window.Text1(1).select(1, 2);  // "°", after the start: Backspace takes just the selection
    user.backspace();
    EXPECT_EQ(window.Text1(1).text(), "-C");
    window.Text1(1).select(0, 1);
    user.backspace();
    user.type("😀");
    EXPECT_EQ(window.Text1(1).text(), "😀C");
    user.backspace();
    EXPECT_EQ(window.Text1(1).text(), "C");

    // A box holding the most characters takes no more, typed or pasted; code is not limited.
    const std::string full = std::string(TextBox::kMaximumLength - 1, '1') + "😀";
    window.Text1(1).setText(full);
    user.type("2");
    EXPECT_EQ(window.Text1(1).text(), full);
    deliverEdit(window.Text1(1), "3" + full, 0);
    EXPECT_EQ(window.Text1(1).text(), "3" + full.substr(0, full.size() - 4));
    window.Text1(1).setText(full + "4");
    EXPECT_EQ(window.Text1(1).text(), full + "4");
}

TEST_F(Model, FocusMovesRecordFirstThenLeaveThenGain) {
    DemoWindow& window = demo();
    window.Text1(2).onGotFocus = [&] {
        window.log.push_back("GotFocus 2, focused is 2: " +
                             std::to_string(window.focused() == &window.Text1(2)));
    };
    window.lostFocusAction = [&](int) {
        window.log.push_back("in leave, focused is 2: " +
                             std::to_string(window.focused() == &window.Text1(2)));
    };
    EXPECT_TRUE(window.setFocus(window.Text1(2)));
    EXPECT_EQ(window.log,
              (Log{"LostFocus 1", "in leave, focused is 2: 1", "GotFocus 2, focused is 2: 1"}));
}

TEST_F(Model, MovingTheFocusToAHiddenOrDisabledElementFailsAndChangesNothing) {
    DemoWindow& window = demo();
    window.Text1(2).setVisible(false);
    window.Text2->setEnabled(false);
    EXPECT_FALSE(window.setFocus(window.Text1(2)));
    EXPECT_FALSE(window.setFocus(*window.Text2));
    EXPECT_FALSE(window.setFocus(*window.Label1));  // labels never hold the focus
    EXPECT_EQ(window.focused(), &window.Text1(1));
    EXPECT_TRUE(window.log.empty());
}

TEST_F(Model, ALeaveHandlerMayMoveTheFocusBack) {
    DemoWindow& window = demo();
    bool once = true;
    window.lostFocusAction = [&](int index) {
        if (index == 1 && once) {
            once = false;
            window.log.push_back("back: " + std::to_string(window.setFocus(window.Text1(1))));
        }
    };
    user.tab();
    // Box 2 had the focus recorded, so it loses it too; it never gains it.
    EXPECT_EQ(window.log, (Log{"LostFocus 1", "LostFocus 2", "GotFocus 1", "back: 1"}));
    EXPECT_EQ(window.focused(), &window.Text1(1));
}

TEST_F(Model, NestedMovesThatNeverSettleAreCutOff) {
    DemoWindow& window = demo();
    window.lostFocusAction = [&](int index) { window.setFocus(window.Text1(3 - index)); };
    user.tab();
    const Element* focused = window.focused();
    EXPECT_TRUE(focused == &window.Text1(1) || focused == &window.Text1(2));
    EXPECT_LT(window.log.size(), 100u);
}

TEST_F(Model, DisablingOrHidingTheFocusedElementRaisesNothing) {
    DemoWindow& window = demo();
    window.Text1(1).setEnabled(false);
    window.Text1(1).setVisible(false);
    EXPECT_TRUE(window.log.empty());
    EXPECT_EQ(window.focused(), &window.Text1(1));
}

TEST_F(Model, TabPassesOverHiddenAndDisabledElementsAndWraps) {
    DemoWindow& window = demo();
    window.Text1(2).setVisible(false);
    window.Text2->setEnabled(false);
    user.tab();
    EXPECT_EQ(window.focused(), window.Command1);
    user.tab();
    EXPECT_EQ(window.focused(), &window.Text1(1));
    user.tab(false);
    EXPECT_EQ(window.focused(), window.Command1);
}

TEST_F(Model, FocusInAnotherWindowRaisesNoLeaveEvents) {
    DemoWindow& window = demo();
    DemoTopLevel& top = application.form<DemoTopLevel>();
    top.show();
    EXPECT_EQ(application.activeWindow(), &top);
    EXPECT_TRUE(window.log.empty());
    EXPECT_EQ(window.focused(), &window.Text1(1));  // each window keeps its own focus
    user.click(window.Text1(2));
    EXPECT_EQ(application.activeWindow(), &window);
    EXPECT_EQ(window.log, (Log{"LostFocus 1", "GotFocus 2"}));
}

TEST_F(Model, ClickingAButtonTakesTheFocusFirstAndClicksOnlyIfStillEnabled) {
    DemoWindow& window = demo();
    user.click(*window.Command1);
    EXPECT_EQ(window.log, (Log{"LostFocus 1", "GotFocus Command1", "Click Command1"}));

    window.setFocus(window.Text1(1));
    window.log.clear();
    window.lostFocusAction = [&](int) { window.Command1->setEnabled(false); };
    user.click(*window.Command1);
    // The disabled button gives the focus back to the box that had it.
    EXPECT_EQ(window.log, (Log{"LostFocus 1", "GotFocus Command1", "GotFocus 1"}));
    EXPECT_EQ(window.focused(), &window.Text1(1));
}

TEST_F(Model, DisabledOrHiddenElementsIgnoreClicks) {
    DemoWindow& window = demo();
    window.Frame1->setEnabled(false);
    user.click(*window.Frame1);
    window.Command1->setVisible(false);
    user.click(*window.Command1);
    EXPECT_TRUE(window.log.empty());
}

TEST_F(Model, KeyPreviewSeesTheKeyFirstAndDefaultAndCancelButtonsTakeEnterAndEsc) {
    DemoWindow& window = demo();
    window.keyPreview = true;
    user.key('q');
    EXPECT_EQ(window.log, (Log{"Form_KeyPress 113", "KeyPress 1 113", "Change 1 q"}));

    window.log.clear();
    window.Command1->isDefault = true;
    window.Command1->isCancel = true;
    user.enter();
    user.escape();
    EXPECT_EQ(window.log,
              (Log{"Form_KeyPress 13", "Click Command1", "Form_KeyPress 27", "Click Command1"}));
}

TEST_F(Model, MenuShortcutsChooseOnlyAvailableItems) {
    DemoWindow& window = demo();
    EXPECT_TRUE(deliverShortcut(window, 'g'));
    window.mnuGo->setEnabled(false);
    EXPECT_FALSE(deliverShortcut(window, 'G'));
    window.mnuGo->setEnabled(true);
    window.mnuFile->setVisible(false);
    EXPECT_FALSE(deliverShortcut(window, 'G'));
    EXPECT_EQ(window.log, (Log{"Click mnuGo"}));
    EXPECT_EQ(window.menuBar(), (std::vector<MenuItem*>{window.mnuFile}));
    EXPECT_EQ(window.mnuFile->children(), (std::vector<MenuItem*>{window.mnuGo}));
}

TEST_F(Model, TimersTickEveryIntervalWhileRunning) {
    DemoWindow& window = demo();
    user.wait(5000);
    EXPECT_TRUE(window.log.empty());
    window.Timer1->setRunning(true);
    user.wait(1999);
    EXPECT_TRUE(window.log.empty());
    user.wait(1);
    user.wait(4500);
    EXPECT_EQ(window.log, (Log{"Timer", "Timer", "Timer"}));
    window.Timer1->setRunning(false);
    user.wait(10000);
    EXPECT_EQ(window.log.size(), 3u);
}

TEST_F(Model, AFittedLabelTakesTheSizeOfItsText) {
    DemoWindow& window = demo();
    window.Label1->setCaption("four");
    EXPECT_EQ(window.Label1->width(), 4 * 90);
    EXPECT_EQ(window.Label1->height(), 195);
    EXPECT_EQ(window.Label1->left(), 100);
}

TEST_F(Model, ContainersHideAndDisableWhatTheyHold) {
    DemoWindow& window = demo();
    window.Frame1->setVisible(false);
    EXPECT_TRUE(window.Label1->visible());
    EXPECT_FALSE(window.Label1->effectivelyVisible());
}

TEST_F(Model, ControlArraysKnowOnlyTheDesignIndexes) {
    DemoWindow& window = demo();
    EXPECT_EQ(window.Text1.find(0), nullptr);
    EXPECT_EQ(window.Text1.find(3), nullptr);
    EXPECT_EQ(window.Text1.find(2), &window.Text1(2));
    EXPECT_EQ(window.Text1(2).designName(), "Text1(2)");
    EXPECT_EQ(window.Command1->designName(), "Command1");
    EXPECT_DEATH_IF_SUPPORTED(window.Text1(3), "no element Text1\\(3\\)");
}

TEST_F(Model, ClientSizeFollowsFromTheFrame) {
    DemoWindow& window = demo();
    window.setClientSize(6570, 4200);
    const FrameSize frame = frameSize(BorderStyle::Sizable);
    EXPECT_EQ(window.geometry().width, 6570 + 2 * frame.side);
    EXPECT_EQ(window.clientHeight(), 4200);
    window.setHeight(5000);
    EXPECT_EQ(window.clientHeight(), 5000 - frame.top - frame.side);
}

TEST_F(Model, MessageBoxesCarryTheApplicationTitle) {
    application.messageBox("Hello");
    EXPECT_EQ(messages.texts, (Log{"Hello"}));
    EXPECT_EQ(messages.lastTitle, "Demo");
}

TEST_F(Model, EndingClosesEveryWindowWithoutUnloadHandlers) {
    DemoWindow& window = demo();
    application.form<DemoTopLevel>().show();
    bool unloaded = false;
    window.lostFocusAction = [&](int) { unloaded = true; };
    application.end();
    EXPECT_TRUE(application.ended());
    EXPECT_TRUE(application.stackingOrder().empty());
    EXPECT_EQ(application.find<DemoWindow>(), nullptr);
    EXPECT_FALSE(unloaded);
}

// A dialog's filter: its types, and the extension each names, which a name typed without one gets.
TEST(FileTypes, FiltersListTheirTypesAndEachTypesExtension) {
    EXPECT_EQ(filterTypes("PDF files (*.pdf)"), (std::vector<std::string>{"PDF files (*.pdf)"}));
    EXPECT_EQ(filterTypes("A (*.png);;B (*.svg);;C (*.png)"),
              (std::vector<std::string>{"A (*.png)", "B (*.svg)", "C (*.png)"}));
    const struct {
        const char* type;
        const char* extension;
    } rows[] = {{"PNG pictures (*.png)", ".png"},
                {"Pictures (*.png *.jpg)", ".png"},
                {"Torvi exercises (*.torvi)", ".torvi"},
                {"All files (*.*)", ""},
                {"Anything", ""}};
    for (const auto& row : rows) EXPECT_EQ(typeExtension(row.type), row.extension) << row.type;
}

}  // namespace
}  // namespace torvi::ui::testing
