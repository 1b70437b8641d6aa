#pragma once
// Stand-ins for the platform in tests: message boxes that record what they show and answer as
// told, printers that keep their documents in memory, and text measured by counting characters.

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "ui/application.h"
#include "ui/printer.h"
#include "ui/system_info.h"
#include "ui/text_metrics.h"

namespace torvi::ui {

class RecordingDialogs : public Dialogs {
  public:
    void show(const std::string& title, const std::string& text) override;
    bool ask(const std::string& title, const std::string& question) override;
    std::optional<FileChoice> chooseSaveFile(const std::string& title,
                                             const std::string& proposedName,
                                             const std::string& filter) override;
    std::optional<std::string> chooseOpenFile(const std::string& title,
                                              const std::string& filter) override;
    std::vector<std::string> texts;
    std::string lastTitle;
    std::vector<std::string> questions;
    bool answer = false;                    // what every question is answered
    std::optional<std::string> chosenFile;  // what every save or open dialog gives
    int chosenType = 0;                     // and the type a save dialog's filter gives with it
    std::vector<std::string> proposedNames;
    std::function<void()> whileOpen;  // what the user does while a message box is open
};

// Keeps every finished document in memory: for tests.
class RecordingPrinters : public Printers {
  public:
    struct Document {
        Orientation orientation = Orientation::Portrait;
        std::vector<DrawItem> items;
        std::string file;  // empty for the printer
    };
    explicit RecordingPrinters(const TextMetrics& metrics) : metrics_(metrics) {}
    std::unique_ptr<PrintJob> openDefault() override;
    std::unique_ptr<PrintJob> openFile(const std::string& path) override;

    std::vector<Document> documents;
    bool available = true;  // false: no default printer
    PrintFailure refusal;   // failed: the print system refuses the document

  private:
    const TextMetrics& metrics_;
};

// Files in memory, by path.
class MemoryFiles : public Files {
  public:
    std::optional<std::string> read(const std::string& path, std::size_t limit) override;
    bool write(const std::string& path, std::string_view bytes) override;
    std::map<std::string, std::string> contents;
    bool full = false;  // writing fails
};

// Settings in memory.
class MemorySettings : public Settings {
  public:
    std::optional<int> number(const std::string& name) override;
    void setNumber(const std::string& name, int value) override { numbers[name] = value; }
    std::map<std::string, int> numbers;
};

// A registry in memory that counts what the windows do with it.
class CountingRegistry : public MemoryRegistry {
  public:
    long openKey(std::uint32_t root, const std::string& path, std::uint32_t accessMask,
                 std::uint32_t& key) override;
    long closeKey(std::uint32_t key) override;
    std::uint32_t lastAccessMask = 0;
    int openKeys = 0;  // opened and not closed yet
};

// Every character the same width, every font the same height: predictable layouts for tests.
class FixedTextMetrics : public TextMetrics {
  public:
    FixedTextMetrics(int charWidth = 90, int lineHeight = 195)
        : charWidth_(charWidth), lineHeight_(lineHeight) {}
    int textWidth(const Font&, std::string_view text) const override;
    int lineHeight(const Font&) const override { return lineHeight_; }
    int averageCharWidth(const Font&) const override { return charWidth_; }

  private:
    int charWidth_;
    int lineHeight_;
};

}  // namespace torvi::ui
