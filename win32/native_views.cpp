#include "win32/native_views.h"

#include <utility>

#include "ui/keys.h"
#include "ui/text_positions.h"
#include "ui/user_input.h"
#include "win32/accessibility.h"
#include "win32/conversions.h"
#include "win32/fonts.h"
#include "win32/window_view.h"

namespace torvi::win32 {
namespace {

// The controls' own window procedures, which the subclasses pass everything else on to.
WNDPROC editProcedure = nullptr;
WNDPROC buttonProcedure = nullptr;

HWND createControl(const wchar_t* className, DWORD style, HWND parent, WNDPROC subclass,
                   WNDPROC& original, ElementView& view) {
    HWND handle = CreateWindowExW(0, className, L"", WS_CHILD | WS_CLIPSIBLINGS | style, 0, 0, 0, 0,
                                  parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(fontFor(ui::Font{})), FALSE);
    SetWindowLongPtrW(handle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&view));
    WNDPROC previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(subclass)));
    if (original == nullptr) original = previous;
    return handle;
}

std::wstring windowText(HWND handle) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(handle)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(handle, text.data(), int(text.size()))));
    return text;
}

// Where the control's selection starts and ends, in UTF-16 units.
std::pair<int, int> selectionIn(HWND handle) {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(handle, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return {static_cast<int>(start), static_cast<int>(end)};
}

}  // namespace

TextBoxView::TextBoxView(ui::TextBox& box, WindowView& windowView, HWND parent)
    : box_(box), windowView_(windowView) {
    handle_ =
        createControl(L"EDIT", ES_AUTOHSCROLL | WS_BORDER, parent, procedure, editProcedure, *this);
    // The model limits the text; the control, counting UTF-16 units, never cuts what it holds.
    SendMessageW(handle_, EM_SETLIMITTEXT, 2 * ui::TextBox::kMaximumLength, 0);
    // Narrow margins, so that "223,15" fits its box.
    SendMessageW(handle_, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(1, 1));
    SetWindowTextW(handle_, toWide(box_.text()).c_str());
    sync(ui::Property::Geometry);
}

void TextBoxView::sync(ui::Property property) {
    if (property == ui::Property::Text || property == ui::Property::Selection) {
        const std::wstring text = toWide(box_.text());
        if (windowText(handle_) != text) SetWindowTextW(handle_, text.c_str());
        showSelection();
        return;
    }
    syncPlace(handle_, box_);
}

void TextBoxView::showSelection() {
    const std::string& text = box_.text();
    const int start = ui::utf16Position(text, box_.selectionStart());
    const int end = ui::utf16Position(text, box_.cursor());
    SendMessageW(handle_, EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
}

void TextBoxView::reportSelection() {
    const std::string shown = toUtf8(windowText(handle_));
    const auto [start, end] = selectionIn(handle_);
    const int from = ui::utf8Position(shown, start);
    box_.select(from, ui::utf8Position(shown, end) - from);
}

void TextBoxView::edited() {
    const std::string text = toUtf8(windowText(handle_));
    ui::deliverEdit(box_, text, ui::utf8Position(text, selectionIn(handle_).second));
}

LRESULT CALLBACK TextBoxView::procedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* view = static_cast<TextBoxView*>(controlView(handle));
    LRESULT answer = 0;
    if (message == WM_GETOBJECT && view != nullptr &&
        answerAccessibility(handle, wParam, lParam, toWide(ui::accessibleNameOf(view->box_)), {},
                            answer))
        return answer;
    if (view == nullptr || view->windowView_.syncing())
        return CallWindowProcW(editProcedure, handle, message, wParam, lParam);
    switch (message) {
        case WM_KEYDOWN:
            if (wParam == VK_TAB)
                return view->windowView_.tabPressed(GetKeyState(VK_SHIFT) >= 0), 0;
            break;
        case WM_CHAR: {
            if (wParam == L'\t') return 0;
            // A character outside the basic plane arrives as two UTF-16 units: it is one key.
            const auto unit = static_cast<wchar_t>(wParam);
            if (unit >= 0xD800 && unit <= 0xDBFF) {
                view->pendingHighSurrogate_ = unit;
                return 0;
            }
            int code = unit;
            if (unit >= 0xDC00 && unit <= 0xDFFF) {
                if (view->pendingHighSurrogate_ == 0) return 0;
                code = 0x10000 + ((view->pendingHighSurrogate_ - 0xD800) << 10) + (unit - 0xDC00);
            }
            view->pendingHighSurrogate_ = 0;
            if (view->windowView_.characterTyped(&view->box_, code)) return 0;
            break;  // an edit command of the control's own
        }
        case WM_LBUTTONDOWN:
            // A click in a box that has not the focus is a click for the model first. Where its
            // rules keep the focus elsewhere (a box left with a wrong entry takes it back), the
            // control takes neither the focus nor the click, which would set it on itself.
            if (GetFocus() != handle) {
                ui::Element& box = view->box_;
                if (!view->windowView_.deliver([&] { ui::deliverClick(box); })) return 0;
                if (box.window().focused() != &box) return 0;
            }
            break;
        case WM_LBUTTONUP:
        case WM_KEYUP: {
            // Where the user put the insertion point, the model's selection follows.
            const LRESULT result = CallWindowProcW(editProcedure, handle, message, wParam, lParam);
            if (controlView(handle) == view && windowText(handle) == toWide(view->box_.text()))
                view->reportSelection();
            return result;
        }
        default:
            break;
    }
    return CallWindowProcW(editProcedure, handle, message, wParam, lParam);
}

ButtonView::ButtonView(ui::CommandButton& button, WindowView& windowView, HWND parent)
    : button_(button), windowView_(windowView) {
    handle_ = createControl(L"BUTTON", BS_PUSHBUTTON, parent, procedure, buttonProcedure, *this);
    sync(ui::Property::Text);
}

void ButtonView::sync(ui::Property) {
    SetWindowTextW(handle_, toWide(button_.caption()).c_str());
    syncPlace(handle_, button_);
}

LRESULT CALLBACK ButtonView::procedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* view = static_cast<ButtonView*>(controlView(handle));
    LRESULT answer = 0;
    if (message == WM_GETOBJECT && view != nullptr &&
        answerAccessibility(handle, wParam, lParam, toWide(ui::accessibleNameOf(view->button_)), {},
                            answer))
        return answer;
    if (view == nullptr || view->windowView_.syncing())
        return CallWindowProcW(buttonProcedure, handle, message, wParam, lParam);
    switch (message) {
        case WM_KEYDOWN:
            if (wParam == VK_TAB)
                return view->windowView_.tabPressed(GetKeyState(VK_SHIFT) >= 0), 0;
            if (wParam == VK_SPACE) return 0;  // the model presses on the character
            break;
        case WM_KEYUP:
            if (wParam == VK_SPACE) return 0;
            break;
        case WM_CHAR:
            if (wParam != L'\t') view->windowView_.characterTyped(&view->button_, int(wParam));
            return 0;
        case WM_LBUTTONUP: {
            // Windows gives a button the focus as it is pressed; released over it, it is clicked
            // (BN_CLICKED), elsewhere nothing happens: either way the focus is where the model
            // has it now.
            const LRESULT result =
                CallWindowProcW(buttonProcedure, handle, message, wParam, lParam);
            if (controlView(handle) == view) view->windowView_.syncFocus();
            return result;
        }
        default:
            break;
    }
    return CallWindowProcW(buttonProcedure, handle, message, wParam, lParam);
}

TimerView::TimerView(ui::Timer& timer, HWND owner, UINT_PTR id)
    : timer_(timer), owner_(owner), id_(id) {
    sync(ui::Property::Timer);
}

TimerView::~TimerView() {
    if (running_) KillTimer(owner_, id_);
}

void TimerView::start(unsigned milliseconds) {
    SetTimer(owner_, id_, milliseconds, nullptr);
    running_ = true;
}

void TimerView::sync(ui::Property) {
    if (!timer_.running()) {
        if (running_) KillTimer(owner_, id_);
        running_ = false;
    } else if (!running_ || schedule_.interval() != timer_.interval()) {
        schedule_.start(static_cast<std::int64_t>(GetTickCount64()), timer_.interval());
        start(static_cast<unsigned>(timer_.interval()));
    }
}

void TimerView::tick() {
    const std::int64_t early = schedule_.early(static_cast<std::int64_t>(GetTickCount64()));
    if (early > 0) return start(static_cast<unsigned>(early));
    start(static_cast<unsigned>(schedule_.interval()));
    ui::deliverTimer(timer_);  // may close the window and delete this view
}

MenuItemView::MenuItemView(ui::MenuItem& item, HMENU menu, UINT id, HWND frame)
    : item_(item), menu_(menu), id_(id), frame_(frame), visible_(item.visible()) {
    sync(ui::Property::Enabled);
}

void MenuItemView::sync(ui::Property) {
    if (item_.visible() != visible_) {
        // This view goes with the menus it belongs to: the frame builds them again afterwards.
        visible_ = item_.visible();
        PostMessageW(frame_, kRebuildMenus, 0, 0);
        return;
    }
    if (menu_ == nullptr) return;
    EnableMenuItem(menu_, id_, MF_BYCOMMAND | (item_.enabled() ? MF_ENABLED : MF_GRAYED));
    CheckMenuItem(menu_, id_, MF_BYCOMMAND | (item_.checked() ? MF_CHECKED : MF_UNCHECKED));
    // Only the bar of a shown frame needs drawing again (it lays the whole frame out anew); a
    // drop-down menu reads its items' flags as it opens.
    if (menu_ == GetMenu(frame_) && IsWindowVisible(frame_)) DrawMenuBar(frame_);
}

}  // namespace torvi::win32
