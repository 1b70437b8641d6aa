#pragma once
// A command button. It takes the focus only when it is clicked, that is, released where it was
// pressed, or from Tab and the model.

#include <QPushButton>

#include "ui/controls.h"
#include "ui/qt/element_view.h"

namespace torvi::ui::qt {

class WindowView;

class ButtonView : public QPushButton, public ElementView {
  public:
    ButtonView(CommandButton& button, WindowView& view, QWidget* parent);
    void sync(Property property) override;

  private:
    CommandButton& button_;
};

}  // namespace torvi::ui::qt
