#pragma once
// How to Use Torvi: the steps, the results windows, the formula, the units and the keys, one line
// of text a label, in a window as large as its text.

#include "ui/application.h"
#include "ui/control_array.h"

namespace torvi::shell {

class frmHelp : public ui::Window {
  public:
    explicit frmHelp(ui::Application& application);

    ui::ControlArray<ui::Label> lblLine{*this, "lblLine"};  // the text, a line each from 0
    ui::CommandButton* cmdOK = nullptr;

    void cmdOK_Click();
};

}  // namespace torvi::shell
