#pragma once
// What the browser offers the model: text measured by its canvas, message boxes in the page, its
// print dialog in place of a printer, no program to start. (Its registry is the model's memory
// one.)

#include "ui/application.h"
#include "ui/printer.h"
#include "ui/system_info.h"
#include "ui/text_metrics.h"
#include "ui/window_picture.h"
#include "ui/zoom.h"
#include "web/web_files.h"

namespace torvi::web {

class WebTextMetrics : public ui::TextMetrics {
  public:
    int textWidth(const ui::Font& font, std::string_view text) const override;
    int lineHeight(const ui::Font& font) const override;
    int averageCharWidth(const ui::Font& font) const override;
};

// Message boxes in the page; a file to save is a download of the proposed name, a file to open
// one the picker gives.
class WebDialogs : public ui::Dialogs {
  public:
    explicit WebDialogs(WebFiles& files) : files_(files) {}
    void show(const std::string& title, const std::string& text) override;
    bool ask(const std::string& title, const std::string& question) override;
    std::optional<ui::FileChoice> chooseSaveFile(const std::string& title,
                                                 const std::string& proposedName,
                                                 const std::string& filter) override;
    std::optional<std::string> chooseOpenFile(const std::string& title,
                                              const std::string& filter) override;

  private:
    WebFiles& files_;
};

// The browser's print dialog, which prints or saves as PDF: a page cannot choose a printer nor
// hear of a failure, so every document counts as handed over.
class WebPrinters : public ui::Printers {
  public:
    std::unique_ptr<ui::PrintJob> openDefault() override;
    std::unique_ptr<ui::PrintJob> openFile(const std::string&) override { return nullptr; }
    bool writesFiles() const override { return false; }
};

class WebBinding;

// The page's pictures as PNG: a window's client area as the page shows it. The program's own
// pictures are the server's files, which a page cannot read at once.
class WebPictures : public ui::PictureSource {
  public:
    explicit WebPictures(WebBinding& binding) : binding_(binding) {}
    std::optional<std::string> png(const std::string& resource) override;
    std::optional<std::string> windowPng(const ui::Window& window) override;
    std::optional<std::string> pagePng(const std::vector<ui::DrawItem>& items, int width,
                                       int height, int dotsPerInch) override;

  private:
    WebBinding& binding_;
};

// Settings in the browser's local storage for the page's address ("torvi.Zoom").
class WebSettings : public ui::Settings {
  public:
    std::optional<int> number(const std::string& name) override;
    void setNumber(const std::string& name, int value) override;
};

class WebProgramStarter : public ui::ProgramStarter {
  public:
    bool fileExists(const std::string&) override { return false; }
    bool start(const std::string&) override { return false; }
};

}  // namespace torvi::web
