#include "win32/top_level_view.h"

#include "win32/conversions.h"
#include "win32/win32_binding.h"

namespace torvi::win32 {

DWORD TopLevelView::style() const {
    DWORD style = WS_POPUP | WS_CLIPCHILDREN;
    if (window_.borderStyle() == ui::BorderStyle::None) return style;
    if (!window_.hasTitleBar()) return style | WS_DLGFRAME;
    style |= WS_CAPTION | WS_DLGFRAME;
    if (window_.controlBox) style |= WS_SYSMENU;
    return style;
}

DWORD TopLevelView::extendedStyle() const {
    return window_.hasTitleBar() ? WS_EX_DLGMODALFRAME : 0;
}

void TopLevelView::createFrame() {
    // Owned by the main window: kept off the task bar and in front of the main window.
    frame_ = CreateWindowExW(extendedStyle(), clientAreaClass(), L"", style(), 0, 0, 0, 0,
                             binding_.mainFrame(), nullptr, GetModuleHandleW(nullptr), nullptr);
    clientArea_ = frame_;
}

void TopLevelView::syncStyle() {
    SetWindowLongPtrW(frame_, GWL_STYLE, static_cast<LONG_PTR>(style()));
    SetWindowLongPtrW(frame_, GWL_EXSTYLE, static_cast<LONG_PTR>(extendedStyle()));
    SetWindowPos(frame_, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    syncGeometry();
}

void TopLevelView::syncGeometry() {
    // Windows places a window by its outer frame: the client area's place and size come first.
    const ui::Rect outer = window_.geometry();
    const ui::FrameSize border = window_.frame();
    RECT area{0, 0, toPixels(window_.clientWidth()), toPixels(window_.clientHeight())};
    OffsetRect(&area, toPixels(outer.left + border.side), toPixels(outer.top + border.top));
    AdjustWindowRectEx(&area, style(), FALSE, extendedStyle());
    int left = area.left;
    int top = area.top;
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (window_.centredOnScreen) {
        left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
        top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    }
    SetWindowPos(frame_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace torvi::win32
