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
