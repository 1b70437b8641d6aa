#include "core/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace torvi::core {
namespace {

TEST(LeadingValue, ReadsTheNumberAtTheStartAndIgnoresTheRest) {
    EXPECT_EQ(leadingValue("12"), 12);
    EXPECT_EQ(leadingValue("3x"), 3);
    EXPECT_EQ(leadingValue(" 7"), 7);
    EXPECT_EQ(leadingValue("2.5"), 2.5);
    EXPECT_EQ(leadingValue("-4.25abc"), -4.25);
    EXPECT_EQ(leadingValue("+8"), 8);
    EXPECT_EQ(leadingValue(".5"), 0.5);
    EXPECT_EQ(leadingValue("3,5"), 3);  // the comma ends the number here
    EXPECT_EQ(leadingValue("1.2.3"), 1.2);
}

TEST(LeadingValue, GivesZeroWhenNoNumberStarts) {
    EXPECT_EQ(leadingValue(""), 0);
    EXPECT_EQ(leadingValue("abc"), 0);
    EXPECT_EQ(leadingValue("   "), 0);
    EXPECT_EQ(leadingValue("-"), 0);
    EXPECT_EQ(leadingValue("."), 0);
    EXPECT_EQ(leadingValue("e5"), 0);
}

TEST(LeadingValue, SkipsBlanksBetweenDigits) {
    EXPECT_EQ(leadingValue("1 2 3"), 123);
    EXPECT_EQ(leadingValue("\t- 4"), -4);
    EXPECT_EQ(leadingValue("1 . 5"), 1.5);
}

TEST(LeadingValue, ReadsAnExponentOnlyWithDigits) {
    EXPECT_EQ(leadingValue("1e3"), 1000);
    EXPECT_EQ(leadingValue("2E-2"), 0.02);
    EXPECT_EQ(leadingValue("1e"), 1);
    EXPECT_EQ(leadingValue("1e+"), 1);
    EXPECT_EQ(leadingValue("5ex"), 5);
}

TEST(LeadingValue, SaturatesInsteadOfFailing) {
    EXPECT_EQ(leadingValue("1e400"), std::numeric_limits<double>::max());
    EXPECT_EQ(leadingValue("-1e99999999999999999999"), -std::numeric_limits<double>::max());
    EXPECT_EQ(leadingValue("1e-400"), 0);
}

TEST(CountFromText, RoundsHalvesToEven) {
    EXPECT_EQ(countFromText("2.5"), 2);
    EXPECT_EQ(countFromText("3.5"), 4);
    EXPECT_EQ(countFromText("-2.5"), -2);
    EXPECT_EQ(countFromText("2.51"), 3);
    EXPECT_EQ(countFromText("11"), 11);
    EXPECT_EQ(countFromText("3abc"), 3);
    EXPECT_EQ(countFromText(""), 0);
}

TEST(CountFromText, SaturatesAtTheSixteenBitRangeInsteadOfWrapping) {
    EXPECT_EQ(countFromText("32767"), 32767);
    EXPECT_EQ(countFromText("32768"), 32767);
    EXPECT_EQ(countFromText("65537"), 32767);  // would wrap to 1
    EXPECT_EQ(countFromText("1e300"), 32767);
    EXPECT_EQ(countFromText("-32768"), -32768);
    EXPECT_EQ(countFromText("-70000"), -32768);
}

TEST(ParseNumber, ReadsTheDecimalComma) {
    EXPECT_EQ(parseNumber("12,5"), 12.5);
    EXPECT_EQ(parseNumber(" -3,5 "), -3.5);
    EXPECT_EQ(parseNumber("+2"), 2);
    EXPECT_EQ(parseNumber(",5"), 0.5);
    EXPECT_EQ(parseNumber("5,"), 5);
    EXPECT_EQ(parseNumber("-50"), -50);
    EXPECT_EQ(parseNumber("0"), 0);
}

TEST(ParseNumber, IgnoresGroupSeparatorsWhereverTheyStand) {
    EXPECT_EQ(parseNumber("1.25"), 125);
    EXPECT_EQ(parseNumber("1.5"), 15);
    EXPECT_EQ(parseNumber("1.000.000"), 1000000);
    EXPECT_EQ(parseNumber(".5"), 5);
    EXPECT_EQ(parseNumber("5."), 5);
    EXPECT_EQ(parseNumber("1..2,5"), 12.5);
    EXPECT_FALSE(parseNumber("."));
    EXPECT_FALSE(parseNumber("1,5.2"));  // no separator after the decimal comma
}

TEST(ParseNumber, ReadsExponents) {
    EXPECT_EQ(parseNumber("1,5E3"), 1500);
    EXPECT_EQ(parseNumber("2e-2"), 0.02);
    EXPECT_EQ(parseNumber("2e+2"), 200);
    EXPECT_FALSE(parseNumber("2e"));
    EXPECT_FALSE(parseNumber("2e+"));
    EXPECT_FALSE(parseNumber("e2"));
}

TEST(ParseNumber, RejectsEverythingElse) {
    for (const char* text : {"", " ", "12a", "abc", "-", "+", "1,2,3", "1 2", "- 3", "1,5e2x",
                             "0x10", "(5)", "5-", "1e5.5"}) {
        EXPECT_FALSE(parseNumber(text)) << '"' << text << '"';
    }
}

TEST(ParseNumber, RejectsValuesBeyondTheDoubleRangeAndFlushesTinyOnes) {
    EXPECT_FALSE(parseNumber("1e309"));
    EXPECT_FALSE(parseNumber("-1e99999999999999999999"));
    EXPECT_EQ(parseNumber("1e-400"), 0);
    EXPECT_EQ(parseNumber("0e999999"), 0);
    EXPECT_EQ(parseNumber("1,7976931348623157e308"), std::numeric_limits<double>::max());
}

TEST(ParseNumber, RoundsLongDigitStringsCorrectly) {
    EXPECT_EQ(parseNumber("0,1000000000000000055511151231257827"), 0.1);
    EXPECT_EQ(parseNumber("273,15"), 273.15);
    EXPECT_EQ(parseNumber("000000000000000000000000000001"), 1);
}

TEST(FormatNumber, WritesTheDecimalCommaWithoutTrailingZeros) {
    EXPECT_EQ(formatNumber(2.5), "2,5");
    EXPECT_EQ(formatNumber(-50), "-50");
    EXPECT_EQ(formatNumber(0.5), "0,5");
    EXPECT_EQ(formatNumber(-0.5), "-0,5");
    EXPECT_EQ(formatNumber(30), "30");
    EXPECT_EQ(formatNumber(0), "0");
    EXPECT_EQ(formatNumber(-0.0), "0");
    EXPECT_EQ(formatNumber(123456789012345.0), "123456789012345");
}

TEST(FormatNumber, RoundsSumsToFifteenSignificantDigits) {
    EXPECT_EQ(formatNumber(-50 + 273.15), "223,15");
    EXPECT_EQ(formatNumber(30 + 273.15), "303,15");
    EXPECT_EQ(formatNumber(25.5 + 273.15), "298,65");
    EXPECT_EQ(formatNumber(300 - 273.15), "26,85");
    EXPECT_EQ(formatNumber(-10 - 273.15), "-283,15");
    // The double sum lies a little below 0.01 and keeps that at 15 digits.
    const double nearZeroKelvin = -273.14 + 273.15;
    EXPECT_LT(nearZeroKelvin, 0.01);
    EXPECT_EQ(formatNumber(nearZeroKelvin), "0,00999999999999091");
    EXPECT_EQ(formatNumber(0.1 + 0.2), "0,3");
}

TEST(FormatNumber, UsesExponentFormFarFromOne) {
    EXPECT_EQ(formatNumber(1e15), "1E+15");
    EXPECT_EQ(formatNumber(0.0001), "0,0001");
    EXPECT_EQ(formatNumber(0.00001), "1E-05");
    EXPECT_EQ(formatNumber(-1.5e-7), "-1,5E-07");
    EXPECT_EQ(parseNumber(formatNumber(-1.5e-7)), -1.5e-7);
}

TEST(GeneralNumberText, LeavesOutTheZeroBeforeThePointOnRequest) {
    EXPECT_EQ(generalNumberText(0.25, '.', false), ".25");
    EXPECT_EQ(generalNumberText(-0.25, '.', false), "-.25");
    EXPECT_EQ(generalNumberText(1.5, '.', false), "1.5");
    EXPECT_EQ(generalNumberText(0, '.', false), "0");
}

TEST(PointToComma, ReplacesEveryPointAndNothingElse) {
    EXPECT_EQ(pointToComma("1.5"), "1,5");
    EXPECT_EQ(pointToComma("1.2.3"), "1,2,3");
    EXPECT_EQ(pointToComma("abc 12"), "abc 12");
    EXPECT_EQ(pointToComma(""), "");
    EXPECT_EQ(pointToComma("°C."), "°C,");
}

}  // namespace
}  // namespace torvi::core
