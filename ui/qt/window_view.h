#pragma once
// Mirrors one model window into Qt: a sub-window of the main window's MDI area, a top-level
// window, or the main window itself, with a widget for every element.

#include <QMargins>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <map>

#include "ui/window.h"

class QAction;
class QKeyEvent;
class QMainWindow;
class QMdiArea;
class QMdiSubWindow;
class QTimer;
class QWidget;

namespace torvi::ui::qt {

class ElementView;
class FormView;
class QtBinding;

class WindowView : public QObject {
  public:
    WindowView(QtBinding& binding, Window& window);
    ~WindowView() override;

    Window& window() const { return window_; }
    // The outermost widget: the main window, the sub-window or the top-level window.
    QWidget* frame() const { return frame_; }
    QMdiArea* mdiArea() const { return mdiArea_; }
    QMdiSubWindow* subWindow() const { return subWindow_; }
    FormView* form() const { return form_; }
    QWidget* widgetFor(const Element* element) const;
    Element* elementFor(const QObject* widget) const;
    QAction* actionFor(const MenuItem* item) const;

    void syncWindow(WindowProperty property);
    void syncElement(Element& element, Property property);
    // Gives Qt's focus to the element the model says has it; when that widget cannot hold it,
    // the model adopts the element that holds Qt's focus instead, without events.
    void syncFocus();
    bool syncing() const;
    // A window brought to the front that the user had minimised comes back at its place.
    void restoreIfMinimised();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createFrame();
    void createElements();
    void createMenus();
    void syncGeometry();
    void syncTimer(const Timer& timer);
    // The frame the window manager drew around a top-level window, once it is known; before
    // that, and where the platform draws none, the frame the model assumes.
    QMargins frameMargins() const;
    // The main window's frame became known or changed: its client area makes room for it.
    void refitFrame();
    bool keyPressed(QObject* watched, QKeyEvent& key);
    // Ctrl+C: what the window offers to copy goes on the clipboard; false when it offers nothing.
    bool copyToClipboard();
    // The user moved or resized a child window: the model takes the new place.
    void reportGeometry();
    QWidget* parentFor(Element& element) const;

    QtBinding& binding_;
    Window& window_;
    QPointer<QWidget> frame_;
    QMainWindow* mainWindow_ = nullptr;
    QMdiArea* mdiArea_ = nullptr;
    QMdiSubWindow* subWindow_ = nullptr;
    FormView* form_ = nullptr;
    std::map<const Element*, QWidget*> widgets_;
    std::map<const Element*, ElementView*> views_;
    std::map<const QObject*, Element*> elements_;
    std::map<const MenuItem*, QAction*> actions_;
    std::map<const Timer*, QTimer*> timers_;
    QMargins appliedMargins_;  // the frame the main window's client size allows for
};

}  // namespace torvi::ui::qt
