// What a teacher adds to a lesson: energies in kJ/mol, temperatures in kelvin, and exercises kept
// in files.

#include <cmath>

#include "core/exercise.h"
#include "results/form4.h"
#include "shell_fixture.h"
#include "tests/support/test_doubles.h"
#include "ui/units.h"
#include "ui/window_picture.h"

namespace torvi::shell::testing {
namespace {

using Texts = std::vector<std::string>;

Texts printedTexts(const std::vector<ui::DrawItem>& items) {
    Texts result;
    for (const ui::DrawItem& item : items) {
        if (const auto* run = std::get_if<ui::TextRun>(&item)) result.push_back(run->text);
    }
    return result;
}

bool contains(const Texts& texts, const std::string& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

TEST_F(Program, EnergiesInKilojoulesAreConvertedAndNamedEverywhere) {
    calculate({"0", "1"});
    const auto inKilocalories = main->state.population.block();
    user.choose(*main->mnuKJ);
    EXPECT_TRUE(main->mnuKJ->checked());
    EXPECT_EQ(dataInput().Label3(0).caption(), "Energy of Each Conformer (kJ/mole): ");
    // The results shown keep their unit until the next run.
    EXPECT_EQ(window<results::Form2>()->Label4(0).caption(), "Energy");
    user.click(dataInput().Text2(2));
    dataInput().Text2(2).setText("4,184");
    user.enter();
    user.choose(*main->mnuCalc);
    EXPECT_EQ(main->state.population.block(), inKilocalories);  // 4,184 kJ is 1 kcal exactly
    EXPECT_EQ(window<results::Form2>()->Label4(0).caption(), "kJ/mol");
    EXPECT_EQ(window<results::Form2>()->Label4(2).caption(), "4,184");
    EXPECT_TRUE(contains(printedTexts(window<results::Form3>()->drawing.items()), "kJ/mol"));
    EXPECT_NE(window<results::Form3>()->copy().text.find("kJ/mol\t0\t4,184"), std::string::npos);
    user.choose(*main->mnuPrint);
    ASSERT_EQ(printers.documents.size(), 1u);
    EXPECT_TRUE(contains(printedTexts(printers.documents[0].items), "kJ/mol"));
    // Back to kcal/mol, the boxes read the same text in it.
    user.choose(*main->mnuKJ);
    EXPECT_EQ(dataInput().Label3(0).caption(), "Energy of Each Conformer (kcal/mole): ");
}

TEST_F(Program, TemperaturesInKelvinAndBackLeaveTheDesignsResults) {
    calculate({"0", "1"});
    const results::Form3& table = *window<results::Form3>();
    results::Form2& graph = *window<results::Form2>();
    const auto designTable = table.drawing.items();
    const auto designCopy = table.copy().text;
    user.choose(*main->mnuKelvin);
    const Texts shown = printedTexts(table.drawing.items());
    EXPECT_TRUE(contains(shown, "K"));
    EXPECT_FALSE(contains(shown, "°C"));
    EXPECT_EQ(graph.Label2(0).caption(), "223,15");
    EXPECT_EQ(graph.Label2(11).caption(), "K");
    EXPECT_EQ(graph.Label2(1).caption(), "231,15");
    EXPECT_EQ(graph.Label2(10).caption(), "303,15");
    EXPECT_NE(table.copy().text.find("Temperature (K)\n223,15\t90,51\t9,49\n"), std::string::npos);
    user.choose(*main->mnuPrint);
    ASSERT_EQ(printers.documents.size(), 1u);
    EXPECT_TRUE(contains(printedTexts(printers.documents[0].items), " 303,15 "));
    user.choose(*main->mnuKelvin);
    EXPECT_EQ(table.drawing.items(), designTable);
    EXPECT_EQ(table.copy().text, designCopy);
    EXPECT_EQ(graph.Label2(11).caption(), "°C");
    EXPECT_EQ(graph.Label2(1).caption(), "-42");
}

// The graphs grow with their windows, for a projector; the table and the entries keep their size.
TEST_F(Program, OnlyTheGraphsGrowWithTheirWindows) {
    calculate({"0", "1"});
    main->mnuHPG_Click();
    for (ui::Window* shown :
         std::vector<ui::Window*>{window<results::Form2>(), window<results::Form4>(), &dataInput(),
                                  window<results::Form3>()}) {
        const bool grows = shown->name() == "Form2" || shown->name() == "Form4";
        shown->setShownClientSize(3 * shown->clientWidth(), 2 * shown->clientHeight());
        EXPECT_EQ(shown->contentScale(), grows ? 2.0 : 1.0) << shown->name();
        shown->setShownClientSize(shown->clientWidth(), shown->clientHeight());
        EXPECT_EQ(shown->contentScale(), 1.0) << shown->name();
    }
}

// Zoom scales every window's contents, graphs that fill their windows beyond it, and is kept in
// the settings for the next start; a setting out of range starts at the design's size.
TEST_F(Program, ZoomScalesEveryWindowAndIsRemembered) {
    calculate({"0", "1"});
    auto* graph = window<results::Form2>();
    for (int step = 0; step < 4; ++step) user.choose(*main->mnuZoomIn);
    EXPECT_EQ(application.zoom(), 200);
    EXPECT_EQ(settings.numbers.at(MDIForm1::kZoomSetting), 200);
    EXPECT_EQ(dataInput().contentScale(), 2.0);
    EXPECT_EQ(graph->contentScale(), 2.0);
    graph->setShownClientSize(2 * graph->clientWidth(), 2 * graph->clientHeight());
    EXPECT_EQ(graph->contentScale(), 4.0);
    EXPECT_EQ(window<results::Form3>()->contentScale(), 2.0);
    user.choose(*main->mnuZoomOut);
    EXPECT_EQ(application.zoom(), 175);
    user.choose(*main->mnuActualSize);
    EXPECT_EQ(application.zoom(), 100);
    EXPECT_EQ(settings.numbers.at(MDIForm1::kZoomSetting), 100);

    for (const auto& [kept, started] : {std::pair{175, 175}, {5000, 100}, {-3, 100}}) {
        torvi::testing::Assembly<> next;
        next.settings.numbers[MDIForm1::kZoomSetting] = kept;
        next.application.form<MDIForm1>().show();
        EXPECT_EQ(next.application.zoom(), started) << kept;
    }
}

// The PNG bytes a system would give: the thermometer's, and a window's as shown.
class FixedPictures : public ui::PictureSource {
  public:
    std::optional<std::string> png(const std::string& resource) override {
        return resource == "thermometer.png" ? std::optional<std::string>("PNG!") : std::nullopt;
    }
    std::optional<std::string> windowPng(const ui::Window& window) override {
        return "PNG of " + window.caption();
    }
    std::optional<std::string> pagePng(const std::vector<ui::DrawItem>& items, int width,
                                       int height, int dotsPerInch) override {
        page = items;
        return "PNG page " + std::to_string(width) + " x " + std::to_string(height) + " at " +
               std::to_string(dotsPerInch);
    }
    std::vector<ui::DrawItem> page;
};

// Save Graph As: an SVG drawing from the window's own elements (each cell where and as large as
// the window has it, the texts, the thermometer embedded), or the system's PNG of the window as
// shown; a closed graph window or a full disk is said.
TEST_F(Program, SaveGraphAsADrawingOrAPicture) {
    FixedPictures pictures;
    application.setPictures(&pictures);
    calculate({"0", "1"});
    messages.chosenFile = "/class/graph.svg";
    user.choose(*main->mnuSaveGraph);
    EXPECT_EQ(messages.proposedNames, (Texts{"Torvi graph.png"}));
    const std::string svg = files.contents.at("/class/graph.svg");
    EXPECT_EQ(svg.rfind("<?xml", 0), 0u);
    EXPECT_NE(svg.find("<title>Results - Graph</title>"), std::string::npos);
    results::Form2& graph = *window<results::Form2>();
    // Conformer 2's cell in the first bar, inside the bar's picture area and cut to it.
    const ui::Rect bar = ui::twipsToDevice(graph.Picture12(0).geometry(), {});
    const ui::Rect cell = ui::twipsToDevice(graph.cell(2, 0).geometry(), {});
    const std::string blueCell = "<rect x=\"" + std::to_string(bar.left + cell.left) + "\" y=\"" +
                                 std::to_string(bar.top + cell.top) + "\" width=\"" +
                                 std::to_string(std::min(cell.width, bar.width - cell.left)) +
                                 "\" height=\"" + std::to_string(cell.height) +
                                 "\" fill=\"#0000ff\"/>";
    EXPECT_NE(svg.find(blueCell), std::string::npos) << svg;
    for (const char* text : {">Conformer</text>", ">%</text>", ">-50</text>", ">°C</text>"})
        EXPECT_NE(svg.find(text), std::string::npos) << text;
    EXPECT_NE(svg.find("href=\"data:image/png;base64,UE5HIQ==\""), std::string::npos);

    messages.chosenFile = "/class/graph.png";
    user.choose(*main->mnuSaveGraph);
    EXPECT_EQ(files.contents.at("/class/graph.png"), "PNG of Results - Graph");
    // For print: the page Print Graph prints, from its corner, 9,5 inches wide at 300 dpi.
    messages.chosenType = 2;
    user.choose(*main->mnuSaveGraph);
    const std::string printSize = files.contents.at("/class/graph.png");
    EXPECT_EQ(printSize.rfind("PNG page 13680 x ", 0), 0u) << printSize;
    EXPECT_NE(printSize.find(" at 300"), std::string::npos);
    user.choose(*main->mnuPrintGraph);
    ASSERT_EQ(printers.documents.size(), 1u);
    // The printed page's items, moved by an inch up and left to the picture's corner.
    std::vector<ui::DrawItem> printed = printers.documents[0].items;
    for (ui::DrawItem& item : printed) {
        if (auto* text = std::get_if<ui::TextRun>(&item)) text->x -= 1440, text->y -= 1440;
        if (auto* line = std::get_if<ui::LineRun>(&item))
            line->x1 -= 1440, line->x2 -= 1440, line->y1 -= 1440, line->y2 -= 1440;
        if (auto* fill = std::get_if<ui::FillRun>(&item))
            fill->area.left -= 1440, fill->area.top -= 1440;
        if (auto* picture = std::get_if<ui::PictureRun>(&item)) {
            picture->place.left -= 1440, picture->place.top -= 1440;
            picture->clip.left -= 1440, picture->clip.top -= 1440;
        }
    }
    EXPECT_EQ(pictures.page, printed);
    messages.chosenType = 0;
    files.full = true;
    user.choose(*main->mnuSaveGraph);
    user.close(*window<results::Form2>());
    user.choose(*main->mnuSaveGraph);
    EXPECT_EQ(messages.texts, (Texts{"Torvi could not save the file \"graph.png\".",
                                     "The graph window is closed. Calculate again to show it, "
                                     "then save it."}));
}

class Exercises : public Program {
  protected:
    // Every entry of the Data Input window, visible or not, and the unit.
    Texts entries() {
        input::Form1& form = dataInput();
        Texts texts{form.Text1->text(), form.Label3(0).caption()};
        for (int i = 1; i <= 10; ++i) texts.push_back(form.Text2(i).text());
        for (int i : {0, 1})
            texts.insert(texts.end(), {form.Text3(i).text(), form.Text4(i).text()});
        return texts;
    }
    void open(const std::string& path) {
        messages.chosenFile = path;
        user.choose(*main->mnuOpenExercise);
    }
};

TEST_F(Exercises, SavedAndOpenedAgainAsTheyWereTyped) {
    user.choose(*main->mnuKJ);
    typeEntries({"0", "2.5", "-1,5"});
    messages.chosenFile = "/home/teacher/butane.torvi";
    user.choose(*main->mnuSaveExercise);
    EXPECT_EQ(messages.proposedNames, (Texts{"Torvi exercise.torvi"}));
    const std::string saved = files.contents.at("/home/teacher/butane.torvi");
    EXPECT_EQ(saved, "Torvi exercise 1\nunit kJ/mol\nenergies 0 2,5 -1,5\nfrom -50\nto 30\n");
    const Texts typed = entries();

    user.choose(*main->mnuKJ);
    user.close(dataInput());
    open("/home/teacher/butane.torvi");
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_TRUE(main->mnuKJ->checked());
    EXPECT_EQ(entries(), typed);
    EXPECT_TRUE(dataInput().Text2(3).visible());
    EXPECT_FALSE(dataInput().Text2(4).visible());
    EXPECT_EQ(dataInput().focused(), dataInput().Command1);
    user.choose(*main->mnuCalc);
    EXPECT_EQ(main->state.conformerCount, 3);
    // Boltzmann factors at 223,15 K of 2,5 and -1,5 kJ/mol against the first conformer's 0.
    const auto factor = [](double kilojoules) {
        return std::exp(-kilojoules * 1000 / 4.184 / (1.98717 * 223.15));
    };
    EXPECT_NEAR(main->state.population(0, 2), 100 * factor(2.5) / (1 + factor(2.5) + factor(-1.5)),
                0.01);
}

TEST_F(Exercises, AFileThatIsNoExerciseIsNamedWithItsLineAndChangesNothing) {
    typeEntries({"0", "1"});
    const Texts typed = entries();
    files.contents["C:\\Users\\pupil\\cut.torvi"] = "Torvi exercise 1\nenergies 0 1\nfrom -50\n";
    open("C:\\Users\\pupil\\cut.torvi");
    open("/nowhere.torvi");
    EXPECT_EQ(
        messages.texts,
        (Texts{"The file \"cut.torvi\" cannot be opened as an exercise: line 4: the file ends "
               "without \"to\".\n\nNothing you entered has changed.",
               "Torvi cannot read the file \"nowhere.torvi\"."}));
    EXPECT_EQ(entries(), typed);
    EXPECT_FALSE(main->mnuKJ->checked());
    EXPECT_TRUE(main->mnuCalc->enabled());
}

TEST_F(Exercises, NothingToSaveOrNowhereToSaveItIsSaid) {
    user.choose(*main->mnuSaveExercise);
    typeEntries({"0", "1"});
    files.full = true;
    messages.chosenFile = "/full/disk.torvi";
    user.choose(*main->mnuSaveExercise);
    EXPECT_EQ(messages.texts,
              (Texts{"Enter the number of conformers, their energies and the temperature range "
                     "first.",
                     "Torvi could not save the file \"disk.torvi\"."}));
    EXPECT_EQ(messages.proposedNames.size(), 1u);  // no dialog before the entries were there
}

}  // namespace
}  // namespace torvi::shell::testing
