#pragma once
// A command button. It takes the focus only when it is clicked, that is, released where it was
// pressed, or from Tab and the model.

#include <QPushButton>

#include "qt/element_view.h"
#include "ui/controls.h"

namespace torvi::qt {

class WindowView;

class ButtonView : public QPushButton, public ElementView {
  public:
    ButtonView(ui::CommandButton& button, WindowView& windowView, QWidget* parent);
    void sync(ui::Property property) override;

  private:
    ui::CommandButton& button_;
};

}  // namespace torvi::qt
