#pragma once
// Mirrors one model window into Qt, with a widget for every element: what all windows share.
// The main window, the sub-windows of its workspace and the top-level windows each have their
// own view (main_window_view.h, child_window_view.h, top_level_view.h).

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <map>
#include <memory>
#include <vector>

#include "ui/window.h"

class QAction;
class QKeyEvent;
class QMdiArea;
class QMdiSubWindow;

namespace torvi::qt {

class ElementView;
class ClientAreaView;
class QtBinding;

class WindowView : public QObject {
  public:
    // The view for the window's kind, built and in step with the model.
    static std::unique_ptr<WindowView> create(QtBinding& binding, ui::Window& window);
    ~WindowView() override;

    ui::Window& window() const { return window_; }
    // The outermost widget: the main window, the sub-window or the top-level window.
    QWidget* frame() const { return frame_; }
    ClientAreaView* clientArea() const { return clientArea_; }
    virtual QMdiArea* mdiArea() const { return nullptr; }
    virtual QMdiSubWindow* subWindow() const { return nullptr; }
    ElementView* elementView(const ui::Element* element) const;
    QWidget* widgetFor(const ui::Element* element) const;
    ui::Element* elementOfWidget(const QObject* widget) const;
    QAction* actionFor(const ui::MenuItem* item) const;

    void syncWindow(ui::WindowProperty property);
    void syncElement(ui::Element& element, ui::Property property);
    // Gives Qt's focus to the element the model says has it.
    void syncFocus();
    bool syncing() const;

    // Runs a user event through the model. The event may close this window or end the program,
    // which deletes this view and its window: true when both are still there. After an event,
    // code touches this view or its window only when this said true.
    template <typename Event>
    bool deliver(Event&& event) {
        const QPointer<WindowView> alive(this);
        event();
        return !alive.isNull() && !window_.closed();
    }

  protected:
    WindowView(QtBinding& binding, ui::Window& window);

    // The frame widget and, inside it, the client area (none for the main window).
    virtual void createFrame() = 0;
    virtual void createMenus() {}
    virtual void syncGeometry() = 0;
    virtual void syncStyle() {}
    virtual void syncState() {}
    // The frame was shown, moved, resized, minimised, maximised or restored.
    virtual void frameChanged(QEvent&) {}
    bool eventFilter(QObject* watched, QEvent* event) override;

    QtBinding& binding_;
    ui::Window& window_;
    QPointer<QWidget> frame_;
    ClientAreaView* clientArea_ = nullptr;
    // Every element's view; menu items' views are their actions.
    std::map<const ui::Element*, ElementView*> elementViews_;
    std::vector<std::unique_ptr<ElementView>> ownViews_;  // those that are not widgets
    std::map<const ui::MenuItem*, QAction*> actions_;

  private:
    void build();
    void createElements();
    template <typename View>
    void adopt(ui::Element& element, View* view);
    // A key in the window: Ctrl+C, Tab, or a character for the model. True when it was taken.
    bool keyPressed(QObject* watched, QKeyEvent& key);
    bool tabPressed(const QKeyEvent& key);
    bool characterTyped(ui::Element* target, int code);
    // Ctrl+C: what the window offers to copy goes on the clipboard; false when it offers nothing.
    bool copyToClipboard();
    QWidget* parentFor(ui::Element& element) const;

    std::map<const ui::Element*, QWidget*> widgets_;
    std::map<const QObject*, ui::Element*> elements_;
};

// A close from the title bar or the window menu is the user's: the model decides.
template <typename Base>
class ClosableFrame : public Base {
  public:
    ClosableFrame(QtBinding& binding, ui::Window& window, QWidget* parent = nullptr)
        : Base(parent), binding_(binding), window_(window) {}

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QtBinding& binding_;
    ui::Window& window_;
};

}  // namespace torvi::qt
