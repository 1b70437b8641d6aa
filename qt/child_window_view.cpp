#include "qt/child_window_view.h"

#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "qt/client_area_view.h"
#include "qt/conversions.h"
#include "qt/qt_binding.h"
#include "ui/user_input.h"

namespace torvi::qt {

void ChildWindowView::createFrame() {
    auto* sub = new ClosableFrame<QMdiSubWindow>(binding_, window_);
    sub->setAttribute(Qt::WA_DeleteOnClose, false);
    // A click on the window's own parts leaves the keyboard focus with its elements.
    sub->setFocusPolicy(Qt::NoFocus);
    clientArea_ = new ClientAreaView(window_, sub);
    sub->setWidget(clientArea_);
    if (QMdiArea* area = binding_.mdiArea()) area->addSubWindow(sub);
    subWindow_ = sub;
    frame_ = sub;
}

namespace {

ui::WindowState stateOf(const QMdiSubWindow& sub) {
    if (sub.isMinimized()) return ui::WindowState::Minimised;
    if (sub.isMaximized()) return ui::WindowState::Maximised;
    return ui::WindowState::Normal;
}

}  // namespace

void ChildWindowView::syncGeometry() {
    // A minimised or maximised window keeps its normal place until it is restored.
    if (window_.state() == ui::WindowState::Normal)
        frame_->setGeometry(zoomedPixels(window_.application(), window_.geometry()));
}

void ChildWindowView::syncState() {
    if (stateOf(*subWindow_) == window_.state()) return;
    switch (window_.state()) {
        case ui::WindowState::Normal:
            subWindow_->showNormal();
            syncGeometry();
            break;
        case ui::WindowState::Minimised:
            subWindow_->showMinimized();
            break;
        case ui::WindowState::Maximised:
            subWindow_->showMaximized();
            break;
    }
}

void ChildWindowView::frameChanged(QEvent& event) {
    if (window_.closed() || !subWindow_->isVisible()) return;
    if (!syncing() && event.type() != QEvent::WindowStateChange) return reportPlace();
    // What Qt does while the binding mirrors the model (the workspace maximising the window it
    // activates) and a change of state, whose place Qt sets afterwards, are told once Qt has
    // finished.
    if (reportQueued_) return;
    reportQueued_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            reportQueued_ = false;
            if (!window_.closed() && subWindow_->isVisible()) reportPlace();
        },
        Qt::QueuedConnection);
}

void ChildWindowView::reportPlace() {
    const ui::WindowState shownState = stateOf(*subWindow_);
    if (shownState != window_.state() && !deliver([&] { ui::deliverState(window_, shownState); })) {
        return;
    }
    if (shownState != ui::WindowState::Normal) return;
    const QRect shown = subWindow_->geometry();
    const ui::Application& application = window_.application();
    if (shown == zoomedPixels(application, window_.geometry())) return;
    const auto pixels = [&](int twips) { return zoomedPixels(application, twips); };
    const auto twips = [&](int pixels) { return zoomedTwips(application, pixels); };
    ui::deliverGeometry(window_,
                        ui::twipsOfShownPlace(window_.geometry(),
                                              {shown.x(), shown.y(), shown.width(), shown.height()},
                                              pixels, twips));
}

}  // namespace torvi::qt
