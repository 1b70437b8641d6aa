#pragma once
// What the Data Input window needs from the main window: the Calculate menu item's enabled flag
// and the Calculate command itself.

namespace torvi::input {

class CalculateCommand {
  public:
    virtual ~CalculateCommand() = default;
    virtual void setCalculateEnabled(bool enabled) = 0;
    virtual void mnuCalc_Click() = 0;
};

}  // namespace torvi::input
