#include "data_input_fixture.h"

namespace torvi::input::testing {
namespace {

using Texts = std::vector<std::string>;
constexpr char kImpossible[] = "This temperature is not possible. Please check!";

class Temperatures : public DataInput {
  protected:
    void SetUp() override {
        DataInput::SetUp();
        enterCountAndEnergies({"0", "1"});
        ASSERT_EQ(form->focused(), &form->Text3(0));
    }
    void retype(ui::TextBox& box, std::string_view text) {
        user.click(box);
        box.setText("");
        user.type(text);
    }
};

TEST_F(Temperatures, CelsiusEnterAndLeaveRewriteThePointBeforeTheyConvert) {
    retype(form->Text3(0), "25.5");
    user.enter();
    EXPECT_EQ(form->Text3(0).text(), "25,5");
    EXPECT_EQ(form->Text4(0).text(), "298,65");
    EXPECT_EQ(form->focused(), &form->Text3(1));
    EXPECT_TRUE(form->Text3(0).enabled());
    EXPECT_TRUE(form->Text4(0).enabled());
    // Read before the rewrite, "25.5" would be 255 with a digit-group point.
    retype(form->Text3(1), "25.5");
    user.tab();
    EXPECT_EQ(form->Text3(1).text(), "25,5");
    EXPECT_EQ(form->Text4(1).text(), "298,65");
}

TEST_F(Temperatures, CelsiusEnterBoundIsMinus273Point14) {
    retype(form->Text3(0), "-273,14");
    user.enter();
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(form->Text4(0).text(), "0,00999999999999091");

    retype(form->Text3(0), "-273,15");
    user.enter();
    EXPECT_EQ(messages.texts, (Texts{kImpossible}));
    EXPECT_EQ(form->Text3(0).text(), "-273,15");
    EXPECT_EQ(form->Text4(0).text(), "0,00999999999999091");
    EXPECT_FALSE(form->Text4(0).enabled());
    EXPECT_EQ(form->focused(), &form->Text3(0));
}

TEST_F(Temperatures, CelsiusLeaveBoundIsMinus273Point15) {
    retype(form->Text3(0), "-273,15");
    user.tab();
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(form->Text4(0).text(), "0");
    EXPECT_TRUE(form->Text4(0).enabled());

    retype(form->Text3(0), "-273,16");
    user.tab();
    EXPECT_EQ(messages.texts, (Texts{kImpossible}));
    EXPECT_EQ(form->focused(), &form->Text3(0));
    EXPECT_FALSE(form->Text4(0).enabled());
}

TEST_F(Temperatures, CelsiusFailuresDisableTheKelvinPartnerSilently) {
    retype(form->Text3(1), "x");
    user.enter();
    EXPECT_FALSE(form->Text4(1).enabled());
    EXPECT_EQ(form->focused(), &form->Text3(1));
    user.tab();
    EXPECT_FALSE(form->Text4(1).enabled());
    EXPECT_EQ(form->focused(), &form->Text3(1));
    EXPECT_TRUE(calculateOff());
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(Temperatures, TypingInACelsiusBoxKeepsCalculateOffUntilTheValueIsConfirmed) {
    ASSERT_TRUE(calculateOn());
    retype(form->Text3(1), "40");
    EXPECT_FALSE(form->Text4(1).enabled());
    EXPECT_TRUE(calculateOff());
    form->EnMnuCalc();
    EXPECT_TRUE(calculateOff());
    user.enter();  // both boxes of the pair are disabled while the rule scans, so it stays off
    EXPECT_EQ(form->Text4(1).text(), "313,15");
    EXPECT_TRUE(calculateOff());
    EXPECT_TRUE(form->Text3(1).enabled());  // enabled again once the rule has scanned
    EXPECT_TRUE(form->Text4(1).enabled());
    user.tab();
    EXPECT_TRUE(calculateOn());
}

TEST_F(Temperatures, KelvinEnterWritesCelsius) {
    retype(form->Text4(0), "300.5");
    user.enter();
    EXPECT_EQ(form->Text4(0).text(), "300,5");
    EXPECT_EQ(form->Text3(0).text(), "27,35");
    EXPECT_EQ(form->focused(), &form->Text4(1));
    // Box 1 keeps the focus (Calculate is off while the rule scans), so no leave rule follows.
    retype(form->Text4(1), "400.5");
    user.enter();
    EXPECT_EQ(form->focused(), &form->Text4(1));
    EXPECT_EQ(form->Text3(1).text(), "127,35");
    retype(form->Text4(1), "-10");
    user.enter();
    EXPECT_EQ(form->Text3(1).text(), "-283,15");
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_TRUE(calculateOn());  // the rule runs after re-enabling the pair
}

TEST_F(Temperatures, EnterInTheUpperBoxesGoesToAnEmptyEnergyRow) {
    for (ui::TextBox* box : {&form->Text3(1), &form->Text4(1)}) {
        retype(*box, "40");
        form->Text2(1).setText("");
        user.enter();
        EXPECT_EQ(form->focused(), &form->Text2(1)) << box->designName();
        EXPECT_TRUE(form->Text3(1).enabled() && form->Text4(1).enabled()) << box->designName();
        form->Text2(1).setText("0");
    }
}

TEST_F(Temperatures, KelvinFailureDisablesCelsiusAndKeepsTheFocus) {
    retype(form->Text4(0), "x");
    user.enter();
    EXPECT_FALSE(form->Text3(0).enabled());
    EXPECT_EQ(form->focused(), &form->Text4(0));
    EXPECT_TRUE(messages.texts.empty());
    user.tab();
    EXPECT_FALSE(form->Text3(0).enabled());
    EXPECT_EQ(form->focused(), &form->Text4(0));
}

TEST_F(Temperatures, KelvinLeaveRewritesCelsiusAndReenables) {
    retype(form->Text4(1), "400.5");
    user.tab();
    EXPECT_EQ(form->Text4(1).text(), "400,5");
    EXPECT_EQ(form->Text3(1).text(), "127,35");
    EXPECT_TRUE(form->Text3(1).enabled());
    EXPECT_TRUE(form->Text4(1).enabled());
    EXPECT_TRUE(calculateOn());
}

TEST_F(Temperatures, NonEnterKeysInAKelvinBoxRunTheEnablingRule) {
    user.click(form->Text4(0));
    ASSERT_TRUE(calculateOn());
    form->Text2(1).setText("");  // off, and the rule now finds a row missing
    ASSERT_TRUE(calculateOff());
    form->Text2(1).setText("0");
    user.key('5');
    // The rule ran before the 5 entered and switched Calculate on; the 5 then switched it off.
    EXPECT_EQ(form->Text4(0).text(), "223,155");
    EXPECT_TRUE(calculateOff());
    EXPECT_FALSE(form->Text3(0).enabled());
}

TEST_F(Temperatures, EscInsertsNothingButRunsTheEnablingRule) {
    user.click(form->Text4(0));
    form->Text2(1).setText("0");  // a change: off, though every entry is there
    ASSERT_TRUE(calculateOff());
    user.escape();
    EXPECT_TRUE(calculateOn());
}

TEST_F(Temperatures, FocusingACelsiusBoxSwitchesCalculateOn) {
    user.click(*form->Text1);
    form->Text2(1).setText("0");
    ASSERT_TRUE(calculateOff());
    user.click(form->Text3(1));
    EXPECT_TRUE(calculateOn());
}

}  // namespace
}  // namespace torvi::input::testing
