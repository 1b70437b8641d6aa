#include "qt/main_window_view.h"

#include <QAction>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QTimer>
#include <QWindow>

#include "qt/conversions.h"
#include "qt/menu_item_view.h"
#include "qt/qt_binding.h"
#include "ui/application.h"
#include "ui/user_input.h"

namespace torvi::qt {

namespace {

// A menu item's shortcut as Qt's keys: F1, or Ctrl with a letter or sign; Ctrl++ is also Ctrl+=,
// the same key without Shift.
QList<QKeySequence> keySequencesOf(char shortcut) {
    switch (shortcut) {
        case ui::kF1Shortcut:
            return {QKeySequence(Qt::Key_F1)};
        case '+':
            return {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)};
        case '-':
            return {QKeySequence(Qt::CTRL | Qt::Key_Minus)};
        case '0':
            return {QKeySequence(Qt::CTRL | Qt::Key_0)};
        default:
            return {QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_A + (shortcut - 'A')))};
    }
}

}  // namespace
void MainWindowView::createFrame() {
    auto* main = new ClosableFrame<QMainWindow>(binding_, window_);
    mdiArea_ = new QMdiArea(main);
    mdiArea_->setBackground(toQColor(ui::colours::applicationWorkspace));
    // A child window reaching beyond the workspace can be scrolled into view.
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    main->setCentralWidget(mdiArea_);
    QObject::connect(mdiArea_, &QMdiArea::subWindowActivated, mdiArea_, [this](QMdiSubWindow* sub) {
        if (sub == nullptr || binding_.syncing()) return;
        // Activation reorders the windows: find the one first, then tell the model.
        for (ui::Window* window : binding_.application().stackingOrder()) {
            WindowView* view = binding_.windowView(window);
            if (view && view->subWindow() == sub) {
                view->deliver([window] { ui::deliverActivate(*window); });
                return;
            }
        }
    });
    mainWindow_ = main;
    frame_ = main;
}

void MainWindowView::createMenus() {
    QMenuBar* bar = mainWindow_->menuBar();
    std::map<const ui::MenuItem*, QMenu*> menus;
    for (const auto& owned : window_.elements()) {
        if (owned->kind() != ui::ElementKind::MenuItem) continue;
        auto* item = static_cast<ui::MenuItem*>(owned.get());
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
                action->setShortcuts(keySequencesOf(item->shortcut()));
                action->setShortcutContext(Qt::WindowShortcut);
            }
            QObject::connect(action, &QAction::triggered, action, [this, item, action] {
                // Exit ends the program and deletes this view with its menus' model.
                if (!deliver([item] { ui::deliverMenu(*item); })) return;
                // Qt flips a checkable action by itself; the model's mark is the one that counts.
                SyncGuard guard(binding_);
                action->setChecked(item->checked());
            });
        }
        action->setObjectName(toQString(item->name()));
        // Screen readers read a menu item's description from its tool tip and status text.
        action->setStatusTip(toQString(item->name()));
        action->setToolTip(toQString(item->name()));
        actions_[item] = action;
        ownViews_.push_back(std::make_unique<MenuItemView>(*item, *action));
        elementViews_[item] = ownViews_.back().get();
    }
}

QMargins MainWindowView::frameMargins() const {
    const QWindow* handle = frame_->windowHandle();
    if (handle != nullptr && frame_->isVisible() && !handle->frameMargins().isNull())
        return handle->frameMargins();
    const ui::FrameSize border = window_.frame();
    return QMargins(toPixels(border.side), toPixels(border.top), toPixels(border.side),
                    toPixels(border.side));
}

void MainWindowView::syncGeometry() {
    // The outer size includes the frame and the title bar.
    const ui::Rect outer = window_.geometry();
    const QMargins margins = frameMargins();
    const ui::Application& application = window_.application();
    frame_->resize(zoomedPixels(application, outer.width) - margins.left() - margins.right(),
                   zoomedPixels(application, outer.height) - margins.top() - margins.bottom());
    appliedMargins_ = margins;
}

void MainWindowView::refitFrame() {
    const QMargins now = frameMargins();
    if (now == appliedMargins_ || syncing()) return;
    // The outer size stays; the client area gives the frame what it took.
    const int wider = appliedMargins_.left() + appliedMargins_.right() - now.left() - now.right();
    const int taller = appliedMargins_.top() + appliedMargins_.bottom() - now.top() - now.bottom();
    appliedMargins_ = now;
    SyncGuard guard(binding_);
    frame_->resize(frame_->width() + wider, frame_->height() + taller);
}

void MainWindowView::frameChanged(QEvent& event) {
    refitFrame();
    // The window manager tells its frame some time after the window is shown, later on a busy
    // machine: look until it is known, for a while.
    if (event.type() != QEvent::Show) return;
    if (frameWatch_ == nullptr) {
        frameWatch_ = new QTimer(this);
        QObject::connect(frameWatch_, &QTimer::timeout, this, [this] {
            refitFrame();
            const QWindow* handle = frame_->windowHandle();
            const bool known = handle != nullptr && !handle->frameMargins().isNull();
            if (known || frameWaited_.elapsed() > 10'000) frameWatch_->stop();
        });
    }
    frameWaited_.start();
    frameWatch_->start(50);
}

}  // namespace torvi::qt
