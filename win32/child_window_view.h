#pragma once
// A child window: an MDI child of the main window's workspace, which the user may move, resize,
// minimise and maximise; the model learns each of these.

#include "win32/window_view.h"

namespace torvi::win32 {

class ChildWindowView : public WindowView {
  public:
    ChildWindowView(Win32Binding& binding, ui::Window& window) : WindowView(binding, window) {}
    bool isChildWindow() const override { return true; }

  protected:
    void createFrame() override;
    void syncGeometry() override;
    void syncState() override;

  private:
    // Where the window shows in the workspace, in pixels: its frame around the model's client
    // area.
    RECT shownPlace() const;
    static LRESULT CALLBACK procedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);
    // Tells the model where the window is and whether it is minimised or maximised, wherever
    // the two disagree.
    void reportPlace();
    static constexpr UINT kReportPlace = WM_APP + 2;
    bool reportPending_ = false;
};

}  // namespace torvi::win32
