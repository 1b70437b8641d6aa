#include "win32/child_window_view.h"

#include "ui/user_input.h"
#include "win32/conversions.h"
#include "win32/win32_binding.h"

namespace torvi::win32 {
namespace {

ui::WindowState stateOf(HWND handle) {
    if (IsIconic(handle)) return ui::WindowState::Minimised;
    if (IsZoomed(handle)) return ui::WindowState::Maximised;
    return ui::WindowState::Normal;
}

// Windows' frame around a child window's client area at the screen's resolution: what each
// side, the top with the title bar, adds in pixels.
RECT frameOf(HWND handle) {
    RECT frame{0, 0, 0, 0};
    const DWORD style = handle ? GetWindowLongW(handle, GWL_STYLE) : WS_OVERLAPPEDWINDOW | WS_CHILD;
    const DWORD extended = handle ? GetWindowLongW(handle, GWL_EXSTYLE) : WS_EX_MDICHILD;
    using AdjustForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi = reinterpret_cast<AdjustForDpi>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "AdjustWindowRectExForDpi")));
    if (adjustForDpi != nullptr) {
        adjustForDpi(&frame, style, FALSE, extended, static_cast<UINT>(screenPixelsPerInch()));
    } else {
        AdjustWindowRectEx(&frame, style, FALSE, extended);
    }
    return RECT{-frame.left, -frame.top, frame.right, frame.bottom};
}

}  // namespace

RECT ChildWindowView::shownPlace() const {
    // The client area is the model's in the screen's pixels; Windows' frame goes around it.
    const RECT frame = frameOf(frame_);
    const ui::Rect& outer = window_.geometry();
    const int left = toPixels(outer.left);
    const int top = toPixels(outer.top);
    return RECT{left, top, left + frame.left + toPixels(window_.clientWidth()) + frame.right,
                top + frame.top + toPixels(window_.clientHeight()) + frame.bottom};
}

LRESULT CALLBACK ChildWindowView::procedure(HWND handle, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
    auto* view = reinterpret_cast<ChildWindowView*>(GetWindowLongPtrW(handle, GWLP_USERDATA));
    if (view != nullptr) {
        LRESULT result = 0;
        if (message == WM_MDIACTIVATE) {
            const bool activated = reinterpret_cast<HWND>(lParam) == handle;
            if (activated && !view->syncing()) {
                ui::Window& window = view->window();
                view->deliver([&] { ui::deliverActivate(window); });
            }
        } else if (message == kReportPlace) {
            view->reportPending_ = false;
            view->reportPlace();
            return 0;
        } else if (message == WM_WINDOWPOSCHANGED || message == WM_SIZE) {
            // Moves and state changes Windows makes, also while the binding mirrors the model
            // (the workspace maximising the window it activates), are told once it is done:
            // one report for the messages of one change.
            if (!view->reportPending_) PostMessageW(handle, kReportPlace, 0, 0);
            view->reportPending_ = true;
        } else if (view->clientAreaMessage(message, wParam, lParam, result)) {
            return result;
        }
    }
    return DefMDIChildProcW(handle, message, wParam, lParam);
}

void ChildWindowView::createFrame() {
    const wchar_t* name = registerWindowClass(L"TorviChild", procedure);
    const RECT place = shownPlace();
    MDICREATESTRUCTW child{};
    child.szClass = name;
    child.szTitle = L"";
    child.hOwner = GetModuleHandleW(nullptr);
    child.x = place.left;
    child.y = place.top;
    child.cx = place.right - place.left;
    child.cy = place.bottom - place.top;
    child.style = WS_CLIPCHILDREN;
    frame_ = reinterpret_cast<HWND>(
        SendMessageW(binding_.mdiClient(), WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&child)));
    clientArea_ = frame_;
}

void ChildWindowView::syncGeometry() {
    // A minimised or maximised window keeps its normal place until it is restored.
    if (window_.state() != ui::WindowState::Normal) return;
    const RECT place = shownPlace();
    MoveWindow(frame_, place.left, place.top, place.right - place.left, place.bottom - place.top,
               TRUE);
}

void ChildWindowView::syncState() {
    if (stateOf(frame_) == window_.state()) return;
    switch (window_.state()) {
        case ui::WindowState::Normal:
            ShowWindow(frame_, SW_RESTORE);
            syncGeometry();
            break;
        case ui::WindowState::Minimised:
            ShowWindow(frame_, SW_MINIMIZE);
            break;
        case ui::WindowState::Maximised:
            ShowWindow(frame_, SW_MAXIMIZE);
            break;
    }
}

void ChildWindowView::reportPlace() {
    if (syncing() || window_.closed() || !IsWindowVisible(frame_)) return;
    const ui::WindowState shownState = stateOf(frame_);
    if (shownState != window_.state() && !deliver([&] { ui::deliverState(window_, shownState); }))
        return;
    // The client size as shown decides how far a graph grows.
    RECT shownClient{};
    GetClientRect(frame_, &shownClient);
    if (shownState != ui::WindowState::Minimised)
        window_.setShownClientSize(toTwips(shownClient.right), toTwips(shownClient.bottom));
    if (shownState != ui::WindowState::Normal) return;
    RECT shown{};
    GetWindowRect(frame_, &shown);
    MapWindowPoints(nullptr, GetParent(frame_), reinterpret_cast<POINT*>(&shown), 2);
    // The place and the client area's size, in the model's twips where they show unchanged.
    const RECT frame = frameOf(frame_);
    const ui::Rect& outer = window_.geometry();
    const ui::Rect client = ui::twipsOfShownPlace(
        {outer.left, outer.top, window_.clientWidth(), window_.clientHeight()},
        {shown.left, shown.top, shown.right - shown.left - frame.left - frame.right,
         shown.bottom - shown.top - frame.top - frame.bottom},
        [](int twips) { return toPixels(twips); }, [](int pixels) { return toTwips(pixels); });
    const ui::FrameSize border = window_.frame();
    const ui::Rect place{client.left, client.top, client.width + 2 * border.side,
                         client.height + border.top + border.side};
    if (place != outer) ui::deliverGeometry(window_, place);
}

}  // namespace torvi::win32
