#include "win32/element_view.h"

#include "ui/controls.h"
#include "ui/window.h"
#include "win32/conversions.h"
#include "win32/fonts.h"

namespace torvi::win32 {

const wchar_t* registerWindowClass(const wchar_t* name, WNDPROC procedure, HBRUSH background) {
    WNDCLASSW windowClass{};
    if (GetClassInfoW(GetModuleHandleW(nullptr), name, &windowClass)) return name;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hIcon = LoadIconW(GetModuleHandleW(nullptr), L"TORVI");
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = name;
    RegisterClassW(&windowClass);
    return name;
}

RECT areaOf(const ui::Element& element) {
    // Each container's place is in its own container's pixels, as it is painted.
    const int perInch = contentPixelsPerInch(element.window());
    RECT area = toPixels(element.geometry(), perInch);
    for (const ui::Element* holder = element.container(); holder; holder = holder->container()) {
        const RECT place = toPixels(holder->geometry(), perInch);
        OffsetRect(&area, place.left, place.top);
    }
    return area;
}

void syncPlace(HWND handle, const ui::Element& element) {
    // The controls' font, sized for the screen's resolution (it changes with the monitor's).
    HFONT font = fontFor(ui::Font{});
    if (reinterpret_cast<HFONT>(SendMessageW(handle, WM_GETFONT, 0, 0)) != font)
        SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    // Only what changed, and without painting while the event runs: the control and the part of
    // the client area it left are marked for painting once the event is done.
    HWND form = GetParent(handle);
    const RECT place = areaOf(element);
    RECT shown{};
    GetWindowRect(handle, &shown);
    MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&shown), 2);
    const bool wasVisible = (GetWindowLongW(handle, GWL_STYLE) & WS_VISIBLE) != 0;
    const bool visible = element.effectivelyVisible();
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW | SWP_NOCOPYBITS;
    if (wasVisible && (!visible || !EqualRect(&shown, &place))) InvalidateRect(form, &shown, FALSE);
    if (!EqualRect(&shown, &place)) {
        SetWindowPos(handle, nullptr, place.left, place.top, place.right - place.left,
                     place.bottom - place.top, flags);
    }
    if (visible != wasVisible) {
        flags |= SWP_NOMOVE | SWP_NOSIZE | (visible ? SWP_SHOWWINDOW : SWP_HIDEWINDOW);
        SetWindowPos(handle, nullptr, 0, 0, 0, 0, flags);
    }
    if ((IsWindowEnabled(handle) != FALSE) != element.enabled())
        EnableWindow(handle, element.enabled());
    if (visible) RedrawWindow(handle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

ElementView* controlView(HWND handle) {
    return reinterpret_cast<ElementView*>(GetWindowLongPtrW(handle, GWLP_USERDATA));
}

ui::Rgb backgroundOf(const ui::Element& element) {
    const ui::Element* container = element.container();
    if (container != nullptr && container->kind() == ui::ElementKind::PictureBox)
        return static_cast<const ui::PictureBox*>(container)->fillColour;
    return element.window().backColour;
}

}  // namespace torvi::win32
