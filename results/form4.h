#pragma once
// The HPG window, the high-precision graph: the populations at 5001 temperatures, fifty times
// finer than the table, as a stacked area plot of thin coloured strokes, computed and drawn once
// from the Data Input texts when the window is created.

#include <memory>

#include "core/calculation_state.h"
#include "ui/application.h"
#include "ui/control_array.h"

namespace torvi::results {

// Key stroke colours of conformers 1 to 10 (4 and 10 share the same green).
extern const ui::Rgb kHpgColours[11];

class Form4 : public ui::Window {
  public:
    explicit Form4(ui::Application& application);

    ui::PictureBox* Picture1 = nullptr;  // the plot, keeping what is drawn into it
    ui::LineElement* Line1 = nullptr;    // its base line
    ui::ControlArray<ui::LineElement> Line2{*this, "Line2"};  // colour key, conformers 1 to 10

    // The window's own record of the fine calculation; never the main window's.
    std::unique_ptr<core::HpgState> fineRecord = std::make_unique<core::HpgState>();

    void Form_Load() override;

  private:
    void createPlot();
    void createColourKey();
    Copy copy() const override { return {.text = {}, .html = {}, .picture = true}; }
};

}  // namespace torvi::results
