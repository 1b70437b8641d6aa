#pragma once
// The system's default printer: its name from GetDefaultPrinterA, the page's orientation and
// colour through the printer's DEVMODE, and the page drawn with GDI on a WINSPOOL device context.
// Windows writes PDF files through a printer of its own, so there is no file job here.

#include "ui/printer.h"

namespace torvi::win32 {

class Win32Printers : public ui::Printers {
  public:
    std::unique_ptr<ui::PrintJob> openDefault() override;
    std::unique_ptr<ui::PrintJob> openFile(const std::string& path) override;
    bool writesFiles() const override { return false; }
};

}  // namespace torvi::win32
