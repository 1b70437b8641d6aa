#include <QImage>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <regex>
#include <thread>

#include <unistd.h>

#include "printing_fixture.h"
#include "results/results_table.h"

namespace torvi::printing {
namespace {

namespace fs = std::filesystem;
using Texts = std::vector<std::string>;

std::string run(const std::string& command) {
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        std::size_t got = 0;
        while ((got = fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, got);
        pclose(pipe);
    }
    return output;
}

// Waits for the spooler to hand over the document with this number of documents in out/.
std::string waitForDocument(std::size_t count) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (std::chrono::steady_clock::now() < deadline) {
        std::vector<fs::path> documents;
        for (const auto& entry : fs::directory_iterator(spoolerFolder + "/out"))
            documents.push_back(entry.path());
        if (documents.size() >= count) {
            std::sort(documents.begin(), documents.end());
            const fs::path newest = documents.back();
            // The backend may still be writing; wait until pdfinfo reads the whole file.
            if (run("pdfinfo '" + newest.string() + "' 2>/dev/null").find("Pages:") !=
                std::string::npos) {
                return newest.string();
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return {};
}

struct PageSize {
    double width = 0;
    double height = 0;
    int pages = 0;
};

PageSize pageSize(const std::string& pdf) {
    const std::string info = run("pdfinfo '" + pdf + "'");
    PageSize size;
    const auto at = info.find("Page size:");
    if (at != std::string::npos)
        std::sscanf(info.c_str() + at, "Page size: %lf x %lf", &size.width, &size.height);
    const auto pages = info.find("Pages:");
    if (pages != std::string::npos) std::sscanf(info.c_str() + pages, "Pages: %d", &size.pages);
    return size;
}

// A word of the page's text and its box, in points from the page's top-left corner.
struct Word {
    double xMin, yMin, xMax, yMax;
    std::string text;
};

std::vector<Word> words(const std::string& pdf) {
    const std::string html = run("pdftotext -bbox '" + pdf + "' -");
    static const std::regex word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    std::vector<Word> result;
    for (auto it = std::sregex_iterator(html.begin(), html.end(), word);
         it != std::sregex_iterator(); ++it) {
        result.push_back({std::stod((*it)[1]), std::stod((*it)[2]), std::stod((*it)[3]),
                          std::stod((*it)[4]), (*it)[5]});
    }
    return result;
}

// The words on the same line as the leftmost word with this text, left to right after it.
std::vector<Word> lineAfter(const std::vector<Word>& all, const std::string& first) {
    const Word* start = nullptr;
    for (const Word& w : all) {
        if (w.text == first && (start == nullptr || w.xMin < start->xMin)) start = &w;
    }
    if (start == nullptr) return {};
    std::vector<Word> line;
    for (const Word& w : all) {
        if (std::abs(w.yMin - start->yMin) < 1 && w.xMin > start->xMax) line.push_back(w);
    }
    std::sort(line.begin(), line.end(),
              [](const Word& a, const Word& b) { return a.xMin < b.xMin; });
    return line;
}

// Every one of the 11 temperature rows holds one cell per conformer, and every word lies on the
// page.
void expectEveryCellOnThePage(const std::vector<Word>& all, int count, const PageSize& page) {
    for (const char* temperature :
         {"-50", "-42", "-34", "-26", "-18", "-10", "-2", "6", "14", "22", "30"}) {
        const std::vector<Word> row = lineAfter(all, temperature);
        EXPECT_EQ(row.size(), static_cast<std::size_t>(count)) << "row " << temperature;
    }
    const std::vector<Word> numbers = lineAfter(all, "#");
    ASSERT_EQ(numbers.size(), static_cast<std::size_t>(count));
    EXPECT_EQ(numbers.back().text, std::to_string(count));
    for (const Word& w : all) {
        EXPECT_GE(w.xMin, 0) << w.text;
        EXPECT_LE(w.xMax, page.width) << w.text;
        EXPECT_LE(w.yMax, page.height) << w.text;
    }
}

// The colour the ink of a word's box has: "black", "red", "green", "blue", or "none".
std::string inkColour(const QImage& image, const Word& word, double pixelsPerPoint) {
    std::map<std::string, int> votes;
    const QRect box(QPoint(int(word.xMin * pixelsPerPoint), int(word.yMin * pixelsPerPoint)),
                    QPoint(int(word.xMax * pixelsPerPoint), int(word.yMax * pixelsPerPoint)));
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const int low = std::min({c.red(), c.green(), c.blue()});
            const int high = std::max({c.red(), c.green(), c.blue()});
            if (low > 180) continue;  // paper
            if (high - low < 40) {
                ++votes["black"];
            } else if (high == c.blue()) {
                ++votes["blue"];
            } else if (high == c.green()) {
                ++votes["green"];
            } else {
                ++votes["red"];
            }
        }
    }
    std::string colour = "none";
    int most = 0;
    for (const auto& [name, count] : votes) {
        if (count > most) colour = name, most = count;
    }
    return colour;
}

class Spooler : public PrintingProgram {
  protected:
    std::string print() {
        const std::size_t before =
            std::distance(fs::directory_iterator(spoolerFolder + "/out"), fs::directory_iterator{});
        user.choose(*main->mnuPrint);
        EXPECT_TRUE(messages.texts.empty()) << messages.texts.front();
        return waitForDocument(before + 1);
    }
};

TEST_F(Spooler, TheTwoConformerExamplePrintsInPortraitWithTheWindowsCells) {
    calculate({"0", "1"});
    const std::string pdf = print();
    ASSERT_FALSE(pdf.empty()) << "no document reached the spooler's device";
    const PageSize size = pageSize(pdf);
    EXPECT_EQ(size.pages, 1);
    EXPECT_LT(size.width, size.height);
    const std::string text = run("pdftotext -layout '" + pdf + "' -");
    for (const char* expected : {"Distribution, %", "Conformer #", "Conf.Energy", "Temperature",
                                 "°C", "90,51", "9,49", "84,02", "15,98"}) {
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    }
    for (const char* temperature :
         {"-50", "-42", "-34", "-26", "-18", "-10", "-2", " 6 ", "14", "22", "30"}) {
        EXPECT_NE(text.find(temperature), std::string::npos) << temperature;
    }
}

TEST_F(Spooler, NineConformersPrintEveryColumnOnAPortraitPageInTheWindowsColours) {
    calculate({"0", "0,1", "0,2", "0,3", "0,4", "0,5", "0,6", "0,7", "0,8"});
    const std::string pdf = print();
    ASSERT_FALSE(pdf.empty());
    const PageSize size = pageSize(pdf);
    EXPECT_EQ(size.pages, 1);
    EXPECT_LT(size.width, size.height);
    const std::vector<Word> all = words(pdf);
    expectEveryCellOnThePage(all, 9, size);

    // The page as a printer puts it on paper, two pixels to the point.
    const std::string png = spoolerFolder + "/page";
    run("pdftoppm -r 144 -png -singlefile '" + pdf + "' '" + png + "'");
    const QImage page(QString::fromStdString(png + ".png"));
    ASSERT_FALSE(page.isNull());
    auto colourOf = [&](const std::string& text) {
        const auto word =
            std::find_if(all.begin(), all.end(), [&](const Word& w) { return w.text == text; });
        return word == all.end() ? std::string("missing") : inkColour(page, *word, 2);
    };
    EXPECT_EQ(colourOf("Distribution,"), "blue");
    EXPECT_EQ(colourOf("Conformer"), "black");
    EXPECT_EQ(colourOf("Conf.Energy"), "green");
    EXPECT_EQ(colourOf("Temperature"), "red");
    EXPECT_EQ(colourOf("-50"), "red");
    const std::vector<Word> firstRow = lineAfter(all, "-50");
    ASSERT_FALSE(firstRow.empty());
    EXPECT_EQ(inkColour(page, firstRow.front(), 2), "blue");
    EXPECT_EQ(inkColour(page, firstRow.back(), 2), "blue");
    // The three horizontal rules: black rows of pixels across most of the page's width.
    int rules = 0;
    bool inRule = false;
    for (int y = 0; y < page.height(); ++y) {
        int dark = 0;
        for (int x = 0; x < page.width(); ++x) dark += qGray(page.pixel(x, y)) < 100;
        const bool rule = dark > page.width() / 2;
        rules += rule && !inRule;
        inRule = rule;
    }
    EXPECT_EQ(rules, 3);
}

// Print Graph through the spooler: one landscape page, the graph's texts on it, its bars in their
// colours (the yellow of conformer 1 and the blue of conformer 2 in the proportion the graph has
// them, about 87 to 13 over the bars), and the thermometer under them: its olive strip and red.
TEST_F(Spooler, ThePrintedGraphIsOneLandscapePageInColour) {
    calculate({"0", "1"});
    const std::size_t before =
        std::distance(fs::directory_iterator(spoolerFolder + "/out"), fs::directory_iterator{});
    user.choose(*main->mnuPrintGraph);
    ASSERT_TRUE(messages.texts.empty()) << messages.texts.front();
    const std::string pdf = waitForDocument(before + 1);
    ASSERT_FALSE(pdf.empty());
    const PageSize size = pageSize(pdf);
    EXPECT_EQ(size.pages, 1);
    EXPECT_GT(size.width, size.height);
    const std::vector<Word> all = words(pdf);
    for (const char* text : {"Conformer", "Energy", "%", "-50"}) {
        EXPECT_NE(
            std::find_if(all.begin(), all.end(), [&](const Word& w) { return w.text == text; }),
            all.end())
            << text;
    }
    const std::string png = spoolerFolder + "/graph";
    run("pdftoppm -r 36 -png -singlefile '" + pdf + "' '" + png + "'");
    const QImage page(QString::fromStdString(png + ".png"));
    ASSERT_FALSE(page.isNull());
    int yellow = 0, blue = 0, olive = 0, red = 0;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            const QColor c = page.pixelColor(x, y);
            yellow += c.red() > 230 && c.green() > 230 && c.blue() < 60;
            blue += c.red() < 40 && c.green() < 40 && c.blue() > 200;
            olive += std::abs(c.red() - c.green()) < 12 && c.red() > 95 && c.red() < 140 &&
                     c.blue() < 40;
            red += c.red() > 200 && c.green() < 50 && c.blue() < 50;
        }
    }
    ASSERT_GT(yellow + blue, 2000);  // the bars fill much of the page
    EXPECT_NEAR(blue / double(yellow + blue), 0.13, 0.04);
    // The thermometer's visible strip, about 8.3 by 0.56 inches here (300 by 20 pixels), the
    // olive around the tube.
    EXPECT_GT(olive, 2500);
    EXPECT_GT(red, 100);
}

TEST_F(Spooler, TenConformersPrintEveryColumnOnALandscapePage) {
    calculate({"0", "0,1", "0,2", "0,3", "0,4", "0,5", "0,6", "0,7", "0,8", "0,9"});
    const std::string pdf = print();
    ASSERT_FALSE(pdf.empty());
    const PageSize size = pageSize(pdf);
    EXPECT_EQ(size.pages, 1);
    EXPECT_GT(size.width, size.height);
    expectEveryCellOnThePage(words(pdf), 10, size);
}

// A4 is the default page here; on Letter, and for every count, the widest printed row must still
// end inside the printable area the printer gives each page size.
TEST_F(Spooler, EveryCountFitsThePrintableWidthOfA4AndLetter) {
    const std::unique_ptr<ui::PrintJob> job = systemPrinters.openDefault();
    ASSERT_NE(job, nullptr);
    QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    for (int count = 1; count <= 10; ++count) {
        std::vector<std::string> energies;
        for (int i = 0; i < count; ++i) energies.push_back("-1,2345E-300");  // the longest form
        core::CalculationState state;
        state.conformerCount = static_cast<std::int16_t>(count);
        state.tempLow = 0.01;
        state.tempStep = 1;
        for (int i = 1; i <= count; ++i) state.population.set(0, i, 99.99);
        ui::Drawing page;
        ui::PrintTarget target(page, job->metrics(), results::kTableFont);
        results::writeTable(target, results::paperLayout(count), state, energies);
        int rightEnd = 0;
        for (const ui::TextRun& run : page.texts())
            rightEnd = std::max(rightEnd, run.x + job->metrics().textWidth(run.font, run.text));
        for (QPageSize::PageSizeId size : {QPageSize::A4, QPageSize::Letter}) {
            printer.setPageSize(QPageSize(size));
            printer.setPageOrientation(count == 10 ? QPageLayout::Landscape
                                                   : QPageLayout::Portrait);
            const double printable = printer.pageRect(QPrinter::Point).width() * 20;
            EXPECT_LE(rightEnd, printable) << count << " conformers on " << size;
        }
    }
}

class NoPrinter : public PrintingProgram {};

// The question and the save dialog are answered by the recording message boxes; the page goes
// through the real print path into the file.
TEST_F(NoPrinter, PrintTableSavesThePrintersPageAsAPdfFileInstead) {
    const fs::path folder = fs::temp_directory_path() / ("torvi-pdf-" + std::to_string(getpid()));
    fs::create_directories(folder);
    const std::string file = (folder / "Torvi table.pdf").string();
    calculate({"0", "0,1", "0,2", "0,3", "0,4", "0,5", "0,6", "0,7", "0,8"});
    messages.chosenFile = file;
    user.choose(*main->mnuPrint);  // No
    EXPECT_EQ(messages.questions,
              (Texts{"No printer is available. Save the table as a PDF file instead?"}));
    EXPECT_FALSE(fs::exists(file));
    messages.answer = true;
    user.choose(*main->mnuPrint);
    EXPECT_TRUE(messages.texts.empty()) << messages.texts.front();
    ASSERT_TRUE(fs::exists(file));
    const PageSize size = pageSize(file);
    EXPECT_EQ(size.pages, 1);
    EXPECT_LT(size.width, size.height);
    const std::vector<Word> all = words(file);
    expectEveryCellOnThePage(all, 9, size);
    run("pdftoppm -r 144 -png -singlefile '" + file + "' '" + folder.string() + "/page'");
    const QImage page(QString::fromStdString(folder.string() + "/page.png"));
    const auto energy =
        std::find_if(all.begin(), all.end(), [](const Word& w) { return w.text == "Conf.Energy"; });
    ASSERT_NE(energy, all.end());
    EXPECT_EQ(inkColour(page, *energy, 2), "green");

    // A file that cannot be written is named, with the reason, and nothing claims it was saved.
    const std::string nowhere = (folder / "missing" / "Torvi table.pdf").string();
    messages.chosenFile = nowhere;
    user.choose(*main->mnuPrint);
    EXPECT_EQ(messages.texts, (Texts{"The table could not be saved as " + nowhere +
                                     ": No such file or directory."}));
    EXPECT_FALSE(fs::exists(nowhere));
    EXPECT_FALSE(application.ended());
    fs::remove_all(folder);
}

}  // namespace
}  // namespace torvi::printing
