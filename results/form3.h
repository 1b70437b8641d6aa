#pragma once
// The results table window: a table of text and rules drawn on the window itself.

#include "results/display_rules.h"
#include "ui/application.h"

namespace torvi::results {

class Form3 : public ui::Window {
  public:
    explicit Form3(ui::Application& application);
    // Sizes the window: 8500 x 5500, wider when the count box names more than 7 conformers.
    void Form_Load() override;
    // The table as shown, as cells of text.
    Copy copy() const override;
    // The units the table shows; a temperature column in kelvin is named so on the clipboard.
    ResultUnits units;
};

}  // namespace torvi::results
