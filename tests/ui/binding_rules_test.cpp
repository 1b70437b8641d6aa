// The rules every binding follows, decided once in the model: where a typed character goes and
// who carries it out, the model's units on a device, the band a line covers, and positions in a
// text as the systems' text controls count them.

#include <gtest/gtest.h>

#include <tuple>

#include "demo_window.h"
#include "tests/support/assembly.h"
#include "ui/text_positions.h"
#include "ui/tick_schedule.h"
#include "ui/units.h"
#include "ui/user_input.h"
#include "ui/zoom.h"

namespace torvi::ui::testing {
namespace {

using Log = std::vector<std::string>;

// The character reached the second box while the model had the first one focused (the user
// clicked it a moment ago); "ab" stands in it with the insertion point after the "a".
TEST(BindingRules, ATypedCharacterGoesToTheElementTheSystemGaveItTo) {
    enum Target { SecondBox, Button, TheWindow };
    const struct {
        Target target;
        int key;
        bool controlsOwn;
        std::string text;
        std::string focused;
        Log log;
    } rows[] = {
        {SecondBox, 'x', false, "axb", "Text1(2)", {"KeyPress 2 120", "Change 2 axb"}},
        {SecondBox, 0x1F600, false, "a😀b", "Text1(2)", {"KeyPress 2 128512", "Change 2 a😀b"}},
        {SecondBox, 8, false, "b", "Text1(2)", {"KeyPress 2 8", "Change 2 b"}},
        {SecondBox, 22, true, "ab", "Text1(2)", {"KeyPress 2 22"}},  // Ctrl+V: the control's
        {SecondBox, 13, false, "ab", "Text1(2)", {"KeyPress 2 13"}},
        {SecondBox, 27, false, "ab", "Text1(2)", {"KeyPress 2 27"}},
        {Button, ' ', false, "ab", "Command1", {"Click Command1"}},
        {Button, 'x', false, "ab", "Command1", {}},
        // The window's own area: the focused box's rules see the key, but nothing enters.
        {TheWindow, 'x', false, "ab", "Text1(1)", {"KeyPress 1 120"}},
    };
    for (const auto& row : rows) {
        torvi::testing::Assembly<> world({"Demo", 1, 0});
        DemoWindow& window = world.application.form<DemoWindow>();
        window.Text1(2).setText("ab");
        window.Text1(2).setCursor(1);
        window.log.clear();
        Element* targets[] = {&window.Text1(2), window.Command1, nullptr};
        const std::string what = "key " + std::to_string(row.key) + " to target " +
                                 std::to_string(static_cast<int>(row.target));
        EXPECT_EQ(deliverTypedCharacter(window, targets[row.target], row.key), row.controlsOwn)
            << what;
        EXPECT_EQ(window.Text1(2).text(), row.text) << what;
        EXPECT_EQ(window.Text1(1).text(), "") << what;
        EXPECT_EQ(window.focused()->designName(), row.focused) << what;
        EXPECT_EQ(window.log, row.log) << what;  // taking the focus over raised nothing
    }
}

// The screen's active window and focus follow the model once an event has run to its end, or at
// once for a change made outside any event.
TEST(BindingRules, TheScreensFocusFollowsWhenTheEventEnds) {
    struct Recorder : ApplicationObserver {
        int due = 0;
        void activationDue() override { ++due; }
    } recorder;
    torvi::testing::Assembly<> world({"Demo", 1, 0});
    Application& application = world.application;
    DemoWindow& window = application.form<DemoWindow>();
    application.setObserver(&recorder);
    window.setFocus(window.Text1(2));
    EXPECT_EQ(recorder.due, 1);
    application.dispatch([&] {
        window.setFocus(window.Text1(1));
        application.activate(application.form<DemoTopLevel>());
        window.activate();
        EXPECT_EQ(recorder.due, 1);
    });
    EXPECT_EQ(recorder.due, 2);
    application.close(window);  // the active window goes, outside any event
    EXPECT_EQ(recorder.due, 3);
    application.setObserver(nullptr);
}

// Halves away from zero, on screens of 96 and 144 pixels an inch and on paper.
TEST(BindingRules, TwipsPixelsAndPoints) {
    const struct {
        int got, expected;
    } rows[] = {{twipsToPixels(7), 0},           {twipsToPixels(8), 1},
                {twipsToPixels(-8), -1},         {twipsToPixels(5, 144), 1},
                {twipsToPixels(-5, 144), -1},    {twipsToPixels(9000, 600), 3750},
                {pixelsToTwips(-1), -15},        {pixelsToTwips(667), 10005},
                {pixelsToTwips(1, 144), 10},     {pointsToPixels(8, 96), 11},
                {pointsToPixels(20.25, 96), 27}, {pointsToPixels(9.75, 600), 81}};
    for (std::size_t k = 0; k < std::size(rows); ++k)
        EXPECT_EQ(rows[k].got, rows[k].expected) << "row " << k;
    // A screen pixel on paper: never less than one of the printer's.
    EXPECT_EQ(devicePixelsPerScreenPixel(72), 1.0);
    EXPECT_EQ(devicePixelsPerScreenPixel(600), 6.25);
}

// Contents grown to fill a window keep their proportions, never shrink, and at the design's size
// take the pixels they always had.
TEST(BindingRules, ContentsGrowToFillTheTighterWay) {
    EXPECT_EQ(fillScale(8400, 5100, 8400, 5100), 1.0);
    EXPECT_EQ(fillScale(16800, 20400, 8400, 5100), 2.0);  // the width decides
    EXPECT_EQ(fillScale(33600, 7650, 8400, 5100), 1.5);   // the height decides
    EXPECT_EQ(fillScale(4200, 2550, 8400, 5100), 1.0);    // smaller: as designed, cut
    EXPECT_EQ(fillScale(8414, 9000, 8400, 5100), 1.0);    // the same pixels wide
    EXPECT_EQ(scaledPixels(Rect{2160, 840, 300, 2895}, 1), (Rect{144, 56, 20, 193}));
    EXPECT_EQ(scaledPixels(Rect{2160, 840, 300, 2895}, 2), (Rect{288, 112, 40, 386}));
    // Adjacent places stay adjacent at any scale: the corners are rounded, not the sizes.
    const Rect first = scaledPixels(Rect{0, 0, 7, 7}, 1.5);
    const Rect next = scaledPixels(Rect{7, 7, 7, 7}, 1.5);
    EXPECT_EQ(first.right(), next.left);
    EXPECT_EQ(first.bottom(), next.top);
}

TEST(BindingRules, ZoomGoesByStepsWithinItsRange) {
    const struct {
        int got, expected;
    } rows[] = {{zoomedIn(100), 125},  {zoomedIn(175), 200},  {zoomedIn(250), 300},
                {zoomedIn(300), 300},  {zoomedIn(110), 125},  {zoomedOut(100), 100},
                {zoomedOut(250), 200}, {zoomedOut(260), 250}, {validZoom(std::nullopt), 100},
                {validZoom(99), 100},  {validZoom(301), 100}, {validZoom(150), 150}};
    for (std::size_t k = 0; k < std::size(rows); ++k)
        EXPECT_EQ(rows[k].got, rows[k].expected) << "row " << k;
}

// What a screen reader announces: the name given for it, else a button's or label's caption, else
// a box's design name.
TEST(BindingRules, AccessibleNames) {
    torvi::testing::Assembly<> world({"Demo", 1, 0});
    DemoWindow& window = world.application.form<DemoWindow>();
    EXPECT_EQ(accessibleNameOf(*window.Command1), window.Command1->caption());
    EXPECT_EQ(accessibleNameOf(*window.Label1), window.Label1->caption());
    EXPECT_EQ(accessibleNameOf(window.Text1(2)), "Text1(2)");
    window.Text1(2).accessibleName = "Energy";
    EXPECT_EQ(accessibleNameOf(window.Text1(2)), "Energy");
}

// A printer mode of 600 x 300 dpi: across at the one resolution, down at the other.
TEST(BindingRules, EachAxisAtItsOwnResolution) {
    const Resolution draft{600, 300}, screen{};
    const struct {
        Rect twips;
        Resolution resolution;
        Rect device;
    } rows[] = {{{700, 1000, 11200, 4000}, draft, {292, 208, 4666, 834}},
                {{700, 1000, 11200, 4000}, screen, {47, 67, 746, 266}},
                {{7, 7, 0, 1}, screen, {0, 0, 0, 1}}};  // the corners, not the size, rounded
    for (const auto& row : rows) EXPECT_EQ(twipsToDevice(row.twips, row.resolution), row.device);
    EXPECT_EQ(twipsToDevice(Point{1440, 1440}, draft), (Point{600, 300}));
    const struct {
        Point from, to;
        int thickness, width;
    } pens[] = {{{0, 5}, {90, 5}, 2, 6}, {{5, 0}, {5, 90}, 2, 12}, {{0, 0}, {9, 9}, 1, 3}};
    for (const auto& pen : pens)
        EXPECT_EQ(penWidthOnDevice(pen.from, pen.to, pen.thickness, draft), pen.width);
    EXPECT_EQ(penWidthOnDevice({0, 5}, {90, 5}, 2, screen), 2);
}

TEST(BindingRules, AThickLineGrowsDownFromALevelLineAndRightFromAnUprightOne) {
    const struct {
        int x1, y1, x2, y2, thickness;
        Rect band;
    } rows[] = {
        {2, 5, 8, 5, 1, {2, 5, 7, 1}}, {8, 5, 2, 5, 3, {2, 5, 7, 3}},
        {4, 9, 4, 1, 2, {4, 1, 2, 9}}, {4, 1, 4, 9, 10, {4, 1, 10, 9}},
        {3, 3, 3, 3, 5, {3, 3, 1, 5}},  // a dot is level
    };
    for (const auto& row : rows) {
        EXPECT_EQ(lineBand(row.x1, row.y1, row.x2, row.y2, row.thickness), row.band)
            << row.x1 << "," << row.y1 << " " << row.x2 << "," << row.y2;
    }
}

// "a€😀b": one, three, four and one bytes; one, one, two and one UTF-16 units.
TEST(BindingRules, PositionsInATextBetweenUtf8BytesAndUtf16Units) {
    const std::string text = "a€😀b";
    const struct {
        int bytes, units;
    } toUnits[] = {{0, 0}, {1, 1}, {2, 1}, {4, 2}, {5, 2}, {7, 2}, {8, 4}, {9, 5}, {99, 5}};
    for (const auto& row : toUnits)
        EXPECT_EQ(utf16Position(text, row.bytes), row.units) << row.bytes;
    const struct {
        int units, bytes;
    } toBytes[] = {{0, 0}, {1, 1}, {2, 4}, {3, 4}, {4, 8}, {5, 9}, {99, 9}};
    for (const auto& row : toBytes)
        EXPECT_EQ(utf8Position(text, row.units), row.bytes) << row.units;
    // Bytes no character starts with, and a character cut short, show as one unit each.
    EXPECT_EQ(utf16Position("\xff\x80z", 3), 3);
    EXPECT_EQ(utf8Position("\xff\x80z", 2), 2);
    EXPECT_EQ(utf16Position("z\xf0\x9f", 3), 2);
    EXPECT_EQ(utf8Position("z\xf0\x9f", 2), 3);
}

// The fine plot's strokes as pixels: a one-pixel vertical line, drawn up or down, covers its
// rows at both ends; a thicker or slanted line, or a text, is no pixel column.
TEST(BindingRules, APixelColumnCoversTheRowsAtBothEnds) {
    const Rgb red{255, 0, 0};
    const auto column = pixelColumnOf(LineRun{4800, 615, 4800, 300, red, 1});
    ASSERT_TRUE(column);
    EXPECT_EQ(std::tuple(column->x, column->top, column->bottom), std::tuple(320, 20, 41));
    EXPECT_EQ(column->colour, red);
    EXPECT_FALSE(pixelColumnOf(LineRun{4800, 300, 4800, 615, red, 2}));
    EXPECT_FALSE(pixelColumnOf(LineRun{4800, 300, 4815, 615, red, 1}));
    EXPECT_FALSE(pixelColumnOf(TextRun{}));
}

// A 100 ms timer started at 1000: a system tick at 1097 waits 3 ms more; the one at 1100 is
// delivered and the next is due at 1200, even when the system's tick comes late (1230).
TEST(BindingRules, ATickThatComesEarlyWaitsForTheRestOfItsInterval) {
    TickSchedule schedule;
    schedule.start(1000, 100);
    const struct {
        std::int64_t now, wait;
    } ticks[] = {{1097, 3}, {1100, 0}, {1199, 1}, {1230, 0}, {1300, 30}, {1330, 0}};
    for (const auto& tick : ticks) EXPECT_EQ(schedule.early(tick.now), tick.wait) << tick.now;
    EXPECT_EQ(schedule.interval(), 100);
}

}  // namespace
}  // namespace torvi::ui::testing
