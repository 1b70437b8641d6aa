#include "data_input_fixture.h"

namespace torvi::input::testing {
namespace {

using Texts = std::vector<std::string>;

TEST_F(DataInput, LoadsWithOnlyTheCountRowAndCalculateOff) {
    EXPECT_EQ(form->caption(), "Data Input");
    EXPECT_EQ(form->geometry().height, 5000);
    EXPECT_TRUE(form->Label1->visible());
    EXPECT_TRUE(form->Text1->visible());
    EXPECT_TRUE(form->Command1->visible());
    EXPECT_TRUE(visibleEnergyRows().empty());
    EXPECT_FALSE(temperatureBlockVisible());
    EXPECT_TRUE(calculateOff());
    EXPECT_EQ(form->Text3(0).text(), "-50");
    EXPECT_EQ(form->Text3(1).text(), "30");
    EXPECT_EQ(form->Text4(0).text(), "223,15");
    EXPECT_EQ(form->Text4(1).text(), "303,15");
    for (int i : {0, 1}) {
        EXPECT_TRUE(form->Text3(i).enabled());
        EXPECT_TRUE(form->Text4(i).enabled());
    }
    EXPECT_EQ(form->entryCount, 0);
    EXPECT_FALSE(form->skipNextEnergyCheck);
    EXPECT_EQ(form->focused(), form->Text1);
}

TEST_F(DataInput, DesignGeometryAndTabOrder) {
    EXPECT_EQ(form->Text1->geometry(), (ui::Rect{2400, 360, 375, 285}));
    EXPECT_EQ(form->Text2(5).geometry(), (ui::Rect{1200, 2640, 495, 285}));
    EXPECT_EQ(form->Text2(6).geometry(), (ui::Rect{3480, 1200, 495, 285}));
    EXPECT_EQ(form->Label2(10).caption(), "# 10");
    EXPECT_EQ(form->Label2(9).caption(), "#   9");
    EXPECT_EQ(form->Label3(5).caption(), "  K");
    EXPECT_EQ(form->Text4(1).geometry(), (ui::Rect{3120, 3585, 615, 285}));
    EXPECT_EQ(form->Command1->geometry(), (ui::Rect{5280, 3360, 855, 375}));
    ASSERT_EQ(form->tabOrder.size(), 16u);
    EXPECT_EQ(form->tabOrder[0], form->Text1);
    EXPECT_EQ(form->tabOrder[11], &form->Text3(0));
    EXPECT_EQ(form->tabOrder[15], form->Command1);
}

TEST_F(DataInput, ACountShowsItsRowsAndGoesToTheFirstEmptyEnergy) {
    enter("3");
    EXPECT_EQ(visibleEnergyRows(), (std::vector<int>{1, 2, 3}));
    EXPECT_TRUE(temperatureBlockVisible());
    EXPECT_EQ(form->entryCount, 3);
    EXPECT_EQ(form->focused(), &form->Text2(1));
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(DataInput, ACountWithACommaOrPointIsRefusedAndLeavesTheRows) {
    enterCountAndEnergies({"0", "1", "2"});
    user.click(*form->Text1);
    for (const char* text : {"3,0", "2.5"}) {
        form->Text1->setText(text);
        user.enter();
        EXPECT_EQ(form->Text1->text(), "") << text;
        EXPECT_EQ(form->entryCount, 3) << text;
        EXPECT_EQ(visibleEnergyRows(), (std::vector<int>{1, 2, 3})) << text;
    }
    EXPECT_EQ(messages.texts, (Texts{"Number of conformers must be an Integer",
                                     "Number of conformers must be an Integer"}));
    EXPECT_EQ(messages.lastTitle, "Torvi");
}

TEST_F(DataInput, MoreThanTenConformersHideEveryRow) {
    enterCountAndEnergies({"0", "1", "2", "3"});
    user.click(*form->Text1);
    form->Text1->setText("");
    enter("11");
    EXPECT_EQ(messages.texts, (Texts{"Maximum number of conformers in this mode is 10!"}));
    EXPECT_EQ(form->Text1->text(), "");
    EXPECT_TRUE(visibleEnergyRows().empty());
    EXPECT_FALSE(temperatureBlockVisible());
    EXPECT_EQ(form->entryCount, 11);
}

TEST_F(DataInput, CountsBelowOneHideEveryRowSilently) {
    for (const char* text : {"0", "-2", "abc", ""}) {
        form->Text1->setText("");
        enterCountAndEnergies({"0", "1"});
        user.click(*form->Text1);
        form->Text1->setText("");
        enter(text);
        EXPECT_EQ(form->Text1->text(), "") << text;
        EXPECT_TRUE(visibleEnergyRows().empty()) << text;
    }
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(DataInput, CountsBeyondSixteenBitsCountAsTooManyOrTooFewByTheirSign) {
    enter("65537");  // would wrap to 1
    EXPECT_EQ(messages.texts, (Texts{"Maximum number of conformers in this mode is 10!"}));
    EXPECT_TRUE(visibleEnergyRows().empty());
    enter("-70000");
    EXPECT_EQ(messages.texts.size(), 1u);
    EXPECT_TRUE(visibleEnergyRows().empty());
    EXPECT_EQ(form->Text1->text(), "");
}

TEST_F(DataInput, ACountWithTrailingLettersShowsRowsButNeverSwitchesCalculateOn) {
    enter("2abc");
    EXPECT_EQ(visibleEnergyRows(), (std::vector<int>{1, 2}));
    enter("0");
    enter("1");
    EXPECT_EQ(form->focused(), &form->Text3(0));
    EXPECT_TRUE(calculateOff());
}

TEST_F(DataInput, KeysInTheCountBoxRunTheEnablingRuleAndMayMoveTheFocusToCalculate) {
    enterCountAndEnergies({"0", "1"});
    ASSERT_TRUE(calculateOn());
    user.click(*form->Text1);
    user.key('2');  // the rule finds everything present and sends the focus to the button
    EXPECT_EQ(form->focused(), form->Command1);
    EXPECT_EQ(form->Text1->text(), "22");  // the character still entered the count box
    EXPECT_TRUE(calculateOff());           // and its change switched Calculate off
}

TEST_F(DataInput, TheCountBoxMustMatchTheConfirmedCount) {
    enterCountAndEnergies({"0", "1"});
    ASSERT_TRUE(calculateOn());
    // Editing the count without Enter leaves three rows unconfirmed: Calculate must stay off.
    form->Text1->setText("3");
    user.click(form->Text3(0));
    user.click(form->Text3(1));
    EXPECT_TRUE(calculateOff());
    form->Text1->setText("2");
    user.click(form->Text3(0));
    EXPECT_TRUE(calculateOn());
}

TEST_F(DataInput, ClosingTheWindowSwitchesCalculateOff) {
    enterCountAndEnergies({"0", "1"});
    ASSERT_TRUE(main->calculateEnabled);
    user.close(*form);
    EXPECT_FALSE(main->calculateEnabled);
    // A later reference starts again from the design.
    Form1& fresh = application.form<Form1>();
    EXPECT_EQ(fresh.Text1->text(), "");
    EXPECT_EQ(fresh.entryCount, 0);
}

TEST_F(DataInput, TheButtonRunsTheMainWindowsCalculate) {
    enterCountAndEnergies({"0", "1"});
    user.click(*form->Command1);
    EXPECT_EQ(main->calculations, 1);
    form->Command1->setEnabled(false);
    user.click(*form->Command1);
    EXPECT_EQ(main->calculations, 1);
}

}  // namespace
}  // namespace torvi::input::testing
