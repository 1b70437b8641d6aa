#pragma once
// A top-level window of its own (the splash and the About box): fixed in size, placed on the
// screen, with exactly the decorations of its design.

#include "qt/window_view.h"

namespace torvi::qt {

class TopLevelView : public WindowView {
  public:
    TopLevelView(QtBinding& binding, ui::Window& window) : WindowView(binding, window) {}

  protected:
    void createFrame() override;
    void syncGeometry() override;
    void syncStyle() override;

  private:
    int border_ = 0;  // pixels of dialog border the window paints itself
};

}  // namespace torvi::qt
