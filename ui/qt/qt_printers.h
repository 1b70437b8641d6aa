#pragma once
// The system's default printer through QPrinter (CUPS on Linux).

#include "ui/printer.h"

namespace torvi::ui::qt {

class QtPrinters : public Printers {
  public:
    std::unique_ptr<PrintJob> open(std::string& problem) override;
    // The font the printed table uses when the printer offers no other.
    Font printerFont{"Arial", 8, false};
};

}  // namespace torvi::ui::qt
