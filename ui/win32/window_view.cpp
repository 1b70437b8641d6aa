#include "ui/win32/window_view.h"

#include <utility>

#include "ui/application.h"
#include "ui/keys.h"
#include "ui/user_input.h"
#include "ui/win32/child_window_view.h"
#include "ui/win32/conversions.h"
#include "ui/win32/gdi_painting.h"
#include "ui/win32/main_window_view.h"
#include "ui/win32/native_views.h"
#include "ui/win32/painted_views.h"
#include "ui/win32/top_level_view.h"
#include "ui/win32/win32_binding.h"

namespace torvi::ui::win32 {
namespace {

POINT pointOf(LPARAM lParam) {
    return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

}  // namespace

std::unique_ptr<WindowView> WindowView::create(Win32Binding& binding, Window& window) {
    std::unique_ptr<WindowView> view;
    switch (window.kind()) {
        case WindowKind::Main:
            view.reset(new MainWindowView(binding, window));
            break;
        case WindowKind::Child:
            view.reset(new ChildWindowView(binding, window));
            break;
        case WindowKind::TopLevel:
            view.reset(new TopLevelView(binding, window));
            break;
    }
    view->build();
    return view;
}

WindowView::WindowView(Win32Binding& binding, Window& window)
    : binding_(binding), window_(window) {}

WindowView::~WindowView() {
    SyncGuard guard(binding_);
    *alive_ = false;
    // The windows go now; nothing of the model may call on them any more, nor they on this view.
    window_.drawing.onChanged = nullptr;
    for (const auto& element : window_.elements()) {
        if (element->kind() == ElementKind::PictureBox)
            static_cast<PictureBox&>(*element).drawing.onChanged = nullptr;
    }
    for (const auto& [element, view] : views_) {
        if (view->handle() != nullptr) SetWindowLongPtrW(view->handle(), GWLP_USERDATA, 0);
    }
    views_.clear();
    if (form_ != nullptr) SetWindowLongPtrW(form_, GWLP_USERDATA, 0);
    if (frame_ != nullptr) SetWindowLongPtrW(frame_, GWLP_USERDATA, 0);
    if (isChildWindow() && frame_ != nullptr) {
        SendMessageW(GetParent(frame_), WM_MDIDESTROY, reinterpret_cast<WPARAM>(frame_), 0);
    } else if (frame_ != nullptr) {
        DestroyWindow(frame_);
    }
}

void WindowView::build() {
    SyncGuard guard(binding_);
    createFrame();
    repaint_ = std::make_unique<PendingRepaint>(form_, binding_.application());
    if (form_ != nullptr) {
        SetWindowLongPtrW(form_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        window_.drawing.onChanged = [repaint = repaint_.get()] { repaint->addAll(); };
    }
    createElements();
    createMenus();
    syncWindow(WindowProperty::Style);
    syncWindow(WindowProperty::Caption);
    syncWindow(WindowProperty::Geometry);
    syncWindow(WindowProperty::Visible);
}

const wchar_t* WindowView::formClass() {
    return registerWindowClass(
        L"TorviWindow", [](HWND handle, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
            auto* view = reinterpret_cast<WindowView*>(GetWindowLongPtrW(handle, GWLP_USERDATA));
            LRESULT result = 0;
            if (view != nullptr && view->formMessage(message, wParam, lParam, result))
                return result;
            return DefWindowProcW(handle, message, wParam, lParam);
        });
}

void WindowView::createElements() {
    for (const auto& owned : window_.elements()) {
        Element& element = *owned;
        // Controls are windows of the client area, placed inside their containers.
        HWND parent = form_;
        std::unique_ptr<ElementView> view;
        switch (element.kind()) {
            case ElementKind::Label:
                view = std::make_unique<LabelView>(static_cast<Label&>(element), *repaint_);
                break;
            case ElementKind::TextBox:
                view = std::make_unique<TextBoxView>(static_cast<TextBox&>(element), *this, parent);
                break;
            case ElementKind::CommandButton:
                view = std::make_unique<ButtonView>(static_cast<CommandButton&>(element), *this,
                                                    parent);
                break;
            case ElementKind::Frame:
                view = std::make_unique<FrameView>(static_cast<Frame&>(element), *repaint_);
                break;
            case ElementKind::PictureBox:
                view =
                    std::make_unique<PictureBoxView>(static_cast<PictureBox&>(element), *repaint_);
                break;
            case ElementKind::Image:
                view = std::make_unique<ImageView>(static_cast<ImageElement&>(element), *repaint_);
                break;
            case ElementKind::Line:
                view = std::make_unique<LineView>(static_cast<LineElement&>(element), *repaint_);
                break;
            case ElementKind::Timer:
                view = std::make_unique<TimerView>(static_cast<Timer&>(element),
                                                   form_ ? form_ : frame_, nextTimerId_++);
                break;
            case ElementKind::MenuItem:
                break;  // the main window's menus
        }
        if (view) views_[&element] = std::move(view);
    }
}

HWND WindowView::handleFor(const Element* element) const {
    const ElementView* view = viewFor(element);
    return view ? view->handle() : nullptr;
}

ElementView* WindowView::viewFor(const Element* element) const {
    const auto found = views_.find(element);
    return found == views_.end() ? nullptr : found->second.get();
}

bool WindowView::syncing() const {
    return binding_.syncing();
}

void WindowView::syncWindow(WindowProperty property) {
    if (frame_ == nullptr) return;
    SyncGuard guard(binding_);
    switch (property) {
        case WindowProperty::Caption:
            SetWindowTextW(frame_, toWide(window_.caption()).c_str());
            break;
        case WindowProperty::Geometry:
            syncGeometry();
            break;
        case WindowProperty::Visible:
            if (window_.visible()) beforeShow();
            ShowWindow(frame_, window_.visible() ? SW_SHOWNA : SW_HIDE);
            break;
        case WindowProperty::Style:
            syncStyle();
            break;
        case WindowProperty::State:
            syncState();
            break;
        case WindowProperty::Focus:
            break;
    }
}

void WindowView::syncElement(Element& element, Property property) {
    SyncGuard guard(binding_);
    if (ElementView* view = viewFor(&element)) view->sync(property);
    if (property != Property::Geometry && property != Property::Visible) return;
    if (!holdsElements(element.kind())) return;
    // The controls a container holds move and show with it.
    for (const auto& [held, view] : views_) {
        if (view->handle() == nullptr) continue;
        for (const Element* holder = held->container(); holder; holder = holder->container()) {
            if (holder == &element) view->sync(Property::Geometry);
        }
    }
}

void WindowView::flushRepaint() {
    if (repaint_) repaint_->flush();
}

void WindowView::syncFocus() {
    SyncGuard guard(binding_);
    HWND target = handleFor(window_.focused());
    if (target == nullptr || !IsWindowVisible(target) || !IsWindowEnabled(target)) target = form_;
    if (target != nullptr && GetFocus() != target) SetFocus(target);
}

bool WindowView::tabPressed(bool forward) {
    deliver([&] { deliverTab(window_, forward); });
    return true;
}

bool WindowView::characterTyped(Element* target, int code) {
    // The key went to the element Windows gave it to, so that is the one the model must see.
    if (target != nullptr && target->takesFocus() && target != window_.focused()) {
        window_.adoptFocus(target);
    }
    // A character or Backspace typed into a box is the model's edit: it enters the box whose key
    // rules ran, in place of the selection the user saw, wherever those rules moved the focus.
    const bool modelEdits = editsTextBox(target, code);
    if (target != nullptr && target->kind() == ElementKind::TextBox) viewFor(target)->beforeKey();
    if (!deliver([&] { deliverKey(window_, code, modelEdits); })) return true;
    return !isControlEditCommand(target, code);
}

void WindowView::paintForm(HDC dc, const RECT& update) {
    // Drawn off the screen and shown at once: the client area and every element it paints.
    const int width = update.right - update.left;
    const int height = update.bottom - update.top;
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    SetViewportOrgEx(memory, -update.left, -update.top, nullptr);
    HBRUSH brush = CreateSolidBrush(toColorRef(window_.backColour));
    FillRect(memory, &update, brush);
    DeleteObject(brush);
    paintItems(memory, window_.drawing.items());
    paintLines(memory, window_, nullptr);
    paintElements(memory, nullptr);
    BitBlt(dc, update.left, update.top, width, height, memory, update.left, update.top, SRCCOPY);
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
}

void WindowView::paintElements(HDC dc, const Element* container) const {
    for (const auto& owned : window_.elements()) {
        const Element& element = *owned;
        if (element.container() != container || !element.visible()) continue;
        if (!isPaintedBox(element.kind())) continue;
        const RECT area = toPixels(element.geometry());
        const SIZE size{area.right - area.left, area.bottom - area.top};
        // Each element over what holds it, cut to its box, and what it holds over it in turn.
        const int saved = SaveDC(dc);
        OffsetViewportOrgEx(dc, area.left, area.top, nullptr);
        IntersectClipRect(dc, 0, 0, size.cx, size.cy);
        static_cast<const PaintedView*>(viewFor(&element))->paint(dc, size);
        if (holdsElements(element.kind())) paintElements(dc, &element);
        RestoreDC(dc, saved);
    }
}

Element* WindowView::paintedElementAt(POINT point, const Element* container) const {
    // The last in design order is the one on top.
    const auto& elements = window_.elements();
    for (auto it = elements.rbegin(); it != elements.rend(); ++it) {
        Element& element = **it;
        if (element.container() != container || !element.visible()) continue;
        if (!isPaintedBox(element.kind())) continue;
        const RECT area = toPixels(element.geometry());
        if (!PtInRect(&area, point)) continue;
        if (!holdsElements(element.kind())) return &element;
        const POINT inside{point.x - area.left, point.y - area.top};
        Element* held = paintedElementAt(inside, &element);
        return held != nullptr ? held : &element;
    }
    return nullptr;
}

bool WindowView::formMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint{};
            HDC dc = BeginPaint(form_, &paint);
            if (!IsRectEmpty(&paint.rcPaint)) paintForm(dc, paint.rcPaint);
            EndPaint(form_, &paint);
            return true;
        }
        case WM_LBUTTONDOWN:
            pressed_ = paintedElementAt(pointOf(lParam), nullptr);
            return false;
        case WM_LBUTTONUP: {
            // A click on a painted element: pressed and released over the same one.
            Element* pressed = std::exchange(pressed_, nullptr);
            Element* released = paintedElementAt(pointOf(lParam), nullptr);
            if (released != nullptr && released == pressed)
                deliver([&] { deliverClick(*released); });  // may delete this view
            return true;
        }
        case WM_ERASEBKGND:
            result = 1;
            return true;
        case WM_COMMAND: {
            auto* control = reinterpret_cast<HWND>(lParam);
            ElementView* view = control ? viewOf(control) : nullptr;
            if (view == nullptr || syncing()) return false;
            Element& element = view->element();
            if (element.kind() == ElementKind::CommandButton && HIWORD(wParam) == BN_CLICKED) {
                deliver([&] { deliverClick(element); });
            } else if (element.kind() == ElementKind::TextBox && HIWORD(wParam) == EN_CHANGE) {
                static_cast<TextBoxView*>(view)->edited();
            }
            return true;
        }
        case WM_KEYDOWN:
            if (wParam != VK_TAB) return false;
            return tabPressed(GetKeyState(VK_SHIFT) >= 0);
        case WM_CHAR:
            if (wParam == L'\t') return true;
            return characterTyped(nullptr, static_cast<int>(wParam));
        case WM_TIMER:
            for (const auto& [element, view] : views_) {
                if (element->kind() == ElementKind::Timer &&
                    static_cast<TimerView&>(*view).owns(wParam)) {
                    static_cast<TimerView&>(*view).tick();  // may delete this view
                    break;
                }
            }
            return true;
        case WM_CLOSE:
            if (!syncing()) deliver([&] { deliverClose(window_); });
            return true;
        default:
            return false;
    }
}

}  // namespace torvi::ui::win32
