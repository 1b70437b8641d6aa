#include "results/display_rules.h"

#include <gtest/gtest.h>

#include "core/number_text.h"

namespace torvi::results {
namespace {

TEST(EnergyDisplay, ShortTextsOfUpToSevenCharactersArePlain) {
    for (double energy : {1.5, 0.0, -2.25, 123456.0, -123456.0, 0.12345, -0.1234}) {
        const EnergyDisplay display = energyDisplay(energy);
        EXPECT_FALSE(display.longForm) << energy;
        EXPECT_EQ(display.shown, energy);
    }
    EXPECT_TRUE(energyDisplay(1234567.0).longForm);  // " 1234567" is eight characters
    EXPECT_TRUE(energyDisplay(-1234567.0).longForm);
    EXPECT_TRUE(energyDisplay(0.123456).longForm);  // " .123456"
}

TEST(EnergyDisplay, LongFormMantissaAndExponent) {
    EnergyDisplay display = energyDisplay(12.34567);
    EXPECT_EQ(display.exponent, 1);
    EXPECT_DOUBLE_EQ(display.shown, 1.23);
    display = energyDisplay(0.5123456);
    EXPECT_EQ(display.exponent, -1);
    EXPECT_DOUBLE_EQ(display.shown, 5.12);
    display = energyDisplay(1000000.0);
    EXPECT_TRUE(display.longForm);
    EXPECT_EQ(display.exponent, 5);
    EXPECT_DOUBLE_EQ(display.shown, 10);  // one million reads as 10 E 5
    display = energyDisplay(1000000.5);
    EXPECT_EQ(display.exponent, 6);
    display = energyDisplay(12345678.0);
    EXPECT_EQ(display.exponent, 7);
    EXPECT_DOUBLE_EQ(display.shown, 1.23);
    // 0.000123 / 10^-4 is 1.23 where 10^-4 is the nearest double, as on every system.
    display = energyDisplay(0.000123);
    EXPECT_EQ(display.exponent, -4);
    EXPECT_EQ(display.shown, 1.23);
}

TEST(EnergyDisplay, NegativeMantissasAreFlooredAwayFromZero) {
    const EnergyDisplay display = energyDisplay(-12.34567);
    EXPECT_EQ(display.exponent, 1);
    EXPECT_DOUBLE_EQ(display.shown, -1.24);
    EXPECT_DOUBLE_EQ(energyDisplay(-0.00012345).shown, -1.24);
    EXPECT_EQ(energyDisplay(-0.00012345).exponent, -4);
}

TEST(RoundHalfUp2, HalvesGoTowardPlusInfinity) {
    EXPECT_EQ(roundHalfUp2(0.125), 0.13);
    EXPECT_EQ(roundHalfUp2(-0.125), -0.12);
    EXPECT_EQ(roundHalfUp2(1.005), 1);  // the double lies just below the half
    EXPECT_EQ(roundHalfUp2(90.509056), 90.51);
    EXPECT_EQ(roundHalfUp2(-50.00000000001), -50);
    EXPECT_EQ(roundHalfUp2(0.285), 0.28);  // times 100 gives 28.4999...
    EXPECT_EQ(roundHalfUp2(2.675), 2.68);  // times 100 gives exactly 267.5
    // A temperature of 1E+307 K has no hundredths: it is shown as it is, not as infinity.
    EXPECT_EQ(roundHalfUp2(1e307), 1e307);
    EXPECT_EQ(roundHalfUp2(-1.5e307), -1.5e307);
}

TEST(TableWidth, GrowsBy950ForEachConformerBeyondSeven) {
    EXPECT_EQ(tableWidth(1), 8500);
    EXPECT_EQ(tableWidth(7), 8500);
    EXPECT_EQ(tableWidth(8), 9450);
    EXPECT_EQ(tableWidth(10), 11350);
}

}  // namespace
}  // namespace torvi::results
