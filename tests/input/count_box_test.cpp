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

// The window's design, control by control. A label sized to its caption keeps its place and
// takes its text's size, so only its place is checked.
TEST_F(DataInput, TheDesignInFull) {
    struct Control {
        const char* name;
        int index;
        const char* caption;
        ui::Rect geometry;
        bool fitted;
        bool visible;
    };
    const int n = ui::kNoIndex;
    const Control design[] = {
        {"Label1", n, "Number of Conformers: ", {720, 405, 1665, 195}, true, true},
        {"Text1", n, "", {2400, 360, 375, 285}, false, true},
        {"Label3", 0, "Energy of Each Conformer (kcal/mole): ", {720, 840, 2790, 195}, true, false},
        {"Label2", 1, "#   1", {720, 1245, 330, 195}, true, false},
        {"Text2", 1, "", {1200, 1200, 495, 285}, false, false},
        {"Label2", 2, "#   2", {720, 1605, 330, 195}, true, false},
        {"Text2", 2, "", {1200, 1560, 495, 285}, false, false},
        {"Label2", 3, "#   3", {720, 1965, 330, 195}, true, false},
        {"Text2", 3, "", {1200, 1920, 495, 285}, false, false},
        {"Label2", 4, "#   4", {720, 2325, 330, 195}, true, false},
        {"Text2", 4, "", {1200, 2280, 495, 285}, false, false},
        {"Label2", 5, "#   5", {720, 2685, 330, 195}, true, false},
        {"Text2", 5, "", {1200, 2640, 495, 285}, false, false},
        {"Label2", 6, "#   6", {3000, 1245, 330, 195}, true, false},
        {"Text2", 6, "", {3480, 1200, 495, 285}, false, false},
        {"Label2", 7, "#   7", {3000, 1605, 330, 195}, true, false},
        {"Text2", 7, "", {3480, 1560, 495, 285}, false, false},
        {"Label2", 8, "#   8", {3000, 1965, 330, 195}, true, false},
        {"Text2", 8, "", {3480, 1920, 495, 285}, false, false},
        {"Label2", 9, "#   9", {3000, 2325, 330, 195}, true, false},
        {"Text2", 9, "", {3480, 2280, 495, 285}, false, false},
        {"Label2", 10, "# 10", {3000, 2685, 330, 195}, true, false},
        {"Text2", 10, "", {3480, 2640, 495, 285}, false, false},
        {"Label3", 1, "Temperature range: ", {360, 3240, 1440, 195}, true, false},
        {"Text3", 0, "-50", {2040, 3195, 615, 285}, false, false},
        {"Label3", 2, "To", {2760, 3240, 195, 195}, true, false},
        {"Text3", 1, "30", {3120, 3195, 615, 285}, false, false},
        {"Label3", 3, "°C", {3840, 3240, 165, 195}, true, false},
        {"Text4", 0, "223,15", {2040, 3585, 615, 285}, false, false},
        {"Label3", 4, "To", {2760, 3600, 255, 255}, false, false},
        {"Text4", 1, "303,15", {3120, 3585, 615, 285}, false, false},
        {"Label3", 5, "  K", {3840, 3600, 375, 255}, false, false},
        {"Command1", n, "Calculate", {5280, 3360, 855, 375}, false, true},
    };
    ASSERT_EQ(form->elements().size(), std::size(design));
    for (std::size_t k = 0; k < std::size(design); ++k) {
        const Control& expected = design[k];
        const ui::Element& element = *form->elements()[k];
        SCOPED_TRACE(element.designName());
        EXPECT_EQ(element.name(), expected.name);
        EXPECT_EQ(element.index(), expected.index);
        EXPECT_EQ(element.visible(), expected.visible);
        std::string caption;
        if (const auto* label = dynamic_cast<const ui::Label*>(&element)) {
            caption = label->caption();
            EXPECT_EQ(label->fitted, expected.fitted);
        } else if (const auto* box = dynamic_cast<const ui::TextBox*>(&element)) {
            caption = box->text();
        } else {
            caption = static_cast<const ui::CommandButton&>(element).caption();
        }
        EXPECT_EQ(caption, expected.caption);
        if (expected.fitted) {
            EXPECT_EQ(element.left(), expected.geometry.left);
            EXPECT_EQ(element.top(), expected.geometry.top);
        } else {
            EXPECT_EQ(element.geometry(), expected.geometry);
        }
    }
    const Form1 unloaded(application);
    EXPECT_EQ(unloaded.clientWidth(), 6570);
    EXPECT_EQ(unloaded.clientHeight(), 4200);
    std::vector<std::string> tabOrder;
    for (const ui::Element* element : form->tabOrder) tabOrder.push_back(element->designName());
    EXPECT_EQ(tabOrder, (Texts{"Text1", "Text2(1)", "Text2(2)", "Text2(3)", "Text2(4)", "Text2(5)",
                               "Text2(6)", "Text2(7)", "Text2(8)", "Text2(9)", "Text2(10)",
                               "Text3(0)", "Text3(1)", "Text4(0)", "Text4(1)", "Command1"}));
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

TEST_F(DataInput, EnterWithEveryShownRowFilledGoesToCalculate) {
    enterCountAndEnergies({"0", "1"});
    user.click(*form->Text1);
    form->Text2(1).setText("0");
    ASSERT_TRUE(calculateOff());
    user.enter();
    EXPECT_TRUE(calculateOn());
    EXPECT_EQ(form->focused(), form->Command1);
    // Esc inserts nothing, yet runs the rule that switches Calculate on.
    user.click(*form->Text1);
    form->Text2(1).setText("0");
    user.escape();
    EXPECT_TRUE(calculateOn());
    EXPECT_EQ(form->focused(), form->Command1);
}

TEST_F(DataInput, KeysInTheCountBoxRunTheEnablingRuleAndNoneIsLost) {
    enterCountAndEnergies({"0", "1"});
    ASSERT_TRUE(calculateOn());
    user.click(*form->Text1);
    user.key('2');  // the rule finds everything present and sends the focus to the button
    EXPECT_EQ(form->Text1->text(), "22");     // the character still entered the count box
    EXPECT_TRUE(calculateOff());              // and its change switched Calculate off,
    EXPECT_EQ(form->focused(), form->Text1);  // so the button gave the focus back
    user.key('3');
    EXPECT_EQ(form->Text1->text(), "223");
}

TEST_F(DataInput, TheEnablingRuleLeavesCalculateAsItWasWhenItStopsEarly) {
    enterCountAndEnergies({"0", "1"});
    ASSERT_TRUE(calculateOn());
    form->Text3(0).setEnabled(false);  // a pair half disabled: a missing entry, not a wrong one
    form->EnMnuCalc();
    EXPECT_TRUE(calculateOn());
    form->Text3(0).setEnabled(true);
    form->Text2(2).setText("");
    ASSERT_TRUE(calculateOff());
    form->Command1->setEnabled(true);  // as if on: an empty row leaves it so
    main->calculateEnabled = true;
    form->EnMnuCalc();
    EXPECT_TRUE(calculateOn());
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
