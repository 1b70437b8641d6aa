#pragma once
// The client area of a window: its background and what is drawn on the window itself.

#include <QWidget>

#include "ui/window.h"

namespace torvi::qt {

class ClientAreaView : public QWidget {
  public:
    ClientAreaView(ui::Window& window, QWidget* parent);
    ui::Window& window() const { return window_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    // A window whose contents grow with it hears of its client size.
    void resizeEvent(QResizeEvent* event) override;

  private:
    ui::Window& window_;
};

}  // namespace torvi::qt
