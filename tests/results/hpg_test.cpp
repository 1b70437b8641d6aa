#include <gtest/gtest.h>

#include <cmath>

#include "input/form1.h"
#include "results/form4.h"
#include "tests/support/assembly.h"

namespace torvi::results {
namespace {

class Hpg : public ::testing::Test, protected testing::Assembly<> {
  protected:
    Form4& open(const std::string& count, std::vector<std::string> energies,
                std::string low = "223,15", std::string high = "303,15") {
        input::Form1& entries = application.form<input::Form1>();
        entries.Text1->setText(count);
        for (std::size_t i = 0; i < energies.size(); ++i)
            entries.Text2(int(i) + 1).setText(energies[i]);
        entries.Text4(0).setText(low);
        entries.Text4(1).setText(high);
        return application.form<Form4>();
    }
    // The strokes of column j, top to bottom.
    std::vector<ui::LineRun> column(const Form4& plot, int j) const {
        std::vector<ui::LineRun> strokes;
        for (const ui::LineRun& line : plot.Picture1->drawing.lines()) {
            if (line.x1 == 320 + j) strokes.push_back(line);
        }
        return strokes;
    }
};

TEST_F(Hpg, DesignElements) {
    Form4& plot = open("", {});
    EXPECT_EQ(plot.caption(), "HPG");
    EXPECT_EQ(plot.clientWidth(), 7320);
    EXPECT_EQ(plot.Picture1->geometry(), (ui::Rect{1440, 600, 5760, 3255}));
    EXPECT_EQ(plot.Line1->thickness, 5);
    EXPECT_EQ(plot.Line1->container(), plot.Picture1);
    const ui::LineElement& base = *plot.Line1;
    EXPECT_EQ((ui::Rect{base.x1, base.y1, base.x2, base.y2}), (ui::Rect{120, 2520, 5521, 2520}));
    EXPECT_EQ(base.colour, (ui::Rgb{0, 0, 0}));
    // The key: conformer i's stroke, 10 pixels thick, in the design's colour.
    const ui::Rgb colours[] = {{255, 255, 0}, {0, 0, 255},   {255, 0, 0}, {0, 255, 0},
                               {255, 0, 255}, {192, 192, 0}, {0, 0, 0},   {0, 255, 255},
                               {128, 64, 0},  {0, 255, 0}};
    for (int i = 1; i <= 10; ++i) {
        const ui::LineElement& key = plot.Line2(i);
        EXPECT_EQ((ui::Rect{key.x1, key.y1, key.x2, key.y2}),
                  (ui::Rect{360, 3120 - 240 * i, 840, 3120 - 240 * i}));
        EXPECT_EQ(std::pair(key.thickness, key.colour), std::pair(10, colours[i - 1])) << i;
    }
}

TEST_F(Hpg, EqualEnergiesGiveTwoBandsOf1000Twips) {
    Form4& plot = open("2", {"1", "1"});
    EXPECT_EQ(plot.Picture1->drawing.lines().size(), 2u * 5001u);
    for (int j : {0, 2500, 5000}) {
        const auto strokes = column(plot, j);
        ASSERT_EQ(strokes.size(), 2u);
        EXPECT_EQ(strokes[0], (ui::LineRun{320 + j, 520, 320 + j, 1520, plot.Line2(2).colour, 1}));
        EXPECT_EQ(strokes[1], (ui::LineRun{320 + j, 1520, 320 + j, 2520, plot.Line2(1).colour, 1}));
    }
    EXPECT_EQ(plot.Picture1->drawing.currentX, 5320);
}

TEST_F(Hpg, EachColumnStacksItsBandsFromTheTopInTheKeysColours) {
    Form4& plot = open("3", {"0", "0,5", "1"});
    const double temperature = 223.15 + 37 * (80.0 / 5000);
    double factors[4] = {0, 1, 0, 0};
    factors[2] = std::exp(-500 / (1.98717 * temperature));
    factors[3] = std::exp(-1000 / (1.98717 * temperature));
    const double sum = factors[1] + factors[2] + factors[3];
    const auto strokes = column(plot, 37);
    ASSERT_EQ(strokes.size(), 3u);
    double bottom = 520;
    for (int i = 3; i >= 1; --i) {
        const ui::LineRun& stroke = strokes[static_cast<std::size_t>(3 - i)];
        EXPECT_EQ(stroke.y1, std::lround(bottom)) << i;
        bottom += factors[i] / sum * 2000;
        EXPECT_NEAR(stroke.y2, bottom, 0.5) << i;
        EXPECT_EQ(stroke.colour, kHpgColours[i]) << i;
        EXPECT_EQ(stroke.colour, plot.Line2(i).colour) << i;
    }
    EXPECT_EQ(strokes.back().y2, 2520);
}

TEST_F(Hpg, EqualLimitsGiveIdenticalColumns) {
    Form4& plot = open("2", {"0", "0,5"}, "298,15", "298,15");
    ASSERT_EQ(plot.Picture1->drawing.lines().size(), 2u * 5001u);
    const auto first = column(plot, 0);
    for (int j : {1, 2500, 5000}) {
        const auto strokes = column(plot, j);
        ASSERT_EQ(strokes.size(), 2u);
        EXPECT_EQ(strokes[0].y2, first[0].y2) << j;
        EXPECT_EQ(strokes[1].y1, first[1].y1) << j;
    }
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(Hpg, OneConformerFillsEachColumn) {
    Form4& plot = open("1", {"-3"});
    const auto strokes = column(plot, 17);
    ASSERT_EQ(strokes.size(), 1u);
    EXPECT_EQ(strokes[0].y1, 520);
    EXPECT_EQ(strokes[0].y2, 2520);
    EXPECT_EQ(strokes[0].colour, (ui::Rgb{255, 255, 0}));
}

TEST_F(Hpg, LimitsInReverseGiveTheSamePlot) {
    const auto forward = open("3", {"0", "0,5", "1"}).Picture1->drawing.items();
    application.close(*application.find<Form4>());
    const auto reversed =
        open("3", {"0", "0,5", "1"}, "303,15", "223,15").Picture1->drawing.items();
    EXPECT_EQ(forward, reversed);
}

TEST_F(Hpg, AHugeGapAtLowTemperatureGivesAZeroBand) {
    Form4& plot = open("2", {"0", "1000"}, "1", "2");
    const auto strokes = column(plot, 0);
    ASSERT_EQ(strokes.size(), 2u);
    EXPECT_EQ(strokes[0].y1, strokes[0].y2);
    EXPECT_EQ(strokes[1].y2, 2520);
}

TEST_F(Hpg, StaysAsDrawnUntilReopened) {
    Form4& plot = open("2", {"0", "1"});
    const auto before = plot.Picture1->drawing.items();
    application.find<input::Form1>()->Text2(2).setText("5");
    EXPECT_EQ(application.form<Form4>().Picture1->drawing.items(), before);
    application.close(plot);
    EXPECT_NE(application.form<Form4>().Picture1->drawing.items(), before);
}

TEST_F(Hpg, InputsItCannotUseLeaveThePlotEmpty) {
    const std::vector<std::vector<std::string>> cases = {
        {"", "1", "1", "223,15", "303,15"},      {"11", "1", "1", "223,15", "303,15"},
        {"2", "1", "", "223,15", "303,15"},      {"2", "1", "x", "223,15", "303,15"},
        {"2", "1", "2", "0", "303,15"},          {"2", "1", "2", "-5", "-1"},
        {"2", "1", "2", "abc", "303,15"},        {"2", "1e306", "2", "223,15", "303,15"},
        {"40000", "1", "1", "223,15", "303,15"},
    };
    for (const auto& c : cases) {
        Form4& plot = open(c[0], {c[1], c[2]}, c[3], c[4]);
        EXPECT_TRUE(plot.Picture1->drawing.items().empty())
            << c[0] << " " << c[1] << " " << c[2] << " " << c[3];
        EXPECT_TRUE(plot.Line1->visible());
        application.close(plot);
    }
}

}  // namespace
}  // namespace torvi::results
