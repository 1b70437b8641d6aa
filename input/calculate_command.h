#pragma once
// What the Data Input window needs from the main window: the Calculate menu item's enabled flag,
// the Calculate command itself and the unit the energies are typed in.

#include "core/units.h"

namespace torvi::input {

class CalculateCommand {
  public:
    virtual ~CalculateCommand() = default;
    // The Calculate menu item only; the window's button is its own.
    virtual void setCalculateMenuItemEnabled(bool enabled) = 0;
    virtual void mnuCalc_Click() = 0;
    virtual core::EnergyUnit energyUnit() const = 0;
};

}  // namespace torvi::input
