#pragma once
// The elements Windows' own controls show: text boxes as EDIT controls and command buttons as
// BUTTON controls, both subclassed so that their keys reach the model first; timers (SetTimer on
// the window) and menu items (a menu entry each).

#include <cstdint>

#include "ui/controls.h"
#include "ui/win32/element_view.h"

namespace torvi::ui::win32 {

class WindowView;

// The model edits the text: a typed character replaces the model's selection, which the view
// keeps equal to the control's; edits the control makes itself (paste, cut, Delete) come back
// as edit events.
class TextBoxView : public ElementView {
  public:
    TextBoxView(TextBox& box, WindowView& view, HWND parent);
    Element& element() const override { return box_; }
    void sync(Property property) override;
    // Tells the model where the user has put the insertion point and the selection.
    void beforeKey() override { reportSelection(); }
    // The control changed its text by itself (EN_CHANGE).
    void edited();

  private:
    static LRESULT CALLBACK procedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);
    void reportSelection();
    void showSelection();

    TextBox& box_;
    WindowView& view_;
    wchar_t pendingHighSurrogate_ = 0;
};

class ButtonView : public ElementView {
  public:
    ButtonView(CommandButton& button, WindowView& view, HWND parent);
    Element& element() const override { return button_; }
    void sync(Property property) override;

  private:
    static LRESULT CALLBACK procedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);

    CommandButton& button_;
    WindowView& view_;
};

// A timer ticks with SetTimer on its window's form; a tick that comes early waits for the rest.
class TimerView : public ElementView {
  public:
    TimerView(Timer& timer, HWND form, UINT_PTR id);
    ~TimerView() override;
    Element& element() const override { return timer_; }
    void sync(Property property) override;
    bool owns(WPARAM id) const { return id == id_; }
    // WM_TIMER: may close the window and delete this view.
    void tick();

  private:
    void start(unsigned milliseconds);

    Timer& timer_;
    HWND form_;
    UINT_PTR id_;
    bool running_ = false;
    int interval_ = 0;
    std::uint64_t due_ = 0;  // GetTickCount64 of the next tick
};

// A menu item: enabled and checked as the model says. Windows' menus have no visible flag: the
// main window builds its menu bar again when an item's visibility changes.
class MenuItemView : public ElementView {
  public:
    // The menu holding the item (none for an item not shown) and the frame whose bar it is on.
    MenuItemView(MenuItem& item, HMENU menu, UINT id, HWND frame);
    Element& element() const override { return item_; }
    void sync(Property property) override;
    // A message the frame gets when its menu bar must be built again.
    static constexpr UINT kRebuildMenus = WM_APP + 1;

  private:
    MenuItem& item_;
    HMENU menu_;
    UINT id_;
    HWND frame_;
    bool visible_;
};

}  // namespace torvi::ui::win32
