#include "results/results_table.h"
#include "tests/support/test_doubles.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/population.h"

namespace torvi::results {
namespace {

using ui::TextRun;

// Columns of 68 twips (zones of 952), lines of 195.
class Table : public ::testing::Test {
  protected:
    void calculate(std::vector<std::string> energies, std::string low = "223,15",
                   std::string high = "303,15") {
        energyTexts = energies;
        ASSERT_TRUE(core::calculatePopulations(
                        {std::to_string(energies.size()), low, high, energies}, state)
                        .completed());
    }
    std::vector<TextRun> textsOnLine(int y) const {
        std::vector<TextRun> result;
        for (const TextRun& run : drawing.texts()) {
            if (run.y == y && run.text != " ") result.push_back(run);
        }
        return result;
    }
    std::vector<std::string> words(int y) const {
        std::vector<std::string> result;
        for (const TextRun& run : textsOnLine(y)) result.push_back(run.text);
        return result;
    }

    ui::FixedTextMetrics metrics{68, 195};
    ui::Drawing drawing;
    ui::PrintTarget target{drawing, metrics, ui::Font{}};
    core::CalculationState state;
    std::vector<std::string> energyTexts;
};

TEST_F(Table, TwoConformersOverTheDefaultRange) {
    calculate({"0", "1"});
    writeTable(target, kWindowLayout, state, energyTexts);
    const int y0 = 195;
    EXPECT_EQ(words(y0), (std::vector<std::string>{"Distribution, %"}));
    EXPECT_EQ(textsOnLine(y0)[0].x, 39 * 68);
    EXPECT_TRUE(textsOnLine(y0)[0].font.bold);
    EXPECT_EQ(textsOnLine(y0)[0].colour, ui::colours::blue);
    EXPECT_EQ(words(y0 + 2 * 195), (std::vector<std::string>{"Conformer #", " 1 ", " 2 "}));
    EXPECT_EQ(textsOnLine(y0 + 2 * 195)[1].x, 952);
    EXPECT_EQ(textsOnLine(y0 + 2 * 195)[2].x, 2 * 952);
    EXPECT_EQ(words(y0 + 4 * 195), (std::vector<std::string>{"Conf. Energy", " 0 ", " 1 "}));
    EXPECT_EQ(textsOnLine(y0 + 4 * 195)[0].colour, ui::colours::green);
    EXPECT_EQ(words(y0 + 6 * 195), (std::vector<std::string>{"Temperature"}));
    EXPECT_EQ(textsOnLine(y0 + 6 * 195)[0].x, 68);
    EXPECT_EQ(words(y0 + 7 * 195), (std::vector<std::string>{"°C"}));
    EXPECT_EQ(textsOnLine(y0 + 7 * 195)[0].x, 4 * 68);

    for (int k = 0; k <= 10; ++k) {
        const auto row = textsOnLine(y0 + (8 + k) * 195);
        ASSERT_EQ(row.size(), 3u) << k;
        EXPECT_EQ(row[0].colour, ui::colours::red);
        EXPECT_EQ(row[0].x, 3 * 68);
        EXPECT_EQ(row[1].colour, ui::colours::blue);
        EXPECT_EQ(row[1].x, 952);
    }
    // The temperature cells, and the first and last population rows.
    std::vector<std::string> shown;
    for (int k = 0; k <= 10; ++k) shown.push_back(textsOnLine(y0 + (8 + k) * 195)[0].text);
    EXPECT_EQ(shown[0], "-50 ");
    EXPECT_EQ(shown[1], "-42 ");
    EXPECT_EQ(shown[7], " 6 ");
    EXPECT_EQ(shown[10], " 30 ");
    EXPECT_EQ(words(y0 + 8 * 195)[1], " 90,51 ");
    EXPECT_EQ(words(y0 + 8 * 195)[2], " 9,49 ");
    EXPECT_EQ(words(y0 + 18 * 195)[1], " 84,02 ");
    EXPECT_EQ(words(y0 + 18 * 195)[2], " 15,98 ");
    // Bold ends with the header.
    for (const TextRun& run : drawing.texts()) EXPECT_EQ(run.font.bold, run.y == y0) << run.text;
}

TEST_F(Table, RulesOnTheWindow) {
    calculate({"0", "1"});
    writeTable(target, kWindowLayout, state, energyTexts);
    const auto lines = drawing.lines();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], (ui::LineRun{952 - 30, 100, 952 - 30, 4000, ui::colours::black, 1}));
    EXPECT_EQ(lines[1], (ui::LineRun{0, 195 + 275, 11200, 195 + 275, ui::colours::black, 1}));
    EXPECT_EQ(lines[2], (ui::LineRun{0, 195 + 655, 11200, 195 + 655, ui::colours::black, 1}));
    EXPECT_EQ(lines[3], (ui::LineRun{0, 195 + 1035, 11200, 195 + 1035, ui::colours::black, 1}));
    // Each horizontal rule falls inside an empty line.
    for (int offset : {275, 655, 1035}) {
        const int line = offset / 195;
        EXPECT_TRUE(textsOnLine(195 + line * 195).empty()) << offset;
    }
}

TEST_F(Table, OnPaperTheLabelsMoveToColumnTwelveAndTheDataOneZoneOn) {
    calculate({"0", "1"});
    writeTable(target, paperLayout(2), state, energyTexts);
    const int y0 = 5 * 195;
    EXPECT_EQ(textsOnLine(y0)[0].x, 39 * 68);
    EXPECT_EQ(words(y0 + 2 * 195), (std::vector<std::string>{"Conformer #", " 1 ", " 2 "}));
    EXPECT_EQ(textsOnLine(y0 + 2 * 195)[0].x, 11 * 68);
    EXPECT_EQ(textsOnLine(y0 + 2 * 195)[1].x, 2 * 952);  // zone 3
    EXPECT_EQ(words(y0 + 4 * 195)[0], "Conf.Energy");
    EXPECT_EQ(textsOnLine(y0 + 6 * 195)[0].x, 11 * 68);
    EXPECT_EQ(textsOnLine(y0 + 7 * 195)[0].x, 16 * 68);
    EXPECT_EQ(textsOnLine(y0 + 8 * 195)[0].x, 15 * 68);
    EXPECT_EQ(textsOnLine(y0 + 8 * 195)[1].x, 2 * 952);
    const auto lines = drawing.lines();
    EXPECT_EQ(lines[0], (ui::LineRun{952 - 30, 1000, 952 - 30, 5000, ui::colours::black, 1}));
    EXPECT_EQ(lines[1], (ui::LineRun{700, y0 + 285, 11200, y0 + 285, ui::colours::black, 1}));
    EXPECT_EQ(paperLayout(9).ruleRight, 11200);
    EXPECT_EQ(paperLayout(10).ruleRight, 12200);
}

TEST_F(Table, LongFormEnergies) {
    calculate({"12,34567", "-0,00012345"});
    writeTable(target, kWindowLayout, state, energyTexts);
    EXPECT_EQ(words(195 + 4 * 195), (std::vector<std::string>{"Conf. Energy", " 1,23 ", " E", " 1 ",
                                                              "-1,24 ", " E", "-4 "}));
}

TEST_F(Table, PaperGoesToTheRecordingPrinterAsOneDocument) {
    ui::RecordingPrinters printers{metrics};
    calculate({"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"});
    EXPECT_FALSE(printTableDocument(*printers.openDefault(), state, energyTexts).failed());
    calculate({"0", "1"});
    EXPECT_FALSE(printTableDocument(*printers.openDefault(), state, energyTexts).failed());
    ASSERT_EQ(printers.documents.size(), 2u);
    EXPECT_EQ(printers.documents[0].orientation, ui::Orientation::Landscape);
    EXPECT_EQ(printers.documents[1].orientation, ui::Orientation::Portrait);
    // The three horizontal rules end at 12200 twips for ten conformers, else at 11200.
    for (const auto& [document, end] : {std::pair(0, 12200), std::pair(1, 11200)}) {
        std::vector<int> ends;
        for (const ui::DrawItem& item : printers.documents[document].items) {
            const auto* rule = std::get_if<ui::LineRun>(&item);
            if (rule && rule->y1 == rule->y2) ends.push_back(rule->x2);
        }
        EXPECT_EQ(ends, std::vector<int>(3, end)) << document;
    }
    printers.refusal.kind = ui::PrintFailure::Kind::SpoolerRefused;
    EXPECT_EQ(printTableDocument(*printers.openDefault(), state, energyTexts).kind,
              ui::PrintFailure::Kind::SpoolerRefused);
    EXPECT_EQ(printers.documents.size(), 2u);
}

}  // namespace
}  // namespace torvi::results
