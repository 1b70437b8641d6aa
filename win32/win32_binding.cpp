#include "win32/win32_binding.h"

#include <objbase.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <vector>

#include "ui/user_input.h"
#include "win32/conversions.h"
#include "win32/main_window_view.h"
#include "win32/window_view.h"

namespace torvi::win32 {

Win32Binding::Win32Binding(ui::Application& application)
    // COM, through which screen readers receive the windows' accessible objects.
    : application_(application),
      com_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {
    application_.setObserver(this);
    for (ui::Window* window : application_.stackingOrder()) windowCreated(*window);
}

Win32Binding::~Win32Binding() {
    if (application_.observer() == this) application_.setObserver(nullptr);
    closeViews();
    if (com_) CoUninitialize();
}

void Win32Binding::closeViews() {
    for (auto it = windowViews_.begin(); it != windowViews_.end();) {
        it = it->first->kind() != ui::WindowKind::Main ? windowViews_.erase(it) : std::next(it);
    }
    windowViews_.clear();
}

WindowView* Win32Binding::windowView(const ui::Window* window) const {
    const auto found = windowViews_.find(window);
    return found == windowViews_.end() ? nullptr : found->second.get();
}

HWND Win32Binding::handleFor(const ui::Element* element) const {
    WindowView* view = element ? windowView(&element->window()) : nullptr;
    return view ? view->handleFor(element) : nullptr;
}

HWND Win32Binding::mainFrame() const {
    WindowView* view = windowView(application_.mainWindow());
    return view ? view->frame() : nullptr;
}

HWND Win32Binding::mdiClient() const {
    WindowView* view = windowView(application_.mainWindow());
    return view ? view->mdiClient() : nullptr;
}

HWND Win32Binding::dialogOwner() const {
    WindowView* view = windowView(application_.activeWindow());
    if (view != nullptr && !view->isChildWindow()) return view->frame();
    return mainFrame();
}

void Win32Binding::windowCreated(ui::Window& window) {
    windowViews_[&window] = WindowView::create(*this, window);
    // The main window may open on a monitor of another scale than the system's.
    if (window.kind() == ui::WindowKind::Main)
        followScreenResolution(pixelsPerInchOf(windowViews_[&window]->frame()));
}

void Win32Binding::followScreenResolution(int pixelsPerInch) {
    if (pixelsPerInch <= 0) return;
    monitorPixelsPerInch_ = pixelsPerInch;
    applyScale();
}

void Win32Binding::zoomChanged() {
    applyScale();
}

void Win32Binding::applyScale() {
    // The windows are laid out at the monitor's pixels per inch grown by the zoom.
    const int pixelsPerInch =
        static_cast<int>(std::lround(monitorPixelsPerInch_ * application_.zoomScale()));
    if (pixelsPerInch == screenPixelsPerInch()) return;
    setScreenPixelsPerInch(pixelsPerInch);
    for (const auto& [window, view] : windowViews_) view->rescale();
}

void Win32Binding::windowDestroyed(ui::Window& window) {
    windowViews_.erase(&window);
}

void Win32Binding::windowChanged(ui::Window& window, ui::WindowProperty property) {
    if (WindowView* view = windowView(&window)) view->syncWindow(property);
}

void Win32Binding::elementChanged(ui::Element& element, ui::Property property) {
    if (WindowView* view = windowView(&element.window())) view->syncElement(element, property);
}

void Win32Binding::flushRepaints() {
    for (const auto& [window, view] : windowViews_) view->flushRepaint();
}

void Win32Binding::eventFinished() {
    flushRepaints();
}

void Win32Binding::activationDue() {
    syncActivation();
}

void Win32Binding::syncActivation() {
    SyncGuard guard(*this);
    restackChildWindows();
    WindowView* view = windowView(application_.activeWindow());
    if (view == nullptr) return;
    if (view->isChildWindow()) {
        const auto active =
            reinterpret_cast<HWND>(SendMessageW(mdiClient(), WM_MDIGETACTIVE, 0, 0));
        if (active != view->frame())
            SendMessageW(mdiClient(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(view->frame()), 0);
        if (GetActiveWindow() != mainFrame()) SetActiveWindow(mainFrame());
    } else if (GetActiveWindow() != view->frame()) {
        SetActiveWindow(view->frame());  // which brings it to the front
    }
    view->syncFocus();
}

void Win32Binding::restackChildWindows() {
    // The shown child windows as the model stacks them, from the front; restacked only when the
    // workspace has them in another order, as moving a window in front repaints it. What a move
    // uncovers is painted with the rest of the event's changes, not at once.
    std::vector<HWND> wanted;
    const std::vector<ui::Window*>& order = application_.stackingOrder();
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        WindowView* view = windowView(*it);
        if (view && view->isChildWindow() && (*it)->visible()) wanted.push_back(view->frame());
    }
    std::vector<HWND> shown;
    for (HWND child = GetWindow(mdiClient(), GW_CHILD); child;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (std::find(wanted.begin(), wanted.end(), child) != wanted.end()) shown.push_back(child);
    }
    if (shown == wanted) return;
    for (auto it = wanted.rbegin(); it != wanted.rend(); ++it)
        SetWindowPos(*it, HWND_TOP, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_DEFERERASE);
}

void Win32Binding::ended() {
    closeViews();
    PostQuitMessage(0);
}

bool Win32Binding::translate(MSG& message) const {
    // Alt+letter presses the button of the active window that has it as its access key; the
    // main window's menus take the letters no button has.
    if (message.message == WM_SYSCHAR && message.wParam < 0x80 &&
        std::isalnum(static_cast<int>(message.wParam))) {
        ui::Window* active = application_.activeWindow();
        if (active != nullptr && active->kind() != ui::WindowKind::Main &&
            ui::deliverAccessKey(*active, static_cast<char>(message.wParam)))
            return true;
    }
    HWND client = mdiClient();
    if (client != nullptr && TranslateMDISysAccel(client, &message)) return true;
    // A key-preview window (the splash) takes Ctrl+letter as the character it types.
    if (!ui::shortcutsAvailable(application_)) return false;
    auto* main = dynamic_cast<MainWindowView*>(windowView(application_.mainWindow()));
    return main != nullptr && main->accelerators() != nullptr &&
           TranslateAcceleratorW(main->frame(), main->accelerators(), &message);
}

int Win32Binding::run() {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (translate(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

void Win32Binding::processMessages() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        if (translate(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace torvi::win32
