#pragma once
// Mirrors one model window into Windows, with a view for every element: what all windows share.
// The main window, the child windows of its workspace and the top-level windows each have their
// own view (main_window_view.h, child_window_view.h, top_level_view.h).

#include <windows.h>

#include <map>
#include <memory>

#include "ui/window.h"
#include "win32/accessibility.h"
#include "win32/element_view.h"
#include "win32/painted_views.h"

namespace torvi::win32 {

class Win32Binding;

class WindowView {
  public:
    // The view for the window's kind, built and in step with the model.
    static std::unique_ptr<WindowView> create(Win32Binding& binding, ui::Window& window);
    virtual ~WindowView();
    WindowView(const WindowView&) = delete;
    WindowView& operator=(const WindowView&) = delete;

    ui::Window& window() const { return window_; }
    // The outermost window, and the client area where the elements live.
    HWND frame() const { return frame_; }
    HWND clientArea() const { return clientArea_; }
    virtual HWND mdiClient() const { return nullptr; }
    virtual bool isChildWindow() const { return false; }
    HWND handleFor(const ui::Element* element) const;
    // Paints the client area's part within update, elements and all, on a device context.
    void paintClientArea(HDC dc, const RECT& update);
    ElementView* elementView(const ui::Element* element) const;

    void syncWindow(ui::WindowProperty property);
    void syncElement(ui::Element& element, ui::Property property);
    // Marks for painting what the event's changes left to repaint.
    void flushRepaint();
    // Takes every size and font anew for the screen's resolution, and paints everything again.
    void rescale();
    // Gives the keyboard focus to the element the model says has it, or to the client area.
    void syncFocus();
    bool syncing() const;

    // Runs a user event through the model. The event may close this window or end the program,
    // which deletes this view and its window: true when both are still there. After an event,
    // code touches this view or its window only when this said true.
    template <typename Event>
    bool deliver(Event&& event) {
        const std::shared_ptr<bool> alive = alive_;
        event();
        return *alive && !window_.closed();
    }

    // Keys of the window's elements and of its client area: Tab, or a character for the model.
    // True when the key was taken; false leaves it to the control.
    bool tabPressed(bool forward);
    bool characterTyped(ui::Element* target, int code);

    // Messages of the client area: painting, its controls' commands, its own keys, timers and
    // closing. True when handled, with the result.
    bool clientAreaMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

  protected:
    WindowView(Win32Binding& binding, ui::Window& window);

    virtual void createFrame() = 0;
    virtual void createMenus() {}
    virtual void syncGeometry() = 0;
    virtual void syncStyle() {}
    virtual void syncState() {}
    // What a window leaves undone while it is hidden, done as the model shows it.
    virtual void beforeShow() {}

    // The window class of client areas, which sends their messages to their view.
    static const wchar_t* clientAreaClass();

    Win32Binding& binding_;
    ui::Window& window_;
    HWND frame_ = nullptr;
    HWND clientArea_ = nullptr;
    std::unique_ptr<PendingRepaint> repaint_;  // outlives the views that use it
    std::map<const ui::Element*, std::unique_ptr<ElementView>> elementViews_;

  private:
    void build();
    void createElements();
    // The labels a screen reader reads in the client area, where they show on the screen.
    std::vector<AccessibleText> shownTexts() const;
    // Ctrl+C outside a text box: the window's table or picture on the clipboard.
    bool copyToClipboard();
    static constexpr WPARAM kControlC = 3;
    void paintElements(HDC dc, const ui::Element* container) const;
    // The painted element under a point of the container (of the client area, for none).
    ui::Element* paintedElementAt(POINT point, const ui::Element* container) const;

    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    UINT_PTR nextTimerId_ = 1;
    ui::Element* pressed_ = nullptr;  // the painted element the mouse button went down on
};

}  // namespace torvi::win32
