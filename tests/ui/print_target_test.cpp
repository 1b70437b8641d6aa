#include "ui/print_target.h"
#include "tests/support/test_doubles.h"

#include <gtest/gtest.h>

namespace torvi::ui {
namespace {

// Columns of 100 twips, zones of 1400, lines of 200.
class PrintStatements : public ::testing::Test {
  protected:
    FixedTextMetrics metrics{100, 200};
    Drawing drawing;
    PrintTarget target{drawing, metrics, Font{}};

    TextRun text(std::size_t n) const { return drawing.texts().at(n); }
};

TEST_F(PrintStatements, AStatementWithoutTrailingSeparatorEndsTheLine) {
    target.print({Text{"ab"}});
    EXPECT_EQ(target.currentX, 0);
    EXPECT_EQ(target.currentY, 200);
    target.print({});
    EXPECT_EQ(target.currentY, 400);
    target.print({Text{"ab"}, NoSpace{}});
    EXPECT_EQ(target.currentX, 200);
    EXPECT_EQ(target.currentY, 400);
}

TEST_F(PrintStatements, NextZoneGoesToTheFirstZoneStartBeyondTheCurrentX) {
    target.print({NextZone{}});
    EXPECT_EQ(target.currentX, 1400);
    target.print({NextZone{}});
    EXPECT_EQ(target.currentX, 2800);
    target.currentX = 2799;
    target.print({NextZone{}});
    EXPECT_EQ(target.currentX, 2800);
    EXPECT_EQ(target.currentY, 0);
    target.print({Text{"Conformer number"}, NextZone{}, Text{"x"}, NextZone{}});
    EXPECT_EQ(text(0).x, 2800);
    EXPECT_EQ(text(1).x, 5600);  // the 1600-twip label reached past 4200
}

TEST_F(PrintStatements, TabGoesToItsColumnOrToTheSameColumnOnTheNextLine) {
    target.print({Tab{5}, NoSpace{}, Text{"°C"}});
    EXPECT_EQ(text(0).x, 400);
    EXPECT_EQ(text(0).y, 0);
    target.print({Text{"123456"}, Tab{4}, Text{"x"}});
    EXPECT_EQ(text(2).x, 300);
    EXPECT_EQ(text(2).y, 400);  // moved one line down past the text
    target.currentX = 300;
    target.print({Tab{4}, Text{"y"}});
    EXPECT_EQ(text(3).x, 300);  // exactly at the column: stays on the line
    EXPECT_EQ(text(3).y, 600);
}

TEST_F(PrintStatements, SpcWritesBlanks) {
    target.print({Spc{1}, NoSpace{}, Text{"Temperature"}});
    EXPECT_EQ(text(0).text, " ");
    EXPECT_EQ(text(1).x, 100);
}

TEST_F(PrintStatements, NumberItems) {
    EXPECT_EQ(numberItemText(1), " 1 ");
    EXPECT_EQ(numberItemText(0), " 0 ");
    EXPECT_EQ(numberItemText(-50), "-50 ");
    EXPECT_EQ(numberItemText(90.51), " 90,51 ");
    EXPECT_EQ(numberItemText(0.25), " ,25 ");
    EXPECT_EQ(numberItemText(-0.25), "-,25 ");
    EXPECT_EQ(numberItemText(1e15), " 1E+15 ");
    EXPECT_EQ(numberItemText(123456789012345.0), " 123456789012345 ");
    target.print({Number{-2.5}, NextZone{}});
    EXPECT_EQ(text(0).text, "-2,5 ");
}

TEST_F(PrintStatements, ShortText) {
    EXPECT_EQ(shortText(1.5), " 1.5");
    EXPECT_EQ(shortText(0.25), " .25");
    EXPECT_EQ(shortText(-2.5), "-2.5");
    EXPECT_EQ(shortText(100), " 100");
    EXPECT_EQ(shortText(-1), "-1");
    EXPECT_EQ(shortText(1234567.0), " 1234567");
}

TEST_F(PrintStatements, ColourBoldAndLinesGoToTheDrawing) {
    target.setColour(colours::blue);
    target.setBold(true);
    target.print({Text{"Distribution, %"}});
    target.setBold(false);
    target.setColour(colours::red);
    target.drawLine(0, 10, 11200, 10);
    ASSERT_EQ(drawing.items().size(), 2u);
    EXPECT_EQ(text(0).colour, colours::blue);
    EXPECT_TRUE(text(0).font.bold);
    EXPECT_EQ(drawing.lines().at(0), (LineRun{0, 10, 11200, 10, colours::red, 1}));
    target.clear();
    EXPECT_TRUE(drawing.items().empty());
    EXPECT_EQ(target.currentY, 0);
}

}  // namespace
}  // namespace torvi::ui
