#include "win32/window_view.h"

#include <utility>

#include "ui/application.h"
#include "ui/keys.h"
#include "ui/user_input.h"
#include "win32/accessibility.h"
#include "win32/child_window_view.h"
#include "win32/clipboard.h"
#include "win32/conversions.h"
#include "win32/gdi_painting.h"
#include "win32/main_window_view.h"
#include "win32/native_views.h"
#include "win32/painted_views.h"
#include "win32/top_level_view.h"
#include "win32/win32_binding.h"

namespace torvi::win32 {
namespace {

POINT pointOf(LPARAM lParam) {
    return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

}  // namespace

std::unique_ptr<WindowView> WindowView::create(Win32Binding& binding, ui::Window& window) {
    auto view = ui::viewForKind<WindowView, MainWindowView, ChildWindowView, TopLevelView>(
        window.kind(), binding, window);
    view->build();
    return view;
}

WindowView::WindowView(Win32Binding& binding, ui::Window& window)
    : binding_(binding), window_(window) {}

WindowView::~WindowView() {
    SyncGuard guard(binding_);
    *alive_ = false;
    // The windows go now; nothing of the model may call on them any more, nor they on this view.
    window_.disconnectDrawings();
    for (const auto& [element, view] : elementViews_) {
        if (view->handle() != nullptr) SetWindowLongPtrW(view->handle(), GWLP_USERDATA, 0);
    }
    elementViews_.clear();
    if (clientArea_ != nullptr) SetWindowLongPtrW(clientArea_, GWLP_USERDATA, 0);
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
    repaint_ = std::make_unique<PendingRepaint>(clientArea_, binding_.application());
    if (clientArea_ != nullptr) {
        SetWindowLongPtrW(clientArea_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        window_.drawing.onChanged = [repaint = repaint_.get()] { repaint->addAll(); };
    }
    createElements();
    createMenus();
    syncWindow(ui::WindowProperty::Style);
    syncWindow(ui::WindowProperty::Caption);
    syncWindow(ui::WindowProperty::Geometry);
    syncWindow(ui::WindowProperty::Visible);
}

const wchar_t* WindowView::clientAreaClass() {
    return registerWindowClass(
        L"TorviWindow", [](HWND handle, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
            auto* view = reinterpret_cast<WindowView*>(GetWindowLongPtrW(handle, GWLP_USERDATA));
            LRESULT result = 0;
            if (view != nullptr && view->clientAreaMessage(message, wParam, lParam, result))
                return result;
            return DefWindowProcW(handle, message, wParam, lParam);
        });
}

void WindowView::createElements() {
    for (const auto& owned : window_.elements()) {
        ui::Element& element = *owned;
        // Controls are windows of the client area, placed inside their containers.
        HWND parent = clientArea_;
        std::unique_ptr<ElementView> view;
        switch (element.kind()) {
            case ui::ElementKind::Label:
                view = std::make_unique<LabelView>(static_cast<ui::Label&>(element), *repaint_);
                break;
            case ui::ElementKind::TextBox:
                view = std::make_unique<TextBoxView>(static_cast<ui::TextBox&>(element), *this,
                                                     parent);
                break;
            case ui::ElementKind::CommandButton:
                view = std::make_unique<ButtonView>(static_cast<ui::CommandButton&>(element), *this,
                                                    parent);
                break;
            case ui::ElementKind::Frame:
                view = std::make_unique<FrameView>(static_cast<ui::Frame&>(element), *repaint_);
                break;
            case ui::ElementKind::PictureBox:
                view = std::make_unique<PictureBoxView>(static_cast<ui::PictureBox&>(element),
                                                        *repaint_);
                break;
            case ui::ElementKind::Image:
                view =
                    std::make_unique<ImageView>(static_cast<ui::ImageElement&>(element), *repaint_);
                break;
            case ui::ElementKind::Line:
                view =
                    std::make_unique<LineView>(static_cast<ui::LineElement&>(element), *repaint_);
                break;
            case ui::ElementKind::Timer:
                view =
                    std::make_unique<TimerView>(static_cast<ui::Timer&>(element),
                                                clientArea_ ? clientArea_ : frame_, nextTimerId_++);
                break;
            case ui::ElementKind::MenuItem:
                break;  // the main window's menus
        }
        if (view) elementViews_[&element] = std::move(view);
    }
}

HWND WindowView::handleFor(const ui::Element* element) const {
    const ElementView* view = elementView(element);
    return view ? view->handle() : nullptr;
}

ElementView* WindowView::elementView(const ui::Element* element) const {
    const auto found = elementViews_.find(element);
    return found == elementViews_.end() ? nullptr : found->second.get();
}

bool WindowView::syncing() const {
    return binding_.syncing();
}

void WindowView::rescale() {
    if (frame_ == nullptr) return;
    SyncGuard guard(binding_);
    syncGeometry();
    for (const auto& owned : window_.elements()) syncElement(*owned, ui::Property::Geometry);
    RedrawWindow(frame_, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void WindowView::syncWindow(ui::WindowProperty property) {
    if (frame_ == nullptr) return;
    SyncGuard guard(binding_);
    switch (property) {
        case ui::WindowProperty::Caption:
            SetWindowTextW(frame_, toWide(window_.caption()).c_str());
            break;
        case ui::WindowProperty::Geometry:
            syncGeometry();
            break;
        case ui::WindowProperty::Visible:
            if (window_.visible()) beforeShow();
            ShowWindow(frame_, window_.visible() ? SW_SHOWNA : SW_HIDE);
            break;
        case ui::WindowProperty::Style:
            syncStyle();
            break;
        case ui::WindowProperty::State:
            syncState();
            break;
        case ui::WindowProperty::ContentScale:
            for (const auto& [element, view] : elementViews_) view->sync(ui::Property::Geometry);
            InvalidateRect(frame_, nullptr, TRUE);
            break;
        case ui::WindowProperty::Focus:
            break;
    }
}

void WindowView::syncElement(ui::Element& element, ui::Property property) {
    SyncGuard guard(binding_);
    if (ElementView* view = elementView(&element)) view->sync(property);
    if (property != ui::Property::Geometry && property != ui::Property::Visible) return;
    if (!holdsElements(element.kind())) return;
    // The controls a container holds move and show with it.
    for (const auto& [held, view] : elementViews_) {
        if (view->handle() == nullptr) continue;
        for (const ui::Element* holder = held->container(); holder; holder = holder->container()) {
            if (holder == &element) view->sync(ui::Property::Geometry);
        }
    }
}

void WindowView::flushRepaint() {
    if (repaint_) repaint_->flush();
}

void WindowView::syncFocus() {
    SyncGuard guard(binding_);
    HWND target = handleFor(window_.focused());
    if (target == nullptr || !IsWindowVisible(target) || !IsWindowEnabled(target))
        target = clientArea_;
    if (target != nullptr && GetFocus() != target) SetFocus(target);
}

bool WindowView::tabPressed(bool forward) {
    deliver([&] { ui::deliverTab(window_, forward); });
    return true;
}

bool WindowView::characterTyped(ui::Element* target, int code) {
    // The model's selection is the one the user sees as the key arrives.
    if (ElementView* view = elementView(target)) view->beforeKey();
    bool controlsOwn = false;
    if (!deliver([&] { controlsOwn = ui::deliverTypedCharacter(window_, target, code); }))
        return true;
    return !controlsOwn;
}

std::vector<AccessibleText> WindowView::shownTexts() const {
    std::vector<AccessibleText> texts;
    for (const auto& owned : window_.elements()) {
        const ui::Element& element = *owned;
        if (element.kind() != ui::ElementKind::Label || !element.effectivelyVisible()) continue;
        const std::string name = ui::accessibleNameOf(element);
        if (name.empty()) continue;
        RECT area = areaOf(element);
        MapWindowPoints(clientArea_, nullptr, reinterpret_cast<POINT*>(&area), 2);
        texts.push_back({toWide(name), area});
    }
    return texts;
}

bool WindowView::copyToClipboard() {
    RECT client{};
    GetClientRect(clientArea_, &client);
    return win32::copyToClipboard(window_.copy(), clientArea_, SIZE{client.right, client.bottom},
                                  [&](HDC dc) { paintClientArea(dc, client); });
}

void WindowView::paintClientArea(HDC dc, const RECT& update) {
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
    const int perInch = contentPixelsPerInch(window_);
    paintItems(memory, window_.drawing.items(), {perInch, perInch});
    paintLines(memory, window_, nullptr);
    paintElements(memory, nullptr);
    BitBlt(dc, update.left, update.top, width, height, memory, update.left, update.top, SRCCOPY);
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
}

void WindowView::paintElements(HDC dc, const ui::Element* container) const {
    for (const auto& owned : window_.elements()) {
        const ui::Element& element = *owned;
        if (element.container() != container || !element.visible()) continue;
        if (!isPaintedBox(element.kind())) continue;
        const RECT area = toPixels(element.geometry(), contentPixelsPerInch(window_));
        const SIZE size{area.right - area.left, area.bottom - area.top};
        // Each element over what holds it, cut to its box, and what it holds over it in turn.
        const int saved = SaveDC(dc);
        OffsetViewportOrgEx(dc, area.left, area.top, nullptr);
        IntersectClipRect(dc, 0, 0, size.cx, size.cy);
        static_cast<const PaintedView*>(elementView(&element))->paint(dc, size);
        if (holdsElements(element.kind())) paintElements(dc, &element);
        RestoreDC(dc, saved);
    }
}

ui::Element* WindowView::paintedElementAt(POINT point, const ui::Element* container) const {
    // The last in design order is the one on top.
    const auto& elements = window_.elements();
    for (auto it = elements.rbegin(); it != elements.rend(); ++it) {
        ui::Element& element = **it;
        if (element.container() != container || !element.visible()) continue;
        if (!isPaintedBox(element.kind())) continue;
        const RECT area = toPixels(element.geometry(), contentPixelsPerInch(window_));
        if (!PtInRect(&area, point)) continue;
        if (!holdsElements(element.kind())) return &element;
        const POINT inside{point.x - area.left, point.y - area.top};
        ui::Element* held = paintedElementAt(inside, &element);
        return held != nullptr ? held : &element;
    }
    return nullptr;
}

bool WindowView::clientAreaMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint{};
            HDC dc = BeginPaint(clientArea_, &paint);
            if (!IsRectEmpty(&paint.rcPaint)) paintClientArea(dc, paint.rcPaint);
            EndPaint(clientArea_, &paint);
            return true;
        }
        case WM_LBUTTONDOWN:
            pressed_ = paintedElementAt(pointOf(lParam), nullptr);
            return false;
        case WM_LBUTTONUP: {
            // A click on a painted element: pressed and released over the same one.
            ui::Element* pressed = std::exchange(pressed_, nullptr);
            ui::Element* released = paintedElementAt(pointOf(lParam), nullptr);
            if (released != nullptr && released == pressed)
                deliver([&] { ui::deliverClick(*released); });  // may delete this view
            return true;
        }
        case WM_ERASEBKGND:
            result = 1;
            return true;
        case WM_GETOBJECT:
            return answerAccessibility(clientArea_, wParam, lParam, toWide(window_.caption()),
                                       shownTexts(), result);
        case WM_COMMAND: {
            auto* control = reinterpret_cast<HWND>(lParam);
            ElementView* view = control ? controlView(control) : nullptr;
            if (view == nullptr || syncing()) return false;
            ui::Element& element = view->element();
            if (element.kind() == ui::ElementKind::CommandButton && HIWORD(wParam) == BN_CLICKED) {
                deliver([&] { ui::deliverClick(element); });
            } else if (element.kind() == ui::ElementKind::TextBox && HIWORD(wParam) == EN_CHANGE) {
                static_cast<TextBoxView*>(view)->edited();
            }
            return true;
        }
        case WM_KEYDOWN:
            if (wParam != VK_TAB) return false;
            return tabPressed(GetKeyState(VK_SHIFT) >= 0);
        case WM_CHAR:
            if (wParam == L'\t') return true;
            if (wParam == kControlC && copyToClipboard()) return true;
            return characterTyped(nullptr, static_cast<int>(wParam));
        case WM_TIMER:
            for (const auto& [element, view] : elementViews_) {
                if (element->kind() == ui::ElementKind::Timer &&
                    static_cast<TimerView&>(*view).owns(wParam)) {
                    static_cast<TimerView&>(*view).tick();  // may delete this view
                    break;
                }
            }
            return true;
        case WM_CLOSE:
            if (!syncing()) deliver([&] { ui::deliverClose(window_); });
            return true;
        default:
            return false;
    }
}

}  // namespace torvi::win32
