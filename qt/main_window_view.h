#pragma once
// The main window: a QMainWindow whose workspace holds the child windows, with the menu bar.

#include <QElapsedTimer>
#include <QMargins>

#include "qt/window_view.h"

class QMainWindow;
class QTimer;

namespace torvi::qt {

class MainWindowView : public WindowView {
  public:
    MainWindowView(QtBinding& binding, ui::Window& window) : WindowView(binding, window) {}
    QMdiArea* mdiArea() const override { return mdiArea_; }

  protected:
    void createFrame() override;
    void createMenus() override;
    void syncGeometry() override;
    void frameChanged(QEvent& event) override;

  private:
    // The frame the window manager drew, once it is known; before that, and where the platform
    // draws none, the frame the model assumes.
    QMargins frameMargins() const;
    // The frame became known or changed: the client area makes room for it.
    void refitFrame();

    QMainWindow* mainWindow_ = nullptr;
    QMdiArea* mdiArea_ = nullptr;
    QMargins appliedMargins_;       // the frame the client size allows for
    QTimer* frameWatch_ = nullptr;  // looks for the frame after the window is shown
    QElapsedTimer frameWaited_;
};

}  // namespace torvi::qt
