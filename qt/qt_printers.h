#pragma once
// The system's default printer through QPrinter (CUPS on Linux), and PDF files in its stead.

#include "ui/printer.h"

namespace torvi::qt {

class QtPrinters : public ui::Printers {
  public:
    std::unique_ptr<ui::PrintJob> openDefault() override;
    std::unique_ptr<ui::PrintJob> openFile(const std::string& path) override;
};

}  // namespace torvi::qt
