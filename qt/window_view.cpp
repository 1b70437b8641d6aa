#include "qt/window_view.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMdiSubWindow>
#include <QMimeData>

#include "qt/button_view.h"
#include "qt/child_window_view.h"
#include "qt/client_area_view.h"
#include "qt/conversions.h"
#include "qt/frame_view.h"
#include "qt/image_view.h"
#include "qt/key_codes.h"
#include "qt/label_view.h"
#include "qt/line_view.h"
#include "qt/main_window_view.h"
#include "qt/picture_box_view.h"
#include "qt/qt_binding.h"
#include "qt/text_box_view.h"
#include "qt/timer_view.h"
#include "qt/top_level_view.h"
#include "ui/application.h"
#include "ui/keys.h"
#include "ui/user_input.h"

namespace torvi::qt {
template <typename Base>
void ClosableFrame<Base>::closeEvent(QCloseEvent* event) {
    if (binding_.syncing()) {
        event->accept();
        return;
    }
    event->ignore();
    ui::deliverClose(window_);
}
template class ClosableFrame<QMainWindow>;
template class ClosableFrame<QMdiSubWindow>;
template class ClosableFrame<QWidget>;

std::unique_ptr<WindowView> WindowView::create(QtBinding& binding, ui::Window& window) {
    auto view = ui::viewForKind<WindowView, MainWindowView, ChildWindowView, TopLevelView>(
        window.kind(), binding, window);
    view->build();
    return view;
}

WindowView::WindowView(QtBinding& binding, ui::Window& window)
    : binding_(binding), window_(window) {}

WindowView::~WindowView() {
    SyncGuard guard(binding_);
    ownViews_.clear();
    // The widgets go later than the views; the model must not call them meanwhile.
    window_.disconnectDrawings();
    if (frame_) {
        frame_->hide();
        frame_->deleteLater();
    }
}

void WindowView::build() {
    createFrame();
    frame_->installEventFilter(this);
    if (clientArea_) clientArea_->installEventFilter(this);
    if (!window_.icon.empty())
        frame_->setWindowIcon(QIcon(QString(":/torvi/") + toQString(window_.icon)));
    createElements();
    createMenus();
    syncWindow(ui::WindowProperty::Style);
    syncWindow(ui::WindowProperty::Caption);
    syncWindow(ui::WindowProperty::Geometry);
    syncWindow(ui::WindowProperty::Visible);
}

QWidget* WindowView::parentFor(ui::Element& element) const {
    if (ui::Element* container = element.container()) {
        if (QWidget* widget = widgetFor(container)) return widget;
    }
    return clientArea_;
}

void WindowView::createElements() {
    for (const auto& owned : window_.elements()) {
        ui::Element& element = *owned;
        if (element.kind() == ui::ElementKind::Timer) {
            ownViews_.push_back(
                std::make_unique<TimerView>(static_cast<ui::Timer&>(element), *this));
            elementViews_[&element] = ownViews_.back().get();
            continue;
        }
        if (clientArea_ == nullptr) continue;
        QWidget* parent = parentFor(element);
        switch (element.kind()) {
            case ui::ElementKind::Label:
                adopt(element, new LabelView(static_cast<ui::Label&>(element), parent));
                break;
            case ui::ElementKind::TextBox:
                adopt(element, new TextBoxView(static_cast<ui::TextBox&>(element), *this, parent));
                break;
            case ui::ElementKind::CommandButton:
                adopt(element,
                      new ButtonView(static_cast<ui::CommandButton&>(element), *this, parent));
                break;
            case ui::ElementKind::Frame:
                adopt(element, new FrameView(static_cast<ui::Frame&>(element), parent));
                break;
            case ui::ElementKind::PictureBox:
                adopt(element, new PictureBoxView(static_cast<ui::PictureBox&>(element), parent));
                break;
            case ui::ElementKind::Image:
                adopt(element, new ImageView(static_cast<ui::ImageElement&>(element), parent));
                break;
            case ui::ElementKind::Line:
                adopt(element, new LineView(static_cast<ui::LineElement&>(element), parent));
                break;
            case ui::ElementKind::Timer:
            case ui::ElementKind::MenuItem:
                break;
        }
    }
}

template <typename View>
void WindowView::adopt(ui::Element& element, View* view) {
    view->installEventFilter(this);
    widgets_[&element] = view;
    elementViews_[&element] = view;
    elements_[view] = &element;
}

ElementView* WindowView::elementView(const ui::Element* element) const {
    const auto found = elementViews_.find(element);
    return found == elementViews_.end() ? nullptr : found->second;
}

QWidget* WindowView::widgetFor(const ui::Element* element) const {
    const auto found = widgets_.find(element);
    return found == widgets_.end() ? nullptr : found->second;
}

ui::Element* WindowView::elementOfWidget(const QObject* widget) const {
    const auto found = elements_.find(widget);
    return found == elements_.end() ? nullptr : found->second;
}

QAction* WindowView::actionFor(const ui::MenuItem* item) const {
    const auto found = actions_.find(item);
    return found == actions_.end() ? nullptr : found->second;
}

bool WindowView::syncing() const {
    return binding_.syncing();
}

void WindowView::syncWindow(ui::WindowProperty property) {
    if (!frame_) return;
    SyncGuard guard(binding_);
    switch (property) {
        case ui::WindowProperty::Caption:
            frame_->setWindowTitle(toQString(window_.caption()));
            if (clientArea_) clientArea_->setAccessibleName(toQString(window_.caption()));
            break;
        case ui::WindowProperty::Geometry:
            syncGeometry();
            break;
        case ui::WindowProperty::Visible:
            frame_->setVisible(window_.visible());
            break;
        case ui::WindowProperty::Style:
            syncStyle();
            break;
        case ui::WindowProperty::State:
            syncState();
            break;
        case ui::WindowProperty::Focus:
            break;
        case ui::WindowProperty::ContentScale:
            for (const auto& element : window_.elements())
                if (ElementView* view = elementView(element.get()))
                    view->sync(ui::Property::Geometry);
            if (clientArea_) clientArea_->update();
            break;
    }
}

void WindowView::syncElement(ui::Element& element, ui::Property property) {
    SyncGuard guard(binding_);
    if (ElementView* view = elementView(&element)) view->sync(property);
}

void WindowView::syncFocus() {
    SyncGuard guard(binding_);
    ui::Element* focused = window_.focused();
    QWidget* widget = widgetFor(focused);
    if (widget != nullptr && widget->isVisible() && widget->isEnabled()) {
        if (QApplication::focusWidget() != widget) widget->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (clientArea_ && focused == nullptr && QApplication::focusWidget() == nullptr) {
        clientArea_->setFocus(Qt::OtherFocusReason);
    }
}

bool WindowView::eventFilter(QObject* watched, QEvent* event) {
    if (window_.closed()) return false;
    switch (event->type()) {
        case QEvent::KeyPress:
            return keyPressed(watched, *static_cast<QKeyEvent*>(event));
        case QEvent::ShortcutOverride:
            // A key-preview window (the splash) takes Ctrl+letter as the character it types:
            // the key comes as a key press instead of the menu's shortcut.
            if (ui::shortcutsAvailable(window_.application())) return false;
            event->accept();
            return true;
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
    const ui::Window::Copy content = window_.copy();
    if (content.text.empty() && !content.picture) return false;
    auto* data = new QMimeData;
    if (!content.text.empty()) {
        data->setText(toQString(content.text));
        data->setHtml(toQString(content.html));
    }
    if (content.picture && clientArea_) data->setImageData(clientArea_->grab().toImage());
    QGuiApplication::clipboard()->setMimeData(data);
    return true;
}

bool WindowView::keyPressed(QObject* watched, QKeyEvent& key) {
    // A key the focused widget does not take travels on to its parents: it was seen already.
    QWidget* focus = QApplication::focusWidget();
    if (watched != focus && !(focus == nullptr && watched == frame_)) return false;
    if (key.modifiers() & Qt::AltModifier) return false;  // menu access keys are Qt's
    ui::Element* target = elementOfWidget(watched);
    const bool inTextBox = target != nullptr && target->kind() == ui::ElementKind::TextBox;
    if (key.matches(QKeySequence::Copy) && !inTextBox && copyToClipboard()) return true;
    if (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab) return tabPressed(key);
    const int code = characterCode(key);
    if (code < 0) return false;  // arrows, Delete: Qt's own, an edit comes back as an edit event
    return characterTyped(target, code);
}

bool WindowView::tabPressed(const QKeyEvent& key) {
    if (key.modifiers() & Qt::ControlModifier) return false;
    ui::deliverTab(window_, key.key() == Qt::Key_Tab && !(key.modifiers() & Qt::ShiftModifier));
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

}  // namespace torvi::qt
