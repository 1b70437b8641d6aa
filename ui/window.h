#pragma once
// A window: its own design elements, created with it and destroyed with it, its caption, outer
// geometry in twips, border style, persistent drawing and its own focused element.

#include <memory>
#include <string>
#include <vector>

#include "ui/controls.h"
#include "ui/drawing.h"

namespace torvi::ui {

class Application;

enum class WindowKind { Main, Child, TopLevel };
enum class BorderStyle { Sizable, FixedDialog, None };
enum class WindowProperty { Caption, Geometry, Visible, Style, Focus, State, ContentScale };
// A child window as the user left it; its geometry is always the normal place and size.
enum class WindowState { Normal, Minimised, Maximised };

// The frame around a window's client area, in twips, for each border style.
struct FrameSize {
    int side;
    int top;  // border plus title bar
};
FrameSize frameSize(BorderStyle style, bool titleBar = true);

// Where the workspace puts a new child window that does not place itself, given how many child
// windows it has created before: each one step (a title bar and frame) further down and right
// than the last, starting again at the corner when the steps would reach a third of the
// workspace's height from its bottom.
Rect defaultChildPlace(const Rect& size, int createdBefore, int workspaceHeight);
// The height of the main window's workspace: its client area below a menu bar of one line.
int workspaceHeight(const Window& mainWindow);

// The view a binding makes for a window of this kind: its main window's, a child window's or a
// top-level window's, each built from the same arguments.
template <typename View, typename Main, typename Child, typename TopLevel, typename... Arguments>
std::unique_ptr<View> viewForKind(WindowKind kind, Arguments&... arguments) {
    switch (kind) {
        case WindowKind::Main:
            return std::make_unique<Main>(arguments...);
        case WindowKind::Child:
            return std::make_unique<Child>(arguments...);
        case WindowKind::TopLevel:
            return std::make_unique<TopLevel>(arguments...);
    }
    return nullptr;
}

class Window {
  public:
    Window(Application& application, std::string name, WindowKind kind);
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    Application& application() const { return application_; }
    const std::string& name() const { return name_; }
    WindowKind kind() const { return kind_; }

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    std::string icon;  // resource name of the window icon
    BorderStyle borderStyle() const { return borderStyle_; }
    void setBorderStyle(BorderStyle style);
    // The close box; a bordered window without it and without a caption has no title bar.
    bool controlBox = true;
    bool hasTitleBar() const;
    FrameSize frame() const { return frameSize(borderStyle_, hasTitleBar()); }
    bool keyPreview = false;       // the window's key handler sees each key first
    bool centredOnScreen = false;  // top-level windows placed in the middle of the screen
    bool showInTaskbar = true;     // top-level windows only; a child lives inside the main window
    Rgb backColour = colours::buttonFace;
    Font font;  // for text drawn on the window

    // Outer geometry: position in the main window's client area (children) or on the screen.
    // Placing a minimised or maximised window restores it first.
    const Rect& geometry() const { return geometry_; }
    void setGeometry(const Rect& geometry);
    WindowState state() const { return state_; }
    void setState(WindowState state);
    void setLeft(int left) {
        setGeometry({left, geometry_.top, geometry_.width, geometry_.height});
    }
    void setTop(int top) { setGeometry({geometry_.left, top, geometry_.width, geometry_.height}); }
    void move(int left, int top) { setGeometry({left, top, geometry_.width, geometry_.height}); }
    void setWidth(int width) {
        setGeometry({geometry_.left, geometry_.top, width, geometry_.height});
    }
    void setHeight(int height) {
        setGeometry({geometry_.left, geometry_.top, geometry_.width, height});
    }
    // The client area follows from the outer size and the frame of the border style.
    int clientWidth() const;
    int clientHeight() const;
    void setClientSize(int width, int height);

    bool visible() const { return visible_; }
    bool closed() const { return closed_; }
    // Shows the window and brings it in front of the others, making it the active window; a
    // minimised window comes back at its place.
    void show();
    void activate();
    // Closes and destroys the window; a later reference creates a fresh one.
    void close();

    // Elements, owned by the window from its creation.
    template <typename T, typename... Args>
    T& add(Args&&... args) {
        auto element = std::make_unique<T>(*this, std::forward<Args>(args)...);
        T& result = *element;
        elements_.push_back(std::move(element));
        return result;
    }
    const std::vector<std::unique_ptr<Element>>& elements() const { return elements_; }
    std::vector<MenuItem*> menuBar() const;
    std::vector<Timer*> timers() const;

    // The elements that can take the focus, in tab order.
    std::vector<Element*> tabOrder;

    Element* focused() const { return focused_; }
    // Moves the focus within this window. Fails, changing nothing, when the element is hidden,
    // disabled or cannot hold the focus. On success the new focus is recorded first, then the
    // element that lost it raises its leave event, then the new one its gain event if it still
    // holds the focus. A leave handler may move the focus again.
    // selectText off leaves a text box's own selection as it is.
    bool setFocus(Element& element, bool selectText = true);
    // Records the focus without any event: for a view that had to put it elsewhere.
    void adoptFocus(Element* element);
    // A focused element that the event just run hid or disabled gives the focus back to the
    // element that held it before, with that box's insertion point as it was, or else passes it
    // along the tab order, so that the keys that follow are not lost.
    void settleFocus();
    // The next element in tab order that can take the focus, after the focused one.
    Element* nextInTabOrder(bool forward) const;

    // A window whose contents grow with it (the results graphs) is told the client size, in twips,
    // its design was drawn for; the contents of others keep their size.
    void fillFrom(int designWidth, int designHeight);
    // The client size the screen shows, in the model's twips at the zoom (a zoomed pixel is
    // fewer twips), as the binding reports it after the user resized or maximised the window: it
    // decides how far contents that fill the window grow.
    void setShownClientSize(int width, int height);
    // The scale the window's contents are shown at: the zoom, and more for contents that fill a
    // larger window.
    double contentScale() const;

    // What is drawn on the window itself.
    Drawing drawing;
    // Forgets whom the window's drawings tell of their changes, its own and its picture areas':
    // for a view that goes while the window stays.
    void disconnectDrawings();

    // What Ctrl+C copies from the window: a table as tab-separated text and as HTML, or the
    // window's picture; nothing unless the window says so.
    struct Copy {
        std::string text;
        std::string html;
        bool picture = false;
    };
    virtual Copy copy() const { return {}; }

    // Handlers a window may provide.
    virtual void Form_Load() {}
    virtual void Form_Unload() {}
    virtual void Form_KeyPress(int /*keyAscii*/) {}

    // Runs the load handler; a child window then shows itself.
    void load();
    void notify(WindowProperty property);
    void markClosed() { closed_ = true; }

  private:
    Application& application_;
    std::string name_;
    WindowKind kind_;
    std::string caption_;
    BorderStyle borderStyle_ = BorderStyle::Sizable;
    Rect geometry_{0, 0, 4800, 3600};
    WindowState state_ = WindowState::Normal;
    Point fillDesign_;  // the design's client size for contents that fill the window
    double fill_ = 1;   // how far contents that fill the window grow beyond the zoom
    bool visible_ = false;
    bool closed_ = false;
    Element* focused_ = nullptr;
    Element* previousFocus_ = nullptr;
    int focusDepth_ = 0;
    std::vector<std::unique_ptr<Element>> elements_;
};

}  // namespace torvi::ui
