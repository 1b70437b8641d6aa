#include "ui/window.h"

#include <algorithm>

#include "ui/application.h"
#include "ui/units.h"

namespace torvi::ui {
namespace {

// Leave handlers may move the focus again; a chain deeper than this is refused so that two
// handlers sending the focus to each other cannot loop for ever.
constexpr int kMaximumNestedFocusMoves = 16;

}  // namespace

FrameSize frameSize(BorderStyle style, bool titleBar) {
    switch (style) {
        case BorderStyle::Sizable:
            return {60, titleBar ? 345 : 60};
        case BorderStyle::FixedDialog:
            return {45, titleBar ? 330 : 45};
        case BorderStyle::None:
            break;
    }
    return {0, 0};
}

Rect defaultChildPlace(const Rect& size, int createdBefore, int workspaceHeight) {
    const int step = frameSize(BorderStyle::Sizable).top;
    const int steps = std::max(0, workspaceHeight / (3 * step)) + 1;
    const int offset = step * (createdBefore % steps);
    return {offset, offset, size.width, size.height};
}

int workspaceHeight(const Window& mainWindow) {
    constexpr int kMenuBarHeight = 300;
    return mainWindow.clientHeight() - kMenuBarHeight;
}

Window::Window(Application& application, std::string name, WindowKind kind)
    : application_(application), name_(std::move(name)), kind_(kind) {}

Window::~Window() = default;

void Window::setCaption(std::string caption) {
    caption_ = std::move(caption);
    notify(WindowProperty::Caption);
}

void Window::setBorderStyle(BorderStyle style) {
    borderStyle_ = style;
    notify(WindowProperty::Style);
}

void Window::setGeometry(const Rect& geometry) {
    setState(WindowState::Normal);
    if (geometry == geometry_) return;
    geometry_ = geometry;
    notify(WindowProperty::Geometry);
}

void Window::fillFrom(int designWidth, int designHeight) {
    fillDesign_ = {designWidth, designHeight};
}

void Window::setShownClientSize(int width, int height) {
    if (fillDesign_.x <= 0) return;
    const double fill = fillScale(width, height, fillDesign_.x, fillDesign_.y);
    if (fill == fill_) return;
    fill_ = fill;
    notify(WindowProperty::ContentScale);
}

double Window::contentScale() const {
    return application_.zoomScale() * fill_;
}

void Window::setState(WindowState state) {
    if (state == state_) return;
    state_ = state;
    notify(WindowProperty::State);
}

bool Window::hasTitleBar() const {
    return borderStyle_ != BorderStyle::None && (controlBox || !caption_.empty());
}

int Window::clientWidth() const {
    return geometry_.width - 2 * frame().side;
}

int Window::clientHeight() const {
    const FrameSize border = frame();
    return geometry_.height - border.top - border.side;
}

void Window::setClientSize(int width, int height) {
    const FrameSize border = frame();
    setGeometry({geometry_.left, geometry_.top, width + 2 * border.side,
                 height + border.top + border.side});
}

void Window::load() {
    Form_Load();
    if (kind_ == WindowKind::Child && !closed_) show();
}

void Window::show() {
    if (closed_) return;
    if (!visible_) {
        visible_ = true;
        notify(WindowProperty::Visible);
    }
    activate();
}

void Window::activate() {
    if (closed_) return;
    if (!visible_) {
        show();
        return;
    }
    if (state_ == WindowState::Minimised) setState(WindowState::Normal);
    application_.activate(*this);
    if (focused_ == nullptr) {
        if (Element* first = nextInTabOrder(true)) setFocus(*first);
    }
}

void Window::close() {
    application_.close(*this);
}

std::vector<MenuItem*> Window::menuBar() const {
    std::vector<MenuItem*> result;
    for (const auto& element : elements_) {
        auto* item = dynamic_cast<MenuItem*>(element.get());
        if (item != nullptr && item->parent() == nullptr) result.push_back(item);
    }
    return result;
}

std::vector<Timer*> Window::timers() const {
    std::vector<Timer*> result;
    for (const auto& element : elements_) {
        if (auto* timer = dynamic_cast<Timer*>(element.get())) result.push_back(timer);
    }
    return result;
}

namespace {

bool canHoldFocus(const Element& element) {
    return element.takesFocus() && element.effectivelyVisible() && element.effectivelyEnabled();
}

}  // namespace

bool Window::setFocus(Element& element, bool selectText) {
    if (closed_ || &element.window() != this || !canHoldFocus(element)) return false;
    if (focusDepth_ >= kMaximumNestedFocusMoves) return false;
    if (application_.activeWindow() != this && visible_) application_.activate(*this);
    if (focused_ == &element) return true;

    Element* previous = focused_;
    focused_ = &element;
    if (previous != nullptr) previousFocus_ = previous;
    // A box that receives the focus this way has its whole text selected, so typing replaces it.
    if (selectText && element.kind() == ElementKind::TextBox)
        static_cast<TextBox&>(element).selectAll();
    notify(WindowProperty::Focus);
    ++focusDepth_;
    if (previous != nullptr && previous->onLostFocus) previous->onLostFocus();
    --focusDepth_;
    if (focused_ == &element && element.onGotFocus) element.onGotFocus();
    return true;
}

void Window::settleFocus() {
    if (closed_ || focused_ == nullptr || canHoldFocus(*focused_)) return;
    Element* heir = previousFocus_ != nullptr && canHoldFocus(*previousFocus_)
                        ? previousFocus_
                        : nextInTabOrder(true);
    if (heir == nullptr || !setFocus(*heir, false)) {
        focused_ = nullptr;
        notify(WindowProperty::Focus);
    }
}

void Window::adoptFocus(Element* element) {
    if (element != nullptr && &element->window() != this) return;
    focused_ = element;
}

Element* Window::nextInTabOrder(bool forward) const {
    const auto count = static_cast<int>(tabOrder.size());
    if (count == 0) return nullptr;
    const auto current = std::find(tabOrder.begin(), tabOrder.end(), focused_);
    int position = current == tabOrder.end() ? (forward ? -1 : count)
                                             : static_cast<int>(current - tabOrder.begin());
    for (int step = 0; step < count; ++step) {
        position = (position + (forward ? 1 : -1) + count) % count;
        Element* candidate = tabOrder[static_cast<std::size_t>(position)];
        if (canHoldFocus(*candidate)) return candidate;
    }
    return nullptr;
}

void Window::disconnectDrawings() {
    drawing.onChanged = nullptr;
    for (const auto& element : elements_) {
        if (auto* picture = dynamic_cast<PictureBox*>(element.get()))
            picture->drawing.onChanged = nullptr;
    }
}

void Window::notify(WindowProperty property) {
    if (ApplicationObserver* observer = application_.observer()) {
        observer->windowChanged(*this, property);
        if (property == WindowProperty::Focus) application_.activationChanged();
    }
}

}  // namespace torvi::ui
