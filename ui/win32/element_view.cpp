#include "ui/win32/element_view.h"

#include "ui/controls.h"
#include "ui/user_input.h"
#include "ui/win32/conversions.h"
#include "ui/window.h"

namespace torvi::ui::win32 {
namespace {

constexpr wchar_t kPaintedClass[] = L"TorviElement";

LRESULT CALLBACK paintedProcedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    ElementView* view = viewOf(handle);
    if (view != nullptr) {
        switch (message) {
            case WM_PAINT: {
                PAINTSTRUCT paint{};
                HDC dc = BeginPaint(handle, &paint);
                view->paint(dc);
                EndPaint(handle, &paint);
                return 0;
            }
            case WM_ERASEBKGND:
                return 1;
            case WM_NCHITTEST:
                if (view->transparentToMouse()) return HTTRANSPARENT;
                break;
            case WM_LBUTTONUP:
                deliverClick(view->element());  // may delete this view
                return 0;
            default:
                break;
        }
    }
    return DefWindowProcW(handle, message, wParam, lParam);
}

}  // namespace

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

HWND createPaintedWindow(ElementView& view, HWND parent) {
    registerWindowClass(kPaintedClass, paintedProcedure);
    HWND handle =
        CreateWindowExW(0, kPaintedClass, L"", WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, 0,
                        0, 0, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(handle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&view));
    return handle;
}

void syncPlace(HWND handle, const Element& element) {
    // Only what changed, and without painting: the binding repaints once the event has run.
    const RECT place = toPixels(element.geometry());
    RECT shown{};
    GetWindowRect(handle, &shown);
    MapWindowPoints(nullptr, GetParent(handle), reinterpret_cast<POINT*>(&shown), 2);
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW | SWP_NOCOPYBITS;
    if (!EqualRect(&shown, &place)) {
        SetWindowPos(handle, nullptr, place.left, place.top, place.right - place.left,
                     place.bottom - place.top, flags);
    }
    const bool visible = (GetWindowLongW(handle, GWL_STYLE) & WS_VISIBLE) != 0;
    if (visible != element.visible()) {
        flags |= SWP_NOMOVE | SWP_NOSIZE | (element.visible() ? SWP_SHOWWINDOW : SWP_HIDEWINDOW);
        SetWindowPos(handle, nullptr, 0, 0, 0, 0, flags);
    }
    if ((IsWindowEnabled(handle) != FALSE) != element.enabled())
        EnableWindow(handle, element.enabled());
    InvalidateRect(handle, nullptr, FALSE);
}

ElementView* viewOf(HWND handle) {
    return reinterpret_cast<ElementView*>(GetWindowLongPtrW(handle, GWLP_USERDATA));
}

Rgb backgroundOf(const Element& element) {
    const Element* container = element.container();
    if (container != nullptr && container->kind() == ElementKind::PictureBox)
        return static_cast<const PictureBox*>(container)->fillColour;
    return element.window().backColour;
}

}  // namespace torvi::ui::win32
