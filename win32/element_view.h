#pragma once
// What every element's view does: it mirrors its element, in a window of its own for the
// elements Windows' controls show, painted by its window's client area for the others.

#include <windows.h>

#include "ui/element.h"

namespace torvi::win32 {

class ElementView {
  public:
    virtual ~ElementView() = default;
    virtual ui::Element& element() const = 0;
    // The control's window, or none for an element the client area paints.
    HWND handle() const { return handle_; }
    virtual void sync(ui::Property property) = 0;
    // A key is about to reach the model through this element's window.
    virtual void beforeKey() {}

  protected:
    HWND handle_ = nullptr;
};

// Registers a window class of the binding once: its procedure, the program's icon and the arrow
// cursor, and a background brush (none: the class paints everything itself). Returns the name.
const wchar_t* registerWindowClass(const wchar_t* name, WNDPROC procedure,
                                   HBRUSH background = nullptr);
// Where the element shows in its window's client area, in pixels: inside its containers.
RECT areaOf(const ui::Element& element);
// Place, visibility and enabled flag of the element's control, repainting what it uncovers.
void syncPlace(HWND handle, const ui::Element& element);
// The view a window of the binding belongs to, or none.
ElementView* controlView(HWND handle);
// The background behind an element: the picture area that holds it, or its window's.
ui::Rgb backgroundOf(const ui::Element& element);

}  // namespace torvi::win32
