#pragma once
// A child window: a sub-window of the main window's workspace, which the user may move, resize,
// minimise and maximise.

#include "qt/window_view.h"

namespace torvi::qt {

class ChildWindowView : public WindowView {
  public:
    ChildWindowView(QtBinding& binding, ui::Window& window) : WindowView(binding, window) {}
    QMdiSubWindow* subWindow() const override { return subWindow_; }

  protected:
    void createFrame() override;
    void syncGeometry() override;
    void syncState() override;
    // Qt changed the window's place or state, for the user or by the workspace's own logic.
    void frameChanged(QEvent& event) override;

  private:
    // Tells the model where the window is and whether it is minimised or maximised, wherever
    // the two disagree.
    void reportPlace();

    QMdiSubWindow* subWindow_ = nullptr;
    bool reportQueued_ = false;
};

}  // namespace torvi::qt
