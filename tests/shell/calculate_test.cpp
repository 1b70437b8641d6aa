#include "shell_fixture.h"

namespace torvi::shell::testing {
namespace {

using Texts = std::vector<std::string>;

TEST_F(Program, CalculateFillsTheStateAndShowsTheResults) {
    calculate({"0", "1"});
    EXPECT_EQ(main->state.conformerCount, 2);
    EXPECT_NEAR(main->state.population(0, 1), 90.51, 0.005);
    EXPECT_NEAR(main->state.population(100, 2), 15.98, 0.005);
    ASSERT_NE(window<results::Form3>(), nullptr);
    ASSERT_NE(window<results::Form2>(), nullptr);
    EXPECT_FALSE(window<results::Form3>()->drawing.items().empty());
    EXPECT_EQ(window<results::Form2>()->Label2(10).caption(), "30");
    for (const ui::MenuItem* item : {main->mnuPrint, main->mnuRes, main->mnuGraph, main->mnuCasc}) {
        EXPECT_TRUE(item->enabled()) << item->name();
    }
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(Program, TheButtonAndTheMenuRunTheSameCommand) {
    typeEntries({"0", "1"});
    user.click(*dataInput().Command1);
    const auto viaButton = main->state.population.block();
    main->state = {};
    user.click(dataInput().Text3(0));
    user.choose(*main->mnuCalc);
    EXPECT_EQ(main->state.population.block(), viaButton);
}

TEST_F(Program, EqualLimitsAreRefusedAndThePreviousResultsStay) {
    calculate({"0", "1"});
    const auto tableBefore = window<results::Form3>()->drawing.items();
    const auto populationsBefore = main->state.population.block();
    input::Form1& form = dataInput();
    user.click(form.Text4(1));
    form.Text4(1).setText("223.15");
    user.tab();
    user.click(form.Text3(0));
    ASSERT_TRUE(main->mnuCalc->enabled());
    user.choose(*main->mnuCalc);
    EXPECT_EQ(messages.texts, (Texts{"The temperature limits must be different!"}));
    EXPECT_EQ(application.activeWindow(), &form);
    EXPECT_EQ(form.focused(), &form.Text3(0));
    EXPECT_EQ(main->state.tempHigh, 223.15);
    EXPECT_EQ(main->state.population.block(), populationsBefore);
    EXPECT_EQ(window<results::Form3>()->drawing.items(), tableBefore);
}

TEST_F(Program, RangesAtOrBelowZeroKelvinAreRefused) {
    calculate({"0", "1"});
    const auto populationsBefore = main->state.population.block();
    input::Form1& form = dataInput();
    user.click(form.Text3(1));
    form.Text3(1).setText("-273,15");
    user.tab();  // the leave rule accepts exactly 0 K
    ASSERT_EQ(form.Text4(1).text(), "0");
    user.click(form.Text3(0));
    user.choose(*main->mnuCalc);
    EXPECT_EQ(messages.texts, (Texts{"This temperature is not possible. Please check!"}));
    EXPECT_EQ(form.focused(), &form.Text3(1));  // the box of the impossible limit
    EXPECT_EQ(main->state.population.block(), populationsBefore);
}

TEST_F(Program, EnergiesBeyondTheArithmeticAreRefusedAtTheirBox) {
    typeEntries({"0", "1e306"});
    user.choose(*main->mnuCalc);
    EXPECT_EQ(messages.texts, (Texts{"Something is wrong with your number!"}));
    EXPECT_EQ(dataInput().focused(), &dataInput().Text2(2));
    EXPECT_EQ(window<results::Form3>(), nullptr);
    EXPECT_FALSE(main->mnuPrint->enabled());
}

TEST_F(Program, CalculateWithoutTheDataInputWindowDoesNothing) {
    main->mnuCalc_Click();
    EXPECT_EQ(window<input::Form1>(), nullptr);
    EXPECT_EQ(window<results::Form3>(), nullptr);
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(Program, ASecondRunWithFewerConformersLeavesNoTraceOfTheFirst) {
    calculate({"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"});
    EXPECT_EQ(window<results::Form3>()->geometry().width, 11350);
    input::Form1& form = dataInput();
    user.click(*form.Text1);
    form.Text1->setText("");
    user.type("2");
    user.enter();
    user.click(form.Text3(0));
    user.choose(*main->mnuCalc);
    EXPECT_EQ(window<results::Form3>()->geometry().width, 8500);
    for (const ui::TextRun& run : window<results::Form3>()->drawing.texts()) {
        EXPECT_LT(run.x, 3 * 952) << run.text;  // only the label zone and two data zones
    }
    EXPECT_FALSE(window<results::Form2>()->Label3(300).visible());
}

}  // namespace
}  // namespace torvi::shell::testing
