#pragma once
// What every element's view does: a window of its own (but timers and menu items) that mirrors
// its element. Views of the elements the binding paints itself share one window class.

#include <windows.h>

#include "ui/element.h"

namespace torvi::ui::win32 {

class ElementView {
  public:
    virtual ~ElementView() = default;
    virtual Element& element() const = 0;
    HWND handle() const { return handle_; }
    virtual void sync(Property property) = 0;
    // Painting, for the views in the binding's own window class.
    virtual void paint(HDC) {}
    // Lines let the mouse through to what lies beneath.
    virtual bool transparentToMouse() const { return false; }
    // A key is about to reach the model through this element's window.
    virtual void beforeKey() {}

  protected:
    HWND handle_ = nullptr;
};

// Registers a window class of the binding once: its procedure, the program's icon and the arrow
// cursor, and a background brush (none: the class paints everything itself). Returns the name.
const wchar_t* registerWindowClass(const wchar_t* name, WNDPROC procedure,
                                   HBRUSH background = nullptr);
// A child window of the binding's own class for a view that paints itself.
HWND createPaintedWindow(ElementView& view, HWND parent);
// Place, visibility and enabled flag of the element's window.
void syncPlace(HWND handle, const Element& element);
// The view a window of the binding belongs to, or none.
ElementView* viewOf(HWND handle);
// The background behind an element: the picture area that holds it, or its window's.
Rgb backgroundOf(const Element& element);

}  // namespace torvi::ui::win32
