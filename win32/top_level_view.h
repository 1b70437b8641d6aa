#pragma once
// A top-level window of its own: the splash without a title bar and with a fixed dialog border,
// and the About box with a fixed dialog frame, a title and a close box only. Both are owned by
// the main window, which keeps them off the task bar.

#include "win32/window_view.h"

namespace torvi::win32 {

class TopLevelView : public WindowView {
  public:
    TopLevelView(Win32Binding& binding, ui::Window& window) : WindowView(binding, window) {}

  protected:
    void createFrame() override;
    void syncGeometry() override;
    void syncStyle() override;

  private:
    DWORD style() const;
    DWORD extendedStyle() const;
};

}  // namespace torvi::win32
