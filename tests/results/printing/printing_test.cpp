#include <chrono>
#include <cstdio>
#include <filesystem>
#include <thread>

#include "printing_fixture.h"

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

class Spooler : public PrintingProgram {};

TEST_F(Spooler, TheTwoConformerExamplePrintsInPortraitWithTheWindowsCells) {
    calculate({"0", "1"});
    const std::size_t before =
        std::distance(fs::directory_iterator(spoolerFolder + "/out"), fs::directory_iterator{});
    user.choose(*main->mnuPrint);
    EXPECT_TRUE(messages.texts.empty()) << messages.texts.front();
    const std::string pdf = waitForDocument(before + 1);
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

TEST_F(Spooler, TenConformersPrintInLandscape) {
    calculate({"0", "0,1", "0,2", "0,3", "0,4", "0,5", "0,6", "0,7", "0,8", "0,9"});
    const std::size_t before =
        std::distance(fs::directory_iterator(spoolerFolder + "/out"), fs::directory_iterator{});
    user.choose(*main->mnuPrint);
    const std::string pdf = waitForDocument(before + 1);
    ASSERT_FALSE(pdf.empty());
    const PageSize size = pageSize(pdf);
    EXPECT_EQ(size.pages, 1);
    EXPECT_GT(size.width, size.height);
    const std::string text = run("pdftotext -layout '" + pdf + "' -");
    EXPECT_NE(text.find("Conf.Energy"), std::string::npos);
    EXPECT_NE(text.find(",9"), std::string::npos);
}

class NoPrinter : public PrintingProgram {};

TEST_F(NoPrinter, PrintTableSaysThereIsNoPrinterAndTheProgramGoesOn) {
    calculate({"0", "1"});
    user.choose(*main->mnuPrint);
    EXPECT_EQ(messages.texts,
              (Texts{"No printer is available. Print Table needs a default printer."}));
    EXPECT_FALSE(application.ended());
    EXPECT_TRUE(main->mnuPrint->enabled());
}

}  // namespace
}  // namespace torvi::printing
