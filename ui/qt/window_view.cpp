#include "ui/qt/window_view.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMdiSubWindow>
#include <QMimeData>

#include "ui/application.h"
#include "ui/keys.h"
#include "ui/qt/button_view.h"
#include "ui/qt/child_window_view.h"
#include "ui/qt/conversions.h"
#include "ui/qt/form_view.h"
#include "ui/qt/frame_view.h"
#include "ui/qt/image_view.h"
#include "ui/qt/key_codes.h"
#include "ui/qt/label_view.h"
#include "ui/qt/line_view.h"
#include "ui/qt/main_window_view.h"
#include "ui/qt/picture_box_view.h"
#include "ui/qt/qt_binding.h"
#include "ui/qt/text_box_view.h"
#include "ui/qt/timer_view.h"
#include "ui/qt/top_level_view.h"
#include "ui/user_input.h"

namespace torvi::ui::qt {
template <typename Base>
void ClosableFrame<Base>::closeEvent(QCloseEvent* event) {
    if (binding_.syncing()) {
        event->accept();
        return;
    }
    event->ignore();
    deliverClose(window_);
}
template class ClosableFrame<QMainWindow>;
template class ClosableFrame<QMdiSubWindow>;
template class ClosableFrame<QWidget>;

std::unique_ptr<WindowView> WindowView::create(QtBinding& binding, Window& window) {
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

WindowView::WindowView(QtBinding& binding, Window& window) : binding_(binding), window_(window) {}

WindowView::~WindowView() {
    SyncGuard guard(binding_);
    ownViews_.clear();
    // The widgets go later than the views; the model must not call them meanwhile.
    window_.drawing.onChanged = nullptr;
    for (const auto& element : window_.elements()) {
        if (element->kind() == ElementKind::PictureBox)
            static_cast<PictureBox&>(*element).drawing.onChanged = nullptr;
    }
    if (frame_) {
        frame_->hide();
        frame_->deleteLater();
    }
}

void WindowView::build() {
    createFrame();
    frame_->installEventFilter(this);
    if (form_) form_->installEventFilter(this);
    if (!window_.icon.empty())
        frame_->setWindowIcon(QIcon(QString(":/torvi/") + toQString(window_.icon)));
    createElements();
    createMenus();
    syncWindow(WindowProperty::Style);
    syncWindow(WindowProperty::Caption);
    syncWindow(WindowProperty::Geometry);
    syncWindow(WindowProperty::Visible);
}

QWidget* WindowView::parentFor(Element& element) const {
    if (Element* container = element.container()) {
        if (QWidget* widget = widgetFor(container)) return widget;
    }
    return form_;
}

void WindowView::createElements() {
    for (const auto& owned : window_.elements()) {
        Element& element = *owned;
        if (element.kind() == ElementKind::Timer) {
            ownViews_.push_back(std::make_unique<TimerView>(static_cast<Timer&>(element), *this));
            views_[&element] = ownViews_.back().get();
            continue;
        }
        if (form_ == nullptr) continue;
        QWidget* parent = parentFor(element);
        switch (element.kind()) {
            case ElementKind::Label:
                adopt(element, new LabelView(static_cast<Label&>(element), parent));
                break;
            case ElementKind::TextBox:
                adopt(element, new TextBoxView(static_cast<TextBox&>(element), *this, parent));
                break;
            case ElementKind::CommandButton:
                adopt(element, new ButtonView(static_cast<CommandButton&>(element), *this, parent));
                break;
            case ElementKind::Frame:
                adopt(element, new FrameView(static_cast<Frame&>(element), parent));
                break;
            case ElementKind::PictureBox:
                adopt(element, new PictureBoxView(static_cast<PictureBox&>(element), parent));
                break;
            case ElementKind::Image:
                adopt(element, new ImageView(static_cast<ImageElement&>(element), parent));
                break;
            case ElementKind::Line:
                adopt(element, new LineView(static_cast<LineElement&>(element), parent));
                break;
            case ElementKind::Timer:
            case ElementKind::MenuItem:
                break;
        }
    }
}

template <typename View>
void WindowView::adopt(Element& element, View* view) {
    view->installEventFilter(this);
    widgets_[&element] = view;
    views_[&element] = view;
    elements_[view] = &element;
}

QWidget* WindowView::widgetFor(const Element* element) const {
    const auto found = widgets_.find(element);
    return found == widgets_.end() ? nullptr : found->second;
}

Element* WindowView::elementFor(const QObject* widget) const {
    const auto found = elements_.find(widget);
    return found == elements_.end() ? nullptr : found->second;
}

QAction* WindowView::actionFor(const MenuItem* item) const {
    const auto found = actions_.find(item);
    return found == actions_.end() ? nullptr : found->second;
}

bool WindowView::syncing() const {
    return binding_.syncing();
}

void WindowView::syncWindow(WindowProperty property) {
    if (!frame_) return;
    SyncGuard guard(binding_);
    switch (property) {
        case WindowProperty::Caption:
            frame_->setWindowTitle(toQString(window_.caption()));
            if (form_) form_->setAccessibleName(toQString(window_.caption()));
            break;
        case WindowProperty::Geometry:
            syncGeometry();
            break;
        case WindowProperty::Visible:
            frame_->setVisible(window_.visible());
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
    const auto found = views_.find(&element);
    if (found != views_.end() && found->second != nullptr) found->second->sync(property);
}

void WindowView::syncFocus() {
    SyncGuard guard(binding_);
    Element* focused = window_.focused();
    QWidget* widget = widgetFor(focused);
    if (widget != nullptr && widget->isVisible() && widget->isEnabled()) {
        if (QApplication::focusWidget() != widget) widget->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (form_ && focused == nullptr && QApplication::focusWidget() == nullptr) {
        form_->setFocus(Qt::OtherFocusReason);
    }
}

bool WindowView::eventFilter(QObject* watched, QEvent* event) {
    if (window_.closed()) return false;
    switch (event->type()) {
        case QEvent::KeyPress:
            return keyPressed(watched, *static_cast<QKeyEvent*>(event));
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::WindowStateChange:
            if (watched == frame_) frameChanged(*event);
            return false;
        default:
            return false;
    }
}

bool WindowView::copyToClipboard() {
    const Window::Copy content = window_.copy();
    if (content.text.empty() && !content.picture) return false;
    auto* data = new QMimeData;
    if (!content.text.empty()) {
        data->setText(toQString(content.text));
        data->setHtml(toQString(content.html));
    }
    if (content.picture && form_) data->setImageData(form_->grab().toImage());
    QGuiApplication::clipboard()->setMimeData(data);
    return true;
}

bool WindowView::keyPressed(QObject* watched, QKeyEvent& key) {
    // A key the focused widget does not take travels on to its parents: it was seen already.
    QWidget* focus = QApplication::focusWidget();
    if (watched != focus && !(focus == nullptr && watched == frame_)) return false;
    if (key.modifiers() & Qt::AltModifier) return false;  // menu access keys are Qt's
    Element* target = elementFor(watched);
    const bool inTextBox = target != nullptr && target->kind() == ElementKind::TextBox;
    if (key.matches(QKeySequence::Copy) && !inTextBox && copyToClipboard()) return true;
    if (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab) return tabPressed(key);
    const int code = characterCode(key);
    if (code < 0) return false;  // arrows, Delete: Qt's own, an edit comes back as an edit event
    return characterTyped(target, code);
}

bool WindowView::tabPressed(const QKeyEvent& key) {
    if (key.modifiers() & Qt::ControlModifier) return false;
    deliverTab(window_, key.key() == Qt::Key_Tab && !(key.modifiers() & Qt::ShiftModifier));
    return true;
}

bool WindowView::characterTyped(Element* target, int code) {
    // The key went to the element Qt gave it to, so that is the one the model must see.
    if (target != nullptr && target->takesFocus() && target != window_.focused()) {
        window_.adoptFocus(target);
    }
    // A character or Backspace typed into a box is the model's edit: it enters the box whose key
    // rules ran, in place of the selection the user saw, wherever those rules moved the focus.
    const bool modelEdits = editsTextBox(target, code);
    if (target != nullptr && target->kind() == ElementKind::TextBox) views_[target]->beforeKey();
    if (!deliver([&] { deliverKey(window_, code, modelEdits); })) return true;
    return !isControlEditCommand(target, code);
}

}  // namespace torvi::ui::qt
