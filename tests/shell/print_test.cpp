#include "shell_fixture.h"
#include "tests/support/test_doubles.h"

namespace torvi::shell::testing {
namespace {

using Texts = std::vector<std::string>;

std::vector<std::string> texts(const ui::RecordingPrinters::Document& document) {
    std::vector<std::string> result;
    for (const ui::DrawItem& item : document.items) {
        if (const auto* run = std::get_if<ui::TextRun>(&item)) result.push_back(run->text);
    }
    return result;
}

TEST_F(Program, PrintTableWorksAfterTheTableWindowWasClosedAndTwiceGivesTheSame) {
    calculate({"0", "1"});
    user.close(*window<results::Form3>());
    user.choose(*main->mnuPrint);
    user.choose(*main->mnuPrint);
    ASSERT_EQ(printers.documents.size(), 2u);
    EXPECT_EQ(printers.documents[0].items, printers.documents[1].items);
    EXPECT_EQ(printers.documents[0].orientation, ui::Orientation::Portrait);
    const auto printed = texts(printers.documents[0]);
    EXPECT_NE(std::find(printed.begin(), printed.end(), "Conf.Energy"), printed.end());
    EXPECT_NE(std::find(printed.begin(), printed.end(), " 90,51 "), printed.end());
    EXPECT_EQ(window<results::Form3>(), nullptr);  // printing did not bring the window back
}

TEST_F(Program, TenConformersPrintInLandscape) {
    calculate({"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"});
    user.choose(*main->mnuPrint);
    ASSERT_EQ(printers.documents.size(), 1u);
    EXPECT_EQ(printers.documents[0].orientation, ui::Orientation::Landscape);
}

TEST_F(Program, PrintTablePrintsTheRunOnScreenWhateverWasTypedOrRefusedSince) {
    calculate({"0", "1"});
    user.choose(*main->mnuPrint);
    input::Form1& form = dataInput();
    // Edit an energy and refuse a run with equal limits: neither is what the windows show.
    user.click(form.Text2(2));
    form.Text2(2).setText("5");
    user.click(form.Text4(1));
    form.Text4(1).setText("223,15");
    user.tab();
    user.click(form.Text3(0));
    user.choose(*main->mnuCalc);
    ASSERT_EQ(messages.texts.size(), 1u);
    user.choose(*main->mnuPrint);
    ASSERT_EQ(printers.documents.size(), 2u);
    EXPECT_EQ(printers.documents[1].items, printers.documents[0].items);
}

// Print Graph: one landscape page of the graph as shown, grown to its area (9,5 x 6,5 inches
// from an inch in), the cells filled in their colours; without a printer the PDF offer names the
// graph.
TEST_F(Program, PrintGraphPrintsTheGraphLandscapeInColourScaledToThePage) {
    calculate({"0", "1"});
    user.choose(*main->mnuPrintGraph);
    ASSERT_EQ(printers.documents.size(), 1u);
    const auto& page = printers.documents[0];
    EXPECT_EQ(page.orientation, ui::Orientation::Landscape);
    const auto printed = texts(page);
    for (const char* text : {"Conformer", "Energy", "%", "-50", "30", "°C"})
        EXPECT_NE(std::find(printed.begin(), printed.end(), text), printed.end()) << text;
    int right = 0, bottom = 0, blue = 0;
    for (const ui::DrawItem& item : page.items) {
        if (const auto* fill = std::get_if<ui::FillRun>(&item)) {
            right = std::max(right, fill->area.right());
            bottom = std::max(bottom, fill->area.bottom());
            blue += fill->colour == ui::Rgb{0, 0, 255};
        }
    }
    EXPECT_EQ(blue, 11 + 1);  // a cell in each bar, and the legend's swatch
    EXPECT_LE(right, 1440 + 13680);
    EXPECT_LE(bottom, 1440 + 9360);
    EXPECT_TRUE(right > 1440 + 13680 - 300 || bottom > 1440 + 9360 - 300);  // it fills the area
    // The thermometer: its 533 x 135 pixels from the box's corner, cut to the box's 489 x 33.
    std::vector<ui::PictureRun> pictures;
    for (const ui::DrawItem& item : page.items)
        if (const auto* picture = std::get_if<ui::PictureRun>(&item)) pictures.push_back(*picture);
    ASSERT_EQ(pictures.size(), 1u);
    const ui::PictureRun& thermometer = pictures[0];
    EXPECT_EQ(thermometer.resource, "thermometer.png");
    EXPECT_EQ(thermometer.place.left, thermometer.clip.left);
    EXPECT_EQ(thermometer.place.top, thermometer.clip.top);
    EXPECT_NEAR(thermometer.place.width / double(thermometer.clip.width), 533.0 / 489, 0.01);
    EXPECT_NEAR(thermometer.place.height / double(thermometer.clip.height), 135.0 / 33, 0.05);
    EXPECT_LT(thermometer.clip.bottom(), bottom);

    printers.available = false;
    messages.answer = true;
    messages.chosenFile = "/tmp/graph.pdf";
    user.choose(*main->mnuPrintGraph);
    EXPECT_EQ(messages.questions,
              (Texts{"No printer is available. Save the graph as a PDF file instead?"}));
    EXPECT_EQ(messages.proposedNames, (Texts{"Torvi graph.pdf"}));
    ASSERT_EQ(printers.documents.size(), 2u);
    EXPECT_EQ(printers.documents[1].file, "/tmp/graph.pdf");
}

TEST_F(Program, WithoutAPrinterPrintTableOffersAPdfFile) {
    calculate({"0", "1"});
    printers.available = false;
    user.choose(*main->mnuPrint);  // No
    EXPECT_EQ(messages.questions,
              (Texts{"No printer is available. Save the table as a PDF file instead?"}));
    EXPECT_TRUE(messages.proposedNames.empty());
    messages.answer = true;
    user.choose(*main->mnuPrint);  // Yes, then Cancel in the save dialog
    EXPECT_EQ(messages.proposedNames, (Texts{"Torvi table.pdf"}));
    EXPECT_TRUE(printers.documents.empty());
    messages.chosenFile = "/tmp/table.pdf";
    user.choose(*main->mnuPrint);  // Yes, then a file
    ASSERT_EQ(printers.documents.size(), 1u);
    EXPECT_EQ(printers.documents[0].file, "/tmp/table.pdf");
    EXPECT_TRUE(messages.texts.empty());
    printers.documents.clear();
    printers.available = true;
    printers.refusal.kind = ui::PrintFailure::Kind::SpoolerRefused;
    user.choose(*main->mnuPrint);
    EXPECT_EQ(messages.texts.back(), "The print system did not accept the document.");
    EXPECT_TRUE(printers.documents.empty());
    EXPECT_FALSE(application.ended());
}

}  // namespace
}  // namespace torvi::shell::testing
