#include "ui/qt/window_view.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>

#include "ui/application.h"
#include "ui/qt/element_widgets.h"
#include "ui/qt/qt_binding.h"
#include "ui/qt/qt_text_metrics.h"
#include "ui/user.h"

namespace torvi::ui::qt {
namespace {

QString toQString(const std::string& text) {
    return QString::fromStdString(text);
}

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

// The character code a key carries, or -1 for keys without one (arrows, Delete, modifiers).
int characterCode(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 13;
        case Qt::Key_Backspace:
            return 8;
        case Qt::Key_Escape:
            return 27;
        case Qt::Key_Delete:
            return -1;
        default:
            break;
    }
    const QString text = event.text();
    if (text.isEmpty()) return -1;
    const int code = text.at(0).unicode();
    return code == 127 ? -1 : code;
}

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
            auto* top = new ClosableFrame<QWidget>(binding_, window_, parent);
            form_ = new FormView(window_, top);
            auto* layout = new QVBoxLayout(top);
            layout->setContentsMargins(0, 0, 0, 0);
            layout->addWidget(form_);
            frame_ = top;
            break;
        }
    }
    frame_->installEventFilter(this);
    if (form_) {
        form_->installEventFilter(this);
        form_->setFocusPolicy(Qt::StrongFocus);
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
                widget = new ButtonView(static_cast<CommandButton&>(element), parent);
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

void WindowView::syncGeometry() {
    const Rect outer = window_.geometry();
    switch (window_.kind()) {
        case WindowKind::Main:
            frame_->resize(toPixels(outer.width), toPixels(outer.height));
            break;
        case WindowKind::Child:
            frame_->setGeometry(toPixels(outer));
            break;
        case WindowKind::TopLevel: {
            const QSize client(toPixels(window_.clientWidth()), toPixels(window_.clientHeight()));
            frame_->setFixedSize(client);
            if (window_.centredOnScreen) {
                const QRect screen = QGuiApplication::primaryScreen()->geometry();
                frame_->move(screen.center() - QPoint(client.width() / 2, client.height() / 2));
            } else {
                const FrameSize border = frameSize(window_.borderStyle());
                frame_->move(toPixels(outer.left + border.side), toPixels(outer.top + border.top));
            }
            break;
        }
    }
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
                Qt::WindowFlags flags = Qt::Window;
                if (window_.borderStyle() == BorderStyle::None) flags |= Qt::FramelessWindowHint;
                if (window_.borderStyle() == BorderStyle::FixedDialog) {
                    flags = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint |
                            Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowCloseButtonHint;
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
    QWidget* widget = widgetFor(&element);
    if (widget == nullptr) return;
    if (auto* label = dynamic_cast<LabelView*>(widget)) label->sync();
    if (auto* box = dynamic_cast<TextBoxView*>(widget)) box->sync();
    if (auto* button = dynamic_cast<ButtonView*>(widget)) button->sync();
    if (auto* view = dynamic_cast<BoxView*>(widget)) view->sync();
    if (auto* line = dynamic_cast<LineView*>(widget)) line->sync();
    (void)property;
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
    if (event->type() != QEvent::KeyPress || window_.closed()) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & Qt::AltModifier) return false;  // menu access keys are Qt's
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
        if (key->modifiers() & Qt::ControlModifier) return false;
        deliverTab(window_, key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier));
        return true;
    }
    const int code = characterCode(*key);
    if (code < 0) return false;

    // The key goes to the element Qt gave it to, so that is the one the model must see.
    Element* target = elementFor(watched);
    if (target != nullptr && target->takesFocus() && target != window_.focused()) {
        window_.adoptFocus(target);
    }
    const bool intoTextBox = dynamic_cast<TextBoxView*>(watched) != nullptr;
    deliverKey(window_, code, false);
    // The widget edits by itself: the character then enters that same box.
    return !(intoTextBox && code != 13 && code != 27);
}

}  // namespace torvi::ui::qt
