#pragma once
// The client area of a window: its background and what is drawn on the window itself.

#include <QWidget>

#include "ui/window.h"

namespace torvi::ui::qt {

class FormView : public QWidget {
  public:
    FormView(Window& window, QWidget* parent);
    Window& window() const { return window_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Window& window_;
};

}  // namespace torvi::ui::qt
