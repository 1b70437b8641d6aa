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
    // Created again, each opens a step of the workspace's cascade further than the child windows
    // created before it (Data Input, the graph and the table), not at the corner.
    EXPECT_EQ(graph->geometry(), at(3 * 345, 3 * 345, *graph));
    EXPECT_FALSE(graph->Label3(100).visible());
    EXPECT_EQ(graph->Label2(3).caption(), "Label2");
    EXPECT_TRUE(user.shortcut('T'));
    ASSERT_NE(window<results::Form3>(), nullptr);
    EXPECT_EQ(window<results::Form3>()->geometry(),
              at(4 * 345, 4 * 345, *window<results::Form3>()));
    EXPECT_TRUE(window<results::Form3>()->drawing.items().empty());
}

TEST_F(Program, TheTableWindowIsWiderForMoreThanSevenConformers) {
    const std::vector<std::string> energies{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    for (const auto& [count, width] :
         {std::pair(7, 8500), std::pair(8, 9450), std::pair(9, 10400), std::pair(10, 11350)}) {
        ProgramWorld world;
        torvi::testing::typeEntries(world.user, {energies.begin(), energies.begin() + count});
        world.user.choose(*world.main->mnuCalc);
        const auto* table = world.application.find<results::Form3>();
        ASSERT_NE(table, nullptr) << count;
        EXPECT_EQ(table->geometry().width, width) << count;
    }
}

TEST(DefaultChildPlace, StepsDownTheWorkspaceAndStartsAgainAtTheCorner) {
    const ui::Rect size{0, 0, 8500, 5500};
    // 6295 twips high: six steps of 345 fit in a third each, so every seventh starts again.
    const struct {
        int createdBefore, workspaceHeight, offset;
    } rows[] = {{0, 6295, 0},   {1, 6295, 345}, {6, 6295, 2070}, {7, 6295, 0},
                {8, 6295, 345}, {3, 1000, 0},   {1, 0, 0}};
    for (const auto& row : rows) {
        EXPECT_EQ(ui::defaultChildPlace(size, row.createdBefore, row.workspaceHeight),
                  (ui::Rect{row.offset, row.offset, 8500, 5500}))
            << row.createdBefore << " " << row.workspaceHeight;
    }
}

}  // namespace
}  // namespace torvi::shell::testing
