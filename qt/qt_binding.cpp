#include "qt/qt_binding.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "qt/window_view.h"

namespace torvi::qt {

QtBinding::QtBinding(ui::Application& application) : application_(application) {
    application_.setObserver(this);
    for (ui::Window* window : application_.stackingOrder()) windowCreated(*window);
    QObject::connect(qApp, &QApplication::focusChanged, &context_,
                     [this](QWidget*, QWidget* now) { focusChanged(now); });
}

QtBinding::~QtBinding() {
    if (application_.observer() == this) application_.setObserver(nullptr);
    windowViews_.clear();
}

WindowView* QtBinding::windowView(const ui::Window* window) const {
    const auto found = windowViews_.find(window);
    return found == windowViews_.end() ? nullptr : found->second.get();
}

QWidget* QtBinding::widgetFor(const ui::Element* element) const {
    WindowView* view = element ? windowView(&element->window()) : nullptr;
    return view ? view->widgetFor(element) : nullptr;
}

QMdiArea* QtBinding::mdiArea() const {
    ui::Window* main = application_.mainWindow();
    WindowView* view = main ? windowView(main) : nullptr;
    return view ? view->mdiArea() : nullptr;
}

void QtBinding::windowCreated(ui::Window& window) {
    windowViews_[&window] = WindowView::create(*this, window);
}

void QtBinding::windowDestroyed(ui::Window& window) {
    windowViews_.erase(&window);
}

void QtBinding::windowChanged(ui::Window& window, ui::WindowProperty property) {
    if (WindowView* view = windowView(&window)) view->syncWindow(property);
}

void QtBinding::elementChanged(ui::Element& element, ui::Property property) {
    if (WindowView* view = windowView(&element.window())) view->syncElement(element, property);
}

void QtBinding::zoomChanged() {
    for (const auto& [window, view] : windowViews_) view->syncWindow(ui::WindowProperty::Geometry);
}

void QtBinding::activationDue() {
    syncActivation();
}

void QtBinding::syncActivation() {
    SyncGuard guard(*this);
    for (ui::Window* window : application_.stackingOrder()) {
        WindowView* view = windowView(window);
        if (view && view->subWindow() && window->visible()) view->subWindow()->raise();
    }
    ui::Window* active = application_.activeWindow();
    WindowView* view = windowView(active);
    if (view == nullptr) return;
    if (view->subWindow()) {
        if (QMdiArea* area = mdiArea()) area->setActiveSubWindow(view->subWindow());
        if (WindowView* main = windowView(application_.mainWindow()))
            main->frame()->activateWindow();
    } else {
        view->frame()->raise();
        view->frame()->activateWindow();
    }
    view->syncFocus();
}

void QtBinding::focusChanged(QWidget* now) {
    if (syncing() || application_.inEvent() || now == nullptr) return;
    for (const auto& [window, view] : windowViews_) {
        // The main window holds the child windows: they answer for what lies inside them.
        if (window->kind() == ui::WindowKind::Main && view->mdiArea()->isAncestorOf(now)) continue;
        if (view->frame() != now && !view->frame()->isAncestorOf(now)) continue;
        const ui::Element* element = view->elementOfWidget(now);
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
    windowViews_.clear();
    QCoreApplication::exit(0);
}

}  // namespace torvi::qt
