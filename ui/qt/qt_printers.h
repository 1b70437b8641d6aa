#pragma once
// The system's default printer through QPrinter (CUPS on Linux).

#include "ui/printer.h"

namespace torvi::ui::qt {

class QtPrinters : public Printers {
  public:
    std::unique_ptr<PrintJob> open(std::string& problem) override;
};

}  // namespace torvi::ui::qt
