// Runs the printing tests against a private CUPS spooler that this program starts and stops,
// or, with --no-printer, against a print system that has no printers at all.

#include <gtest/gtest.h>
#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "printing_fixture.h"

std::string torvi::printing::spoolerFolder;

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    bool noPrinter = false;
    for (int i = 1; i < argc; ++i) noPrinter = noPrinter || std::string(argv[i]) == "--no-printer";

    std::string folder;
    if (noPrinter) {
        setenv("CUPS_SERVER", "/nonexistent/torvi-test/cups.sock", 1);
        ::testing::GTEST_FLAG(filter) = "NoPrinter.*";
    } else {
        char pattern[] = "/tmp/torvi-cups-XXXXXX";
        folder = mkdtemp(pattern);
        const std::string start = std::string(TORVI_PRIVATE_CUPS) + " start " + folder;
        if (std::system(start.c_str()) != 0) {
            std::fprintf(stderr, "the private CUPS spooler did not start\n");
            return 1;
        }
        setenv("CUPS_SERVER", (folder + "/cups.sock").c_str(), 1);
        torvi::printing::spoolerFolder = folder;
        ::testing::GTEST_FLAG(filter) = "Spooler.*";
    }

    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    if (!folder.empty()) {
        const std::string stop = std::string(TORVI_PRIVATE_CUPS) + " stop " + folder;
        std::system(stop.c_str());
        std::filesystem::remove_all(folder);
    }
    return result;
}
