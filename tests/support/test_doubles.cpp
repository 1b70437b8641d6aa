#include "tests/support/test_doubles.h"

namespace torvi::ui {

void RecordingDialogs::show(const std::string& title, const std::string& text) {
    lastTitle = title;
    texts.push_back(text);
    if (whileOpen) whileOpen();
}

bool RecordingDialogs::ask(const std::string& title, const std::string& question) {
    lastTitle = title;
    questions.push_back(question);
    return answer;
}

std::optional<FileChoice> RecordingDialogs::chooseSaveFile(const std::string&,
                                                           const std::string& proposedName,
                                                           const std::string&) {
    proposedNames.push_back(proposedName);
    if (!chosenFile) return std::nullopt;
    return FileChoice{*chosenFile, chosenType};
}

std::optional<std::string> RecordingDialogs::chooseOpenFile(const std::string&,
                                                            const std::string&) {
    return chosenFile;
}

std::optional<std::string> MemoryFiles::read(const std::string& path, std::size_t limit) {
    const auto found = contents.find(path);
    if (found == contents.end()) return std::nullopt;
    return found->second.substr(0, limit + 1);
}

bool MemoryFiles::write(const std::string& path, std::string_view bytes) {
    if (full) return false;
    contents[path] = std::string(bytes);
    return true;
}

std::optional<int> MemorySettings::number(const std::string& name) {
    const auto found = numbers.find(name);
    return found == numbers.end() ? std::nullopt : std::optional(found->second);
}

int FixedTextMetrics::textWidth(const Font&, std::string_view text) const {
    return characterCount(text) * charWidth_;
}

namespace {

class RecordingJob : public PrintJob {
  public:
    RecordingJob(RecordingPrinters& printers, const TextMetrics& metrics, std::string file)
        : printers_(printers), metrics_(metrics) {
        document_.file = std::move(file);
    }
    const TextMetrics& metrics() const override { return metrics_; }
    void setOrientation(Orientation orientation) override { document_.orientation = orientation; }
    void drawText(const TextRun& run) override { document_.items.emplace_back(run); }
    void drawLine(const LineRun& run) override { document_.items.emplace_back(run); }
    void drawFill(const FillRun& run) override { document_.items.emplace_back(run); }
    void drawPicture(const PictureRun& run) override { document_.items.emplace_back(run); }
    PrintFailure endDocument() override {
        if (printers_.refusal.failed()) return printers_.refusal;
        printers_.documents.push_back(document_);
        return {};
    }

  private:
    RecordingPrinters& printers_;
    const TextMetrics& metrics_;
    RecordingPrinters::Document document_;
};

}  // namespace

long CountingRegistry::openKey(std::uint32_t root, const std::string& path,
                               std::uint32_t accessMask, std::uint32_t& key) {
    lastAccessMask = accessMask;
    const long result = MemoryRegistry::openKey(root, path, accessMask, key);
    if (result == kSuccess) ++openKeys;
    return result;
}

long CountingRegistry::closeKey(std::uint32_t key) {
    const long result = MemoryRegistry::closeKey(key);
    if (result == kSuccess) --openKeys;
    return result;
}

std::unique_ptr<PrintJob> RecordingPrinters::openDefault() {
    if (!available) return nullptr;
    return std::make_unique<RecordingJob>(*this, metrics_, std::string());
}

std::unique_ptr<PrintJob> RecordingPrinters::openFile(const std::string& path) {
    return std::make_unique<RecordingJob>(*this, metrics_, path);
}

}  // namespace torvi::ui
