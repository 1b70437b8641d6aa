#pragma once
// A child window: a sub-window of the main window's workspace, which the user may move, resize
// and minimise.

#include "ui/qt/window_view.h"

namespace torvi::ui::qt {

class SubWindowView : public WindowView {
  public:
    SubWindowView(QtBinding& binding, Window& window) : WindowView(binding, window) {}
    QMdiSubWindow* subWindow() const override { return subWindow_; }
    void restoreIfMinimised() override;

  protected:
    void createFrame() override;
    void syncGeometry() override;
    // The user moved or resized the window: the model takes the new place.
    void frameChanged(QEvent& event) override;

  private:
    QMdiSubWindow* subWindow_ = nullptr;
};

}  // namespace torvi::ui::qt
