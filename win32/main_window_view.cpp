#include "win32/main_window_view.h"

#include <vector>

#include "ui/user_input.h"
#include "win32/conversions.h"
#include "win32/native_views.h"
#include "win32/win32_binding.h"

namespace torvi::win32 {

namespace {

// The keys of a menu item's shortcut: F1, a letter, or a sign on the main keys and on the
// numeric keypad.
std::vector<WORD> virtualKeysOf(char shortcut) {
    switch (shortcut) {
        case ui::kF1Shortcut:
            return {VK_F1};
        case '+':
            return {VK_OEM_PLUS, VK_ADD};
        case '-':
            return {VK_OEM_MINUS, VK_SUBTRACT};
        case '0':
            return {'0', VK_NUMPAD0};
        default:
            return {static_cast<WORD>(shortcut)};
    }
}

}  // namespace

namespace {

constexpr UINT kFirstCommand = 1000;
constexpr UINT kFirstChildWindow = 50000;

}  // namespace

MainWindowView::~MainWindowView() {
    if (accelerators_ != nullptr) DestroyAcceleratorTable(accelerators_);
}

LRESULT CALLBACK MainWindowView::procedure(HWND handle, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
    auto* view = reinterpret_cast<MainWindowView*>(GetWindowLongPtrW(handle, GWLP_USERDATA));
    if (view != nullptr) return view->mainFrameMessage(message, wParam, lParam);
    return DefFrameProcW(handle, nullptr, message, wParam, lParam);
}

void MainWindowView::createFrame() {
    const wchar_t* name = registerWindowClass(L"TorviFrame", procedure,
                                              reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1));
    // Made at its size, where Windows places a new window.
    const ui::Rect outer = window_.geometry();
    frame_ = CreateWindowExW(0, name, L"", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT,
                             CW_USEDEFAULT, toPixels(outer.width), toPixels(outer.height), nullptr,
                             nullptr, GetModuleHandleW(nullptr), nullptr);
    CLIENTCREATESTRUCT workspace{nullptr, kFirstChildWindow};
    // The workspace scrolls to a child window that reaches beyond it. It starts with its scroll
    // bars hidden, as Windows leaves them once it finds no child window beyond the workspace;
    // hiding them then, after the window has shown, laid the workspace out and painted it again.
    mdiClient_ =
        CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
                        WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE, 0, 0, 0,
                        0, frame_, nullptr, GetModuleHandleW(nullptr), &workspace);
    ShowScrollBar(mdiClient_, SB_BOTH, FALSE);
    SetWindowLongPtrW(frame_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

void MainWindowView::createMenus() {
    // The menus are built afresh each time: an item that turns visible or hidden is added or
    // left out, since Windows' menus have no visible flag.
    for (auto it = elementViews_.begin(); it != elementViews_.end();) {
        it = it->first->kind() == ui::ElementKind::MenuItem ? elementViews_.erase(it)
                                                            : std::next(it);
    }
    commands_.clear();
    HMENU bar = CreateMenu();
    std::map<const ui::MenuItem*, HMENU> menus;
    std::vector<ACCEL> shortcuts;
    UINT next = kFirstCommand;
    for (const auto& owned : window_.elements()) {
        if (owned->kind() != ui::ElementKind::MenuItem) continue;
        auto& item = static_cast<ui::MenuItem&>(*owned);
        HMENU parent = item.parent() ? menus[item.parent()] : bar;
        const UINT id = next++;
        const bool shown = item.visible() && (item.parent() == nullptr || parent != nullptr);
        if (shown && !item.children().empty()) {
            menus[&item] = CreatePopupMenu();
            AppendMenuW(parent, MF_POPUP, reinterpret_cast<UINT_PTR>(menus[&item]),
                        toWide(item.caption()).c_str());
        } else if (shown && item.separator()) {
            AppendMenuW(parent, MF_SEPARATOR, 0, nullptr);
        } else if (shown) {
            std::wstring caption = toWide(item.caption());
            if (item.shortcut() != 0) {
                caption += L"\t" + toWide(ui::shortcutText(item.shortcut()));
                const BYTE flags =
                    item.shortcut() == ui::kF1Shortcut ? FVIRTKEY : FVIRTKEY | FCONTROL;
                for (const WORD key : virtualKeysOf(item.shortcut()))
                    shortcuts.push_back(ACCEL{flags, key, static_cast<WORD>(id)});
            }
            AppendMenuW(parent, MF_STRING, id, caption.c_str());
            commands_[id] = &item;
        }
        elementViews_[&item] =
            std::make_unique<MenuItemView>(item, shown ? parent : nullptr, id, frame_);
    }
    HMENU old = GetMenu(frame_);
    SetMenu(frame_, bar);
    if (old != nullptr) DestroyMenu(old);
    if (IsWindowVisible(frame_)) DrawMenuBar(frame_);
    if (accelerators_ != nullptr) DestroyAcceleratorTable(accelerators_);
    accelerators_ = CreateAcceleratorTableW(shortcuts.data(), static_cast<int>(shortcuts.size()));
}

void MainWindowView::syncGeometry() {
    // A hidden frame takes its size as it shows, once: each resize lays the workspace out anew.
    if (!window_.visible()) return;
    // The outer size includes the frame and the title bar.
    const ui::Rect outer = window_.geometry();
    RECT shown{};
    GetWindowRect(frame_, &shown);
    const SIZE size{toPixels(outer.width), toPixels(outer.height)};
    if (shown.right - shown.left == size.cx && shown.bottom - shown.top == size.cy) return;
    SetWindowPos(frame_, nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT MainWindowView::mainFrameMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_DPICHANGED: {
            // Moved to a monitor of another scale: where Windows suggests, at the model's size in
            // the new monitor's pixels.
            const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(frame_, nullptr, suggested.left, suggested.top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            binding_.followScreenResolution(LOWORD(wParam));
            return 0;
        }
        case WM_COMMAND:
            if (HIWORD(wParam) <= 1 && lParam == 0) {
                const auto found = commands_.find(LOWORD(wParam));
                if (found != commands_.end()) {
                    ui::MenuItem& item = *found->second;
                    if (!syncing()) deliver([&] { ui::deliverMenu(item); });  // Exit deletes this
                    return 0;
                }
            }
            break;
        case MenuItemView::kRebuildMenus:
            createMenus();
            return 0;
        case WM_CLOSE:
            if (!syncing()) deliver([&] { ui::deliverClose(window_); });
            return 0;
        default:
            break;
    }
    return DefFrameProcW(frame_, mdiClient_, message, wParam, lParam);
}

}  // namespace torvi::win32
