#include "ui/qt/qt_binding.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "ui/qt/window_view.h"

namespace torvi::ui::qt {

QtBinding::QtBinding(Application& application) : application_(application) {
    application_.setObserver(this);
    for (Window* window : application_.stackingOrder()) windowCreated(*window);
    QObject::connect(qApp, &QApplication::focusChanged, &context_,
                     [this](QWidget*, QWidget* now) { focusChanged(now); });
}

QtBinding::~QtBinding() {
    if (application_.observer() == this) application_.setObserver(nullptr);
    views_.clear();
}

WindowView* QtBinding::viewFor(const Window* window) const {
    const auto found = views_.find(window);
    return found == views_.end() ? nullptr : found->second.get();
}

QWidget* QtBinding::widgetFor(const Element* element) const {
    WindowView* view = element ? viewFor(&element->window()) : nullptr;
    return view ? view->widgetFor(element) : nullptr;
}

QMdiArea* QtBinding::mdiArea() const {
    Window* main = application_.mainWindow();
    WindowView* view = main ? viewFor(main) : nullptr;
    return view ? view->mdiArea() : nullptr;
}

void QtBinding::windowCreated(Window& window) {
    views_[&window] = WindowView::create(*this, window);
}

void QtBinding::windowDestroyed(Window& window) {
    views_.erase(&window);
}

void QtBinding::windowChanged(Window& window, WindowProperty property) {
    if (WindowView* view = viewFor(&window)) view->syncWindow(property);
    // Inside an event the focus follows when the event has run to its end.
    if (property == WindowProperty::Focus && !application_.inEvent()) syncActivation();
}

void QtBinding::elementChanged(Element& element, Property property) {
    if (WindowView* view = viewFor(&element.window())) view->syncElement(element, property);
}

void QtBinding::activeWindowChanged(Window*) {
    if (!application_.inEvent()) syncActivation();
}

void QtBinding::eventFinished() {
    syncActivation();
}

void QtBinding::syncActivation() {
    SyncGuard guard(*this);
    for (Window* window : application_.stackingOrder()) {
        WindowView* view = viewFor(window);
        if (view && view->subWindow() && window->visible()) view->subWindow()->raise();
    }
    Window* active = application_.activeWindow();
    WindowView* view = viewFor(active);
    if (view == nullptr) return;
    if (view->subWindow()) {
        if (QMdiArea* area = mdiArea()) area->setActiveSubWindow(view->subWindow());
        if (WindowView* main = viewFor(application_.mainWindow())) main->frame()->activateWindow();
    } else {
        view->frame()->raise();
        view->frame()->activateWindow();
    }
    view->syncFocus();
}

void QtBinding::focusChanged(QWidget* now) {
    if (syncing() || application_.inEvent() || now == nullptr) return;
    for (const auto& [window, view] : views_) {
        // The main window holds the child windows: they answer for what lies inside them.
        if (window->kind() == WindowKind::Main && view->mdiArea()->isAncestorOf(now)) continue;
        if (view->frame() != now && !view->frame()->isAncestorOf(now)) continue;
        const Element* element = view->elementFor(now);
        // A box or button the user reached is reported to the model as a click or a Tab.
        if (element != nullptr && element->takesFocus()) return;
        if (window->focused() == nullptr) return;
        // Any other part of a window holds no focus of its own: it goes back where the model
        // has it once Qt has finished moving it.
        QMetaObject::invokeMethod(
            &context_, [this] { syncActivation(); }, Qt::QueuedConnection);
        return;
    }
}

void QtBinding::ended() {
    views_.clear();
    QCoreApplication::exit(0);
}

}  // namespace torvi::ui::qt
