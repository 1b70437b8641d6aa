#include "ui/qt/window_view.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#include "ui/application.h"
#include "ui/keys.h"
#include "ui/qt/element_widgets.h"
#include "ui/qt/key_codes.h"
#include "ui/qt/qt_binding.h"
#include "ui/qt/qt_text_metrics.h"
#include "ui/user_input.h"

namespace torvi::ui::qt {
namespace {

// A close from the title bar or the window menu is the user's: the model decides.
template <typename Base>
class ClosableFrame : public Base {
  public:
    ClosableFrame(QtBinding& binding, Window& window, QWidget* parent = nullptr)
        : Base(parent), binding_(binding), window_(window) {}

  protected:
    void closeEvent(QCloseEvent* event) override {
        if (binding_.syncing()) {
            event->accept();
            return;
        }
        event->ignore();
        deliverClose(window_);
    }

  private:
    QtBinding& binding_;
    Window& window_;
};

// A top-level window. Without a title bar it draws its own fixed dialog border around the
// client area, the raised edge of a dialog frame, since window managers draw none there.
class TopLevelFrame : public ClosableFrame<QWidget> {
  public:
    using ClosableFrame::ClosableFrame;
    int border = 0;  // pixels of painted border, 0 when the window manager frames the window

  protected:
    void paintEvent(QPaintEvent*) override {
        if (border == 0) return;
        QPainter painter(this);
        const QRect outer = rect();
        const auto edge = [&](const QRect& box, QColor light, QColor dark) {
            painter.setPen(light);
            painter.drawLine(box.topLeft(), box.topRight());
            painter.drawLine(box.topLeft(), box.bottomLeft());
            painter.setPen(dark);
            painter.drawLine(box.bottomLeft(), box.bottomRight());
            painter.drawLine(box.topRight(), box.bottomRight());
        };
        painter.fillRect(rect(), toQColor(colours::buttonFace));
        edge(outer, toQColor(colours::buttonFace), Qt::black);
        edge(outer.adjusted(1, 1, -1, -1), Qt::white, QColor(128, 128, 128));
    }
};

}  // namespace

WindowView::WindowView(QtBinding& binding, Window& window) : binding_(binding), window_(window) {
    createFrame();
    createElements();
    if (window_.kind() == WindowKind::Main) createMenus();
    syncWindow(WindowProperty::Style);
    syncWindow(WindowProperty::Caption);
    syncWindow(WindowProperty::Geometry);
    syncWindow(WindowProperty::Visible);
}

WindowView::~WindowView() {
    SyncGuard guard(binding_);
    // A timer may be the one whose tick closed this window: it goes when its signal has returned.
    for (auto& [timer, ticker] : timers_) {
        ticker->stop();
        ticker->disconnect();
        ticker->deleteLater();
    }
    if (frame_) {
        frame_->hide();
        frame_->deleteLater();
    }
}

void WindowView::createFrame() {
    switch (window_.kind()) {
        case WindowKind::Main: {
            auto* main = new ClosableFrame<QMainWindow>(binding_, window_);
            mdiArea_ = new QMdiArea(main);
            mdiArea_->setBackground(toQColor(colours::applicationWorkspace));
            // A child window reaching beyond the workspace can be scrolled into view.
            mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
            mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
            main->setCentralWidget(mdiArea_);
            QObject::connect(mdiArea_, &QMdiArea::subWindowActivated, mdiArea_,
                             [this](QMdiSubWindow* sub) {
                                 if (sub == nullptr || binding_.syncing()) return;
                                 for (Window* window : binding_.application().stackingOrder()) {
                                     WindowView* view = binding_.viewFor(window);
                                     if (view && view->subWindow() == sub) deliverActivate(*window);
                                 }
                             });
            mainWindow_ = main;
            frame_ = main;
            break;
        }
        case WindowKind::Child: {
            auto* sub = new ClosableFrame<QMdiSubWindow>(binding_, window_);
            sub->setAttribute(Qt::WA_DeleteOnClose, false);
            // A click on the window's own parts leaves the keyboard focus with its elements.
            sub->setFocusPolicy(Qt::NoFocus);
            form_ = new FormView(window_, sub);
            sub->setWidget(form_);
            if (QMdiArea* area = binding_.mdiArea()) area->addSubWindow(sub);
            subWindow_ = sub;
            frame_ = sub;
            break;
        }
        case WindowKind::TopLevel: {
            QWidget* parent = nullptr;
            if (Window* main = binding_.application().mainWindow()) {
                if (WindowView* view = binding_.viewFor(main)) parent = view->frame();
            }
            auto* top = new TopLevelFrame(binding_, window_, parent);
            if (!window_.hasTitleBar()) top->border = toPixels(window_.frame().side);
            form_ = new FormView(window_, top);
            auto* layout = new QVBoxLayout(top);
            layout->setContentsMargins(top->border, top->border, top->border, top->border);
            layout->addWidget(form_);
            frame_ = top;
            break;
        }
    }
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
}

QWidget* WindowView::parentFor(Element& element) const {
    if (Element* container = element.container()) {
        if (QWidget* widget = widgetFor(container)) return widget;
    }
    return form_;
}

void WindowView::createElements() {
    if (form_ == nullptr) return;
    for (const auto& owned : window_.elements()) {
        Element& element = *owned;
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
            case ElementKind::Timer: {
                auto& timer = static_cast<Timer&>(element);
                auto* ticker = new QTimer();
                QObject::connect(ticker, &QTimer::timeout, this, [&timer] { deliverTimer(timer); });
                timers_[&timer] = ticker;
                syncTimer(timer);
                break;
            }
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
    window_.drawing.onChanged = [form = form_] { form->update(); };
}

void WindowView::createMenus() {
    QMenuBar* bar = mainWindow_->menuBar();
    std::map<const MenuItem*, QMenu*> menus;
    for (const auto& owned : window_.elements()) {
        auto* item = dynamic_cast<MenuItem*>(owned.get());
        if (item == nullptr) continue;
        QAction* action = nullptr;
        const QString caption = toQString(item->caption());
        QMenu* parentMenu = item->parent() ? menus[item->parent()] : nullptr;
        if (!item->children().empty()) {
            QMenu* menu = parentMenu ? parentMenu->addMenu(caption) : bar->addMenu(caption);
            menus[item] = menu;
            action = menu->menuAction();
        } else if (item->separator()) {
            action = parentMenu ? parentMenu->addSeparator() : bar->addSeparator();
        } else {
            action = parentMenu ? parentMenu->addAction(caption) : bar->addAction(caption);
            if (item->shortcut() != 0) {
                action->setShortcut(
                    QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_A + (item->shortcut() - 'A'))));
                action->setShortcutContext(Qt::WindowShortcut);
            }
            QObject::connect(action, &QAction::triggered, action, [this, item, action] {
                deliverMenu(*item);
                // Qt flips a checkable action by itself; the model's mark is the one that counts.
                if (!window_.closed()) {
                    SyncGuard guard(binding_);
                    action->setChecked(item->checked());
                }
            });
        }
        action->setObjectName(toQString(item->name()));
        // Screen readers read a menu item's description from its tool tip and status text.
        action->setStatusTip(toQString(item->name()));
        action->setToolTip(toQString(item->name()));
        actions_[item] = action;
        syncElement(*item, Property::Enabled);
    }
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

QMargins WindowView::frameMargins() const {
    const QWindow* handle = frame_->windowHandle();
    if (handle != nullptr && frame_->isVisible() && !handle->frameMargins().isNull())
        return handle->frameMargins();
    const FrameSize border = window_.frame();
    return QMargins(toPixels(border.side), toPixels(border.top), toPixels(border.side),
                    toPixels(border.side));
}

void WindowView::syncGeometry() {
    const Rect outer = window_.geometry();
    switch (window_.kind()) {
        case WindowKind::Main: {
            // The outer size includes the frame and the title bar.
            const QMargins margins = frameMargins();
            frame_->resize(toPixels(outer.width) - margins.left() - margins.right(),
                           toPixels(outer.height) - margins.top() - margins.bottom());
            appliedMargins_ = margins;
            break;
        }
        case WindowKind::Child:
            frame_->setGeometry(toPixels(outer));
            break;
        case WindowKind::TopLevel: {
            // Qt places a top-level window by its client area; a painted border is part of it.
            const auto* top = static_cast<TopLevelFrame*>(frame_.data());
            const FrameSize border = window_.frame();
            const QSize size(toPixels(window_.clientWidth()) + 2 * top->border,
                             toPixels(window_.clientHeight()) + 2 * top->border);
            QPoint position(toPixels(outer.left + border.side) - top->border,
                            toPixels(outer.top + border.top) - top->border);
            if (window_.centredOnScreen) {
                const QRect screen = QGuiApplication::primaryScreen()->geometry();
                position = screen.center() - QPoint(size.width() / 2, size.height() / 2);
            }
            frame_->setFixedSize(size);
            frame_->setGeometry(QRect(position, size));
            break;
        }
    }
}

void WindowView::refitFrame() {
    const QMargins now = frameMargins();
    if (now == appliedMargins_ || syncing()) return;
    // The outer size stays; the client area gives the frame what it took.
    const int wider = appliedMargins_.left() + appliedMargins_.right() - now.left() - now.right();
    const int taller = appliedMargins_.top() + appliedMargins_.bottom() - now.top() - now.bottom();
    appliedMargins_ = now;
    SyncGuard guard(binding_);
    frame_->resize(frame_->width() + wider, frame_->height() + taller);
}

void WindowView::syncTimer(const Timer& timer) {
    QTimer* ticker = timers_.at(&timer);
    if (!timer.running()) {
        ticker->stop();
    } else if (!ticker->isActive() || ticker->interval() != timer.interval()) {
        ticker->start(timer.interval());
    }
}

void WindowView::restoreIfMinimised() {
    if (subWindow_ == nullptr || !subWindow_->isMinimized()) return;
    SyncGuard guard(binding_);
    subWindow_->showNormal();
    syncGeometry();
}

void WindowView::reportGeometry() {
    if (subWindow_ == nullptr || syncing() || window_.closed() || !subWindow_->isVisible() ||
        subWindow_->isMinimized() || subWindow_->isMaximized()) {
        return;
    }
    const QRect shown = subWindow_->geometry();
    if (shown == toPixels(window_.geometry())) return;
    // Only what the user changed is taken, so that the rest keeps its exact twips.
    const Rect model = window_.geometry();
    const auto twips = [](int pixels, int current) {
        return toPixels(current) == pixels ? current : toTwips(pixels);
    };
    deliverGeometry(window_,
                    Rect{twips(shown.x(), model.left), twips(shown.y(), model.top),
                         twips(shown.width(), model.width), twips(shown.height(), model.height)});
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
            if (window_.kind() == WindowKind::TopLevel) {
                // Exactly the decorations of the design: a title bar with the close box alone,
                // or no decoration from the window manager at all.
                Qt::WindowFlags flags = Qt::Window;
                if (!window_.hasTitleBar()) {
                    flags =
                        (window_.showInTaskbar ? Qt::Window : Qt::Tool) | Qt::FramelessWindowHint;
                } else if (window_.borderStyle() == BorderStyle::FixedDialog) {
                    // A window kept off the task bar is a tool window to the window manager.
                    flags = (window_.showInTaskbar ? Qt::Dialog : Qt::Tool) |
                            Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                            Qt::WindowTitleHint;
                    if (window_.controlBox) flags |= Qt::WindowCloseButtonHint;
                }
                const bool shown = frame_->isVisible();
                frame_->setWindowFlags(flags);
                if (shown) frame_->show();
            }
            break;
        case WindowProperty::Focus:
            break;
    }
}

void WindowView::syncElement(Element& element, Property property) {
    SyncGuard guard(binding_);
    if (auto* item = dynamic_cast<MenuItem*>(&element)) {
        QAction* action = actionFor(item);
        if (action == nullptr) return;
        action->setEnabled(item->enabled());
        action->setVisible(item->visible());
        action->setCheckable(item->checked() || action->isCheckable());
        action->setChecked(item->checked());
        return;
    }
    if (auto* timer = dynamic_cast<Timer*>(&element)) return syncTimer(*timer);
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
    Element* holder = elementFor(QApplication::focusWidget());
    if (holder != nullptr && holder->takesFocus()) window_.adoptFocus(holder);
}

bool WindowView::eventFilter(QObject* watched, QEvent* event) {
    if (window_.closed()) return false;
    switch (event->type()) {
        case QEvent::KeyPress:
            return keyPressed(watched, *static_cast<QKeyEvent*>(event));
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
            if (watched != frame_) return false;
            if (window_.kind() == WindowKind::Child) {
                reportGeometry();
            } else if (window_.kind() == WindowKind::Main) {
                refitFrame();
                // The window manager tells its frame some time after the window is shown.
                if (event->type() == QEvent::Show) {
                    for (int milliseconds : {50, 250, 1000})
                        QTimer::singleShot(milliseconds, this, [this] { refitFrame(); });
                }
            }
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
    const QPointer<WindowView> alive(this);
    deliverKey(window_, code, modelEdits);
    if (alive.isNull()) return true;  // the window closed with its boxes
    // Control characters (Ctrl+V, Ctrl+Z and the like) are Qt's edit commands.
    return !(box != nullptr && !modelEdits && code != keys::kEnter && code != keys::kEscape);
}

}  // namespace torvi::ui::qt
