#include "core/number_text.h"
#include "data_input_fixture.h"

namespace torvi::input::testing {
namespace {

using Texts = std::vector<std::string>;

TEST_F(DataInput, EnterInAnEmptyEnergyBoxDoesNothing) {
    enter("2");
    user.enter();
    EXPECT_EQ(form->focused(), &form->Text2(1));
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(DataInput, EnterChecksThenRewritesThePointAndGoesToTheNextEmptyRow) {
    enter("3");
    enter("0");
    user.type("1.5");
    user.enter();
    EXPECT_EQ(form->Text2(2).text(), "1,5");
    EXPECT_EQ(form->focused(), &form->Text2(3));
    EXPECT_TRUE(calculateOff());
    // "1.5,2" and "0.6.1" convert (the point groups digits), but their comma forms do not: the
    // rewrite fails the rule as the comma form would, silently, and the focus stays.
    for (const char* typed : {"1.5,2", "0.6.1"}) {
        form->Text2(3).setText("");
        user.type(typed);
        user.enter();
        EXPECT_EQ(form->Text2(3).text(), core::pointToComma(typed));
        EXPECT_EQ(form->focused(), &form->Text2(3));
    }
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(DataInput, EnterWithEveryRowFilledRunsTheEnablingRuleAfterItsScan) {
    enter("3");
    enter("0");  // box 1's leave found box 2 empty: the next energy leave checks nothing
    ASSERT_TRUE(form->skipNextEnergyCheck);
    form->Text2(3).setText("2");
    user.type("1");
    user.enter();  // to box 3; box 2's leave only clears the flag, so the scan's rule decides
    EXPECT_EQ(form->focused(), &form->Text2(3));
    EXPECT_TRUE(calculateOn());
}

TEST_F(DataInput, EnterInTheLastRowGoesToTheLowerCelsiusBox) {
    enterCountAndEnergies({"0", "1"});
    EXPECT_EQ(form->focused(), &form->Text3(0));
    EXPECT_TRUE(calculateOn());
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(DataInput, EnterOnABadNumberKeepsTheFocusWithoutAMessage) {
    enter("2");
    enter("abc");
    EXPECT_EQ(form->focused(), &form->Text2(1));
    EXPECT_EQ(form->Text2(1).text(), "abc");
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(DataInput, LeavingABadNumberWarnsAndReturnsTheFocus) {
    enter("2");
    user.type("abc");
    user.tab();
    EXPECT_EQ(messages.texts, (Texts{"Something is wrong with your number!"}));
    EXPECT_EQ(form->focused(), &form->Text2(1));
    EXPECT_EQ(form->Text2(1).text(), "abc");
    // Box 2, where the focus briefly went, used the skip up as it lost the focus again.
    EXPECT_FALSE(form->skipNextEnergyCheck);
}

TEST_F(DataInput, AfterTheWarningTheNextEnergyLeaveChecksNothing) {
    enterCountAndEnergies({"0", "1"});
    user.click(form->Text2(2));
    form->Text2(2).setText("abc");
    user.tab();  // towards the Celsius box, whose leave rule does not touch the flag
    EXPECT_EQ(messages.texts, (Texts{"Something is wrong with your number!"}));
    EXPECT_EQ(form->focused(), &form->Text2(2));
    EXPECT_TRUE(form->skipNextEnergyCheck);
    user.tab();
    EXPECT_EQ(messages.texts.size(), 1u);
    EXPECT_FALSE(form->skipNextEnergyCheck);
    EXPECT_EQ(form->focused(), &form->Text3(0));
    EXPECT_EQ(form->Text2(2).text(), "abc");
    EXPECT_TRUE(calculateOff());  // the enabling rule still refuses the text
}

TEST_F(DataInput, SendingTheFocusToAnEmptyRowLetsItsNextLeavePass) {
    enter("2");
    enter("0");  // box 1's leave finds box 2 empty, sets the flag and sends the focus there
    EXPECT_TRUE(form->skipNextEnergyCheck);
    user.type("abc");
    user.tab();
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(form->focused(), &form->Text3(0));
}

TEST_F(DataInput, LeavingWithAnEarlierRowEmptySendsTheFocusThere) {
    enter("3");
    user.type("0");
    form->setFocus(form->Text2(3));
    // The move to row 2 made row 3 lose the focus again; the skip flag kept it from warning.
    EXPECT_EQ(form->focused(), &form->Text2(2));
    EXPECT_FALSE(form->skipNextEnergyCheck);
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(DataInput, LeavingAGoodNumberRewritesItAndRunsTheEnablingRule) {
    enterCountAndEnergies({"0", "1"});
    user.click(form->Text2(2));
    form->Text2(2).setText("1.5,2");
    ASSERT_TRUE(calculateOff());
    user.tab(false);  // into the filled box 1, which runs no rule of its own on gaining the focus
    // The rewritten text no longer converts: the same warning as for "1,5,2".
    EXPECT_EQ(form->Text2(2).text(), "1,5,2");
    EXPECT_EQ(messages.texts, (Texts{"Something is wrong with your number!"}));
    EXPECT_EQ(form->focused(), &form->Text2(2));
    EXPECT_TRUE(calculateOff());
    form->Text2(2).setText("2.5");
    user.tab(false);  // the skip the warning set
    user.click(form->Text2(2));
    user.tab(false);
    EXPECT_EQ(form->Text2(2).text(), "2,5");
    EXPECT_TRUE(calculateOn());
}

TEST_F(DataInput, AnEnergyThatDoesNotConvertSwitchesCalculateOff) {
    enterCountAndEnergies({"0", "1"});
    ASSERT_TRUE(calculateOn());
    form->Text2(2).setText("1,2,3");
    form->EnMnuCalc();
    EXPECT_TRUE(calculateOff());
}

TEST_F(DataInput, RowsAboveTheConfirmedCountAreNotChecked) {
    enter("3");
    enter("0");
    enter("1");
    enter("2");
    user.click(*form->Text1);
    form->Text1->setText("");
    enter("2");
    EXPECT_EQ(form->Text2(3).text(), "2");  // still there, hidden
    form->Text2(3).setText("nonsense");
    user.click(form->Text3(0));
    EXPECT_TRUE(calculateOn());
}

}  // namespace
}  // namespace torvi::input::testing
