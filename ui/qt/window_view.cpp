#include "ui/qt/window_view.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QTimer>

#include "ui/application.h"
#include "ui/keys.h"
#include "ui/qt/element_widgets.h"
#include "ui/qt/key_codes.h"
#include "ui/qt/main_window_view.h"
#include "ui/qt/qt_binding.h"
#include "ui/qt/qt_text_metrics.h"
#include "ui/qt/sub_window_view.h"
#include "ui/qt/top_level_view.h"
#include "ui/user_input.h"

namespace torvi::ui::qt {
namespace {

// A model timer ticks with a QTimer that follows its interval and its running flag. Qt's timers
// may fire a little early; a tick waits until its whole interval has passed.
class TimerView : public ElementView {
  public:
    TimerView(Timer& timer, QObject& context) : timer_(timer), ticker_(new QTimer) {
        ticker_->setTimerType(Qt::PreciseTimer);
        ticker_->setSingleShot(true);
        QObject::connect(ticker_, &QTimer::timeout, &context, [this] { tick(); });
        sync(Property::Timer);
    }
    // The tick may be the one that closed the window: the QTimer goes once its signal returned.
    ~TimerView() override {
        ticker_->stop();
        ticker_->disconnect();
        ticker_->deleteLater();
    }
    void sync(Property) override {
        if (!timer_.running()) {
            ticker_->stop();
        } else if (!ticker_->isActive() || interval_ != timer_.interval()) {
            start();
        }
    }

  private:
    void start() {
        interval_ = timer_.interval();
        sinceStart_.start();
        ticker_->start(interval_);
    }
    void tick() {
        const qint64 early = interval_ - sinceStart_.elapsed();
        if (early > 0) return ticker_->start(static_cast<int>(early));
        start();
        deliverTimer(timer_);  // may close the window and delete this view
    }

    Timer& timer_;
    QTimer* ticker_;
    QElapsedTimer sinceStart_;
    int interval_ = 0;
};

}  // namespace

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
            view.reset(new SubWindowView(binding, window));
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
    if (frame_) {
        frame_->hide();
        frame_->deleteLater();
    }
}

void WindowView::build() {
    createFrame();
    frame_->installEventFilter(this);
    if (form_) {
        form_->installEventFilter(this);
        // A window without elements that take the focus holds it itself, for its keys.
        if (window_.tabOrder.empty()) form_->setFocusPolicy(Qt::StrongFocus);
        form_->setAccessibleName(toQString(window_.caption()));
        form_->setAccessibleDescription(toQString(window_.name()));
    }
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
        QWidget* widget = nullptr;
        switch (element.kind()) {
            case ElementKind::Label:
                widget = new LabelView(static_cast<Label&>(element), parent);
                break;
            case ElementKind::TextBox:
                widget = new TextBoxView(static_cast<TextBox&>(element), *this, parent);
                break;
            case ElementKind::CommandButton:
                widget = new ButtonView(static_cast<CommandButton&>(element), *this, parent);
                break;
            case ElementKind::Frame:
            case ElementKind::PictureBox:
            case ElementKind::Image:
                widget = new BoxView(element, parent);
                break;
            case ElementKind::Line:
                widget = new LineView(static_cast<LineElement&>(element), parent);
                break;
            case ElementKind::Timer:
            case ElementKind::MenuItem:
                break;
        }
        if (widget == nullptr) continue;
        widget->installEventFilter(this);
        widgets_[&element] = widget;
        views_[&element] = dynamic_cast<ElementView*>(widget);
        elements_[widget] = &element;
        if (auto* picture = dynamic_cast<PictureBox*>(&element)) {
            auto* view = static_cast<BoxView*>(widget);
            picture->drawing.onChanged = [view] { view->drawingChanged(); };
        }
    }
    if (form_) window_.drawing.onChanged = [form = form_] { form->update(); };
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
        data->setText(QString::fromStdString(content.text));
        data->setHtml(QString::fromStdString(content.html));
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
    if (key.matches(QKeySequence::Copy) && dynamic_cast<TextBoxView*>(watched) == nullptr &&
        copyToClipboard()) {
        return true;
    }
    if (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab) {
        if (key.modifiers() & Qt::ControlModifier) return false;
        deliverTab(window_, key.key() == Qt::Key_Tab && !(key.modifiers() & Qt::ShiftModifier));
        return true;
    }
    const int code = characterCode(key);
    if (code < 0) return false;  // arrows, Delete: Qt's own, an edit comes back as an edit event

    // The key goes to the element Qt gave it to, so that is the one the model must see.
    Element* target = elementFor(watched);
    if (target != nullptr && target->takesFocus() && target != window_.focused()) {
        window_.adoptFocus(target);
    }
    // A character or Backspace typed into a box is the model's edit: it enters the box whose key
    // rules ran, in place of the selection the user saw, wherever those rules moved the focus.
    auto* box = dynamic_cast<TextBoxView*>(watched);
    const bool modelEdits =
        box != nullptr && (code == keys::kBackspace || code >= keys::kFirstPrintable);
    if (box != nullptr) box->reportSelection();
    if (!deliver([&] { deliverKey(window_, code, modelEdits); })) return true;
    // Control characters (Ctrl+V, Ctrl+Z and the like) are Qt's edit commands.
    return !(box != nullptr && !modelEdits && code != keys::kEnter && code != keys::kEscape);
}

}  // namespace torvi::ui::qt
