#include <gtest/gtest.h>

#include "core/population.h"
#include "input/form1.h"
#include "results/form2.h"
#include "results/form3.h"
#include "tests/support/assembly.h"
#include "tests/support/user.h"

namespace torvi::results {
namespace {

class Graph : public ::testing::Test, protected testing::Assembly<> {
  protected:
    void SetUp() override {
        entries = &application.form<input::Form1>();
        graph = &application.form<Form2>();
    }
    // Writes a run's values into the graph the way the results display does, then prepares it.
    void show(std::vector<std::string> energies) {
        const std::string count = std::to_string(energies.size());
        ASSERT_TRUE(
            core::calculatePopulations({count, "223,15", "303,15", energies}, state).completed());
        entries->Text1->setText(count);
        graph->showRun(state, energies);
        graph->PrepGraph();
    }
    ui::Label& cell(int i, int k) { return graph->Label3(100 * i + k); }

    input::Form1* entries = nullptr;
    Form2* graph = nullptr;
    core::CalculationState state;
};

TEST_F(Graph, DesignState) {
    EXPECT_EQ(graph->caption(), "Results - Graph");
    EXPECT_EQ(graph->geometry().width, 8500);
    EXPECT_EQ(graph->geometry().height, 5500);
    EXPECT_EQ(graph->Picture12(3).geometry(), (ui::Rect{2160 + 1440, 840, 300, 2895}));
    EXPECT_EQ(graph->Label2(0).caption(), "°C");
    EXPECT_EQ(graph->Label2(4).caption(), "Label2");
    EXPECT_EQ(graph->Label2(3).top(), 3750);
    EXPECT_EQ(graph->Label2(4).top(), 3960);
    EXPECT_EQ(graph->Label1(7).caption(), "# 7");
    const ui::Rgb cellColours[] = {{255, 255, 0},   {0, 0, 255},     {255, 128, 0}, {255, 0, 255},
                                   {0, 255, 255},   {224, 224, 224}, {0, 192, 192}, {192, 192, 0},
                                   {192, 192, 255}, {255, 224, 192}};
    for (int i = 1; i <= 10; ++i) {
        for (int k : {0, 10}) EXPECT_EQ(cell(i, k).fillColour, cellColours[i - 1]) << i;
        if (i > 1) {
            EXPECT_EQ(graph->Picture1(i).fillColour, cellColours[i - 1]) << i;
        }
    }
    EXPECT_EQ(graph->Picture1(1).fillColour, (ui::Rgb{255, 255, 128}));
    EXPECT_EQ(cell(9, 5).container(), &graph->Picture12(5));
    EXPECT_FALSE(cell(1, 0).visible());
    EXPECT_FALSE(graph->Label1(0).visible());
    EXPECT_TRUE(graph->Picture12(10).visible());
    EXPECT_EQ(graph->Label8->font, (ui::Font{"MS Sans Serif", 12, true}));
    EXPECT_EQ(graph->Picture11->picture.resource, "thermometer.png");
}

// The window's scale, unit, bars, picture and legend, element by element, at their places and
// sizes (a fitted label keeps only its place).
TEST_F(Graph, ScaleUnitBarsAndLegendAsDesigned) {
    struct Row {
        const ui::Element& element;
        ui::Rect place;  // a line's two ends as left, top, right, bottom
        const char* caption;
        bool visible;
    };
    std::vector<Row> design = {
        {*graph->Label2.find(11), {7440, 3960, 0, 0}, "°C", true},
        {*graph->Label7, {7920, 840, 0, 0}, "100", true},
        {*graph->Label6, {7920, 2280, 0, 0}, "50", true},
        {*graph->Label5, {7920, 3720, 0, 0}, "0", true},
        {*graph->Label8, {7680, 240, 0, 0}, "%", true},
        {*graph->Line1, {7680, 840, 7680, 3720}, "", true},
        {*graph->Line3, {7680, 840, 7800, 840}, "", true},
        {*graph->Line4, {7680, 2280, 7800, 2280}, "", true},
        {*graph->Line2, {7680, 3720, 7800, 3720}, "", true},
        {*graph->Picture11, {720, 4200, 7335, 495}, "", true},
        {graph->Label1(0), {240, 120, 0, 0}, "Conformer", false},
        {graph->Label4(0), {1440, 120, 0, 0}, "Energy", false},
    };
    const std::string rowCaptions[] = {"# 1", "# 2", "# 3", "# 4", "# 5",
                                       "# 6", "# 7", "# 8", "# 9", "# 10"};
    for (int i = 1; i <= 10; ++i) {
        design.push_back(
            {graph->Label1(i), {120, 4080 - 360 * i, 375, 255}, rowCaptions[i - 1].c_str(), false});
        design.push_back({graph->Picture1(i), {720, 4080 - 360 * i, 495, 255}, "", false});
        design.push_back({graph->Label4(i), {1440, 4080 - 360 * i, 0, 0}, "", false});
    }
    for (int k = 0; k <= 10; ++k)
        design.push_back({graph->Picture12(k), {2160 + 480 * k, 840, 300, 2895}, "", true});
    for (const Row& row : design) {
        SCOPED_TRACE(row.element.designName());
        EXPECT_EQ(row.element.visible(), row.visible);
        ui::Rect place = row.element.geometry();
        if (const auto* line = dynamic_cast<const ui::LineElement*>(&row.element)) {
            place = {line->x1, line->y1, line->x2, line->y2};
            EXPECT_EQ(std::pair(line->thickness, line->colour), std::pair(1, ui::Rgb{0, 0, 0}));
        } else if (const auto* label = dynamic_cast<const ui::Label*>(&row.element)) {
            EXPECT_EQ(label->caption(), row.caption);
            if (label->fitted) place.width = place.height = 0;
        } else if (const auto* bar = dynamic_cast<const ui::PictureBox*>(&row.element)) {
            if (bar->name() == "Picture12") {
                EXPECT_EQ(bar->fillColour, ui::colours::windowBackground);
            }
        }
        EXPECT_EQ(place, row.place);
    }
    EXPECT_EQ(graph->Label2(11).font, (ui::Font{"MS Sans Serif", 9.75, false}));

    Form3& table = application.form<Form3>();
    EXPECT_EQ(table.caption(), "Results - Table");
    EXPECT_EQ(table.backColour, (ui::Rgb{255, 255, 255}));
}

TEST_F(Graph, OneConformerFillsEveryBar) {
    show({"3"});
    EXPECT_EQ(graph->graphCount, 1);
    for (int k = 0; k <= 10; ++k) {
        EXPECT_EQ(cell(1, k).height(), 2895);
        EXPECT_EQ(cell(1, k).top(), 0);
        EXPECT_TRUE(cell(1, k).visible());
        EXPECT_FALSE(cell(2, k).visible());
    }
    EXPECT_EQ(graph->Label1(0).top(), 3720 - 400);
    EXPECT_EQ(graph->Label4(0).top(), 3720 - 400);
    EXPECT_EQ(graph->Label4(1).caption(), "3");
}

TEST_F(Graph, TwoConformersStackFromTheTop) {
    show({"0", "1"});
    // Column 0: 90.509 % and 9.491 % of 2895 twips.
    EXPECT_EQ(cell(1, 0).height(), 2620);
    EXPECT_EQ(cell(2, 0).height(), 274);
    EXPECT_EQ(cell(2, 0).top(), 0);
    EXPECT_EQ(cell(1, 0).top(), 273);
    const char* temperatures[] = {"-50", "-42", "-34", "-26", "-18", "-10",
                                  "-2",  "6",   "14",  "22",  "30"};
    for (int k = 0; k <= 10; ++k) EXPECT_EQ(graph->Label2(k).caption(), temperatures[k]);
}

TEST_F(Graph, TenConformersAndTheLegendHeader) {
    show({"0", "0,1", "0,2", "0,3", "0,4", "0,5", "0,6", "0,7", "0,8", "0,9"});
    EXPECT_EQ(graph->Label1(0).top(), 80);
    EXPECT_EQ(graph->Label1(10).top(), 480);
    EXPECT_EQ(graph->Label1(1).top(), 3720);
    for (int k = 0; k <= 10; ++k) {
        int top = 0;
        for (int i = 10; i >= 1; --i) {
            EXPECT_EQ(cell(i, k).top(), top) << i << " " << k;
            top += cell(i, k).height() - 1;
        }
        EXPECT_LE(top + 9, 2895);
    }
    EXPECT_EQ(graph->Label4(10).caption(), "0,9");
}

TEST_F(Graph, LongFormEnergiesKeepTheirExponentInTheLegend) {
    show({"12,34567", "-0,00012345", "1000000"});
    EXPECT_EQ(graph->Label4(1).caption(), "1,23 E 1");
    EXPECT_EQ(graph->Label4(2).caption(), "-1,24 E-4");
    EXPECT_EQ(graph->Label4(3).caption(), "10 E 5");
}

TEST_F(Graph, ATinyShareGetsAZeroHeightCell) {
    show({"0", "20", "0"});
    EXPECT_EQ(cell(2, 0).height(), 0);
    EXPECT_EQ(cell(3, 0).top(), 0);
    EXPECT_EQ(cell(2, 0).top(), cell(3, 0).height() - 1);
    EXPECT_EQ(cell(1, 0).top(), cell(2, 0).top() - 1);
}

TEST_F(Graph, AFollowingRunWithFewerConformersHidesTheRest) {
    show({"0", "1", "2"});
    show({"0", "1"});
    EXPECT_EQ(graph->graphCount, 2);
    EXPECT_FALSE(graph->Label1(3).visible());
    EXPECT_FALSE(graph->Picture1(3).visible());
    EXPECT_FALSE(cell(3, 4).visible());
    EXPECT_TRUE(cell(2, 4).visible());
    EXPECT_EQ(graph->Label1(0).top(), 3680 - 720);
}

TEST_F(Graph, PrepGraphLeavesEverythingAsItIsForACountOutsideOneToTen) {
    show({"0", "1"});
    for (const char* count : {"0", "11", "40000", ""}) {
        entries->Text1->setText(count);
        graph->PrepGraph();
        EXPECT_EQ(graph->graphCount, 2);
        EXPECT_TRUE(cell(2, 0).visible());
        EXPECT_FALSE(cell(3, 0).visible());
    }
}

}  // namespace
}  // namespace torvi::results
