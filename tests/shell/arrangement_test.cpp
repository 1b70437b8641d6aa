#include "shell_fixture.h"

namespace torvi::shell::testing {
namespace {

using Texts = std::vector<std::string>;

ui::Rect at(int left, int top, const ui::Window& window) {
    return {left, top, window.geometry().width, window.geometry().height};
}

TEST_F(Program, GraphFirstPutsTheGraphInFront) {
    calculate({"0", "1"});
    auto* table = window<results::Form3>();
    auto* graph = window<results::Form2>();
    EXPECT_EQ(graph->geometry(), at(1000, 600, *graph));
    EXPECT_EQ(table->geometry(), at(500, 300, *table));
    EXPECT_EQ(application.activeWindow(), graph);
    EXPECT_EQ(childOrder(), (Texts{"Form1", "Form3", "Form2"}));
    EXPECT_EQ(table->geometry().height, 5500);
}

TEST_F(Program, TableFirstPutsTheTableInFront) {
    user.choose(*main->mnuSTF);
    calculate({"0", "1"});
    auto* table = window<results::Form3>();
    auto* graph = window<results::Form2>();
    EXPECT_EQ(table->geometry(), at(1000, 600, *table));
    EXPECT_EQ(graph->geometry(), at(500, 300, *graph));
    EXPECT_EQ(application.activeWindow(), table);
    EXPECT_EQ(childOrder(), (Texts{"Form1", "Form2", "Form3"}));
    EXPECT_EQ(graph->graphCount, 2);  // prepared before the table came forward
}

TEST_F(Program, CascadeFollowsTheOptionAndKeepsDataInputAtTheBack) {
    calculate({"0", "1"});
    dataInput().move(3000, 2000);
    user.choose(*main->mnuSTF);
    EXPECT_EQ(dataInput().geometry().left, 0);
    EXPECT_EQ(dataInput().geometry().top, 0);
    EXPECT_EQ(window<results::Form3>()->geometry().left, 1000);
    EXPECT_EQ(window<results::Form2>()->geometry().left, 500);
    EXPECT_EQ(childOrder(), (Texts{"Form1", "Form2", "Form3"}));
    window<results::Form3>()->move(4000, 4000);
    user.choose(*main->mnuSTF);  // the checked option again still arranges
    EXPECT_TRUE(main->mnuSTF->checked());
    EXPECT_EQ(window<results::Form3>()->geometry().left, 1000);
    user.choose(*main->mnuCasc);
    EXPECT_EQ(childOrder(), (Texts{"Form1", "Form2", "Form3"}));
    user.choose(*main->mnuSGF);
    EXPECT_EQ(childOrder(), (Texts{"Form1", "Form3", "Form2"}));
    EXPECT_EQ(window<results::Form2>()->geometry().left, 1000);
}

TEST_F(Program, ResultsCommandsBringTheWindowsBackAfterTheyWereClosed) {
    calculate({"0", "1"});
    user.close(*window<results::Form2>());
    user.close(*window<results::Form3>());
    EXPECT_TRUE(user.shortcut('G'));
    auto* graph = window<results::Form2>();
    ASSERT_NE(graph, nullptr);
    EXPECT_EQ(application.activeWindow(), graph);
    EXPECT_FALSE(graph->Label3(100).visible());
    EXPECT_EQ(graph->Label2(3).caption(), "Label2");
    EXPECT_TRUE(user.shortcut('T'));
    ASSERT_NE(window<results::Form3>(), nullptr);
    EXPECT_TRUE(window<results::Form3>()->drawing.items().empty());
}

TEST_F(Program, TheTableWindowIsWiderForMoreThanSevenConformers) {
    typeEntries({"0", "1", "2", "3", "4", "5", "6", "7", "8"});
    user.choose(*main->mnuCalc);
    EXPECT_EQ(window<results::Form3>()->geometry().width, 9450 + 950);
}

}  // namespace
}  // namespace torvi::shell::testing
