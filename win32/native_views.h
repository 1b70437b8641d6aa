#pragma once
// The elements Windows' own controls show: text boxes as EDIT controls and command buttons as
// BUTTON controls, both subclassed so that their keys reach the model first; timers (SetTimer on
// the window) and menu items (a menu entry each).

#include <cstdint>

#include "ui/controls.h"
#include "ui/tick_schedule.h"
#include "win32/element_view.h"

namespace torvi::win32 {

class WindowView;

// The model edits the text: a typed character replaces the model's selection, which the view
// keeps equal to the control's; edits the control makes itself (paste, cut, Delete) come back
// as edit events.
class TextBoxView : public ElementView {
  public:
    TextBoxView(ui::TextBox& box, WindowView& windowView, HWND parent);
    ui::Element& element() const override { return box_; }
    void sync(ui::Property property) override;
    // Tells the model where the user has put the insertion point and the selection.
    void beforeKey() override { reportSelection(); }
    // The control changed its text by itself (EN_CHANGE).
    void edited();

  private:
    static LRESULT CALLBACK procedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);
    void reportSelection();
    void showSelection();

    ui::TextBox& box_;
    WindowView& windowView_;
    wchar_t pendingHighSurrogate_ = 0;
};

class ButtonView : public ElementView {
  public:
    ButtonView(ui::CommandButton& button, WindowView& windowView, HWND parent);
    ui::Element& element() const override { return button_; }
    void sync(ui::Property property) override;

  private:
    static LRESULT CALLBACK procedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);

    ui::CommandButton& button_;
    WindowView& windowView_;
};

// A timer ticks with SetTimer on its window; a tick that comes early waits for the rest.
class TimerView : public ElementView {
  public:
    TimerView(ui::Timer& timer, HWND owner, UINT_PTR id);
    ~TimerView() override;
    ui::Element& element() const override { return timer_; }
    void sync(ui::Property property) override;
    bool owns(WPARAM id) const { return id == id_; }
    // WM_TIMER: may close the window and delete this view.
    void tick();

  private:
    void start(unsigned milliseconds);

    ui::Timer& timer_;
    HWND owner_;  // the window whose timer it is
    UINT_PTR id_;
    bool running_ = false;
    ui::TickSchedule schedule_;  // on GetTickCount64
};

// A menu item: enabled and checked as the model says. Windows' menus have no visible flag: the
// main window builds its menu bar again when an item's visibility changes.
class MenuItemView : public ElementView {
  public:
    // The menu holding the item (none for an item not shown) and the frame whose bar it is on.
    MenuItemView(ui::MenuItem& item, HMENU menu, UINT id, HWND frame);
    ui::Element& element() const override { return item_; }
    void sync(ui::Property property) override;
    // A message the frame gets when its menu bar must be built again.
    static constexpr UINT kRebuildMenus = WM_APP + 1;

  private:
    ui::MenuItem& item_;
    HMENU menu_;
    UINT id_;
    HWND frame_;
    bool visible_;
};

}  // namespace torvi::win32
