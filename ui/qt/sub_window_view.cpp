#include "ui/qt/sub_window_view.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include "ui/qt/element_widgets.h"
#include "ui/qt/qt_binding.h"
#include "ui/qt/qt_text_metrics.h"
#include "ui/user_input.h"

namespace torvi::ui::qt {

void SubWindowView::createFrame() {
    auto* sub = new ClosableFrame<QMdiSubWindow>(binding_, window_);
    sub->setAttribute(Qt::WA_DeleteOnClose, false);
    // A click on the window's own parts leaves the keyboard focus with its elements.
    sub->setFocusPolicy(Qt::NoFocus);
    form_ = new FormView(window_, sub);
    sub->setWidget(form_);
    if (QMdiArea* area = binding_.mdiArea()) area->addSubWindow(sub);
    subWindow_ = sub;
    frame_ = sub;
}

void SubWindowView::syncGeometry() {
    frame_->setGeometry(toPixels(window_.geometry()));
}

void SubWindowView::restoreIfMinimised() {
    if (!subWindow_->isMinimized()) return;
    SyncGuard guard(binding_);
    subWindow_->showNormal();
    syncGeometry();
}

void SubWindowView::frameChanged(QEvent&) {
    if (syncing() || window_.closed() || !subWindow_->isVisible() || subWindow_->isMinimized() ||
        subWindow_->isMaximized()) {
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

}  // namespace torvi::ui::qt
