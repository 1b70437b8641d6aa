#pragma once
// The system's default printer through QPrinter (CUPS on Linux), and PDF files in its stead.

#include "ui/printer.h"

namespace torvi::ui::qt {

class QtPrinters : public Printers {
  public:
    std::unique_ptr<PrintJob> openDefault() override;
    std::unique_ptr<PrintJob> openFile(const std::string& path) override;
};

}  // namespace torvi::ui::qt
