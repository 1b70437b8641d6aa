#pragma once
// The main window: an MDI frame whose MDICLIENT workspace holds the child windows, with the
// menu bar and its Ctrl+letter shortcuts in an accelerator table.

#include <map>

#include "win32/window_view.h"

namespace torvi::win32 {

class MainWindowView : public WindowView {
  public:
    MainWindowView(Win32Binding& binding, ui::Window& window) : WindowView(binding, window) {}
    ~MainWindowView() override;
    HWND mdiClient() const override { return mdiClient_; }
    HACCEL accelerators() const { return accelerators_; }

  protected:
    void createFrame() override;
    void createMenus() override;
    void syncGeometry() override;
    void beforeShow() override { syncGeometry(); }

  private:
    static LRESULT CALLBACK procedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT mainFrameMessage(UINT message, WPARAM wParam, LPARAM lParam);

    HWND mdiClient_ = nullptr;
    HACCEL accelerators_ = nullptr;
    std::map<UINT, ui::MenuItem*> commands_;
};

}  // namespace torvi::win32
