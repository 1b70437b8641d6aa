#pragma once
// Binds the window model to Qt Widgets: creates a view for every model window, mirrors every
// change into it, forwards the user's input as model events, and keeps Qt's focus where the
// model says it is after each event.

#include <QObject>
#include <map>
#include <memory>

#include "ui/application.h"

class QMdiArea;
class QWidget;

namespace torvi::qt {

class WindowView;

class QtBinding : public ui::ApplicationObserver {
  public:
    explicit QtBinding(ui::Application& application);
    ~QtBinding() override;

    ui::Application& application() const { return application_; }
    WindowView* windowView(const ui::Window* window) const;
    QWidget* widgetFor(const ui::Element* element) const;
    // The main window's MDI area, where child windows live.
    QMdiArea* mdiArea() const;
    bool syncing() const { return syncing_ > 0; }

    void windowCreated(ui::Window& window) override;
    void windowDestroyed(ui::Window& window) override;
    void windowChanged(ui::Window& window, ui::WindowProperty property) override;
    void elementChanged(ui::Element& element, ui::Property property) override;
    void activationDue() override;
    void zoomChanged() override;
    void ended() override;

    // Puts the active window in front and the focus where the model has it.
    void syncActivation();

  private:
    friend class SyncGuard;
    // Qt moved its focus by itself (a click where nothing takes the focus, a window part).
    void focusChanged(QWidget* now);

    ui::Application& application_;
    std::map<const ui::Window*, std::unique_ptr<WindowView>> windowViews_;
    int syncing_ = 0;
    QObject context_;  // owns the binding's connections to Qt
};

// Marks changes the binding makes itself, so that Qt's reactions to them are not taken for input.
class SyncGuard {
  public:
    explicit SyncGuard(QtBinding& binding) : binding_(binding) { ++binding_.syncing_; }
    ~SyncGuard() { --binding_.syncing_; }

  private:
    QtBinding& binding_;
};

}  // namespace torvi::qt
