#pragma once
// Design elements of a window: each has a design name, an index when it belongs to a control
// array, a position and size in twips (relative to its container), and visible and enabled flags.

#include <functional>
#include <string>

#include "ui/types.h"

namespace torvi::ui {

class Window;

enum class ElementKind {
    Label,
    TextBox,
    CommandButton,
    Frame,
    PictureBox,
    Line,
    Image,
    Timer,
    MenuItem
};

// The properties a view mirrors; an element reports each change it undergoes. A picture area's
// drawing reports its own changes (Drawing::onChanged); styles are set before a view exists.
enum class Property { Text, Selection, Geometry, Visible, Enabled, Checked, Timer };

inline constexpr int kNoIndex = -1;

class Element {
  public:
    Element(Window& window, ElementKind kind, std::string name, int index);
    virtual ~Element() = default;
    Element(const Element&) = delete;
    Element& operator=(const Element&) = delete;

    Window& window() const { return window_; }
    ElementKind kind() const { return kind_; }
    const std::string& name() const { return name_; }
    int index() const { return index_; }
    // "Text2(3)" for an array element, "Command1" otherwise.
    std::string designName() const;

    // The frame or picture area that holds the element, or none for the window's client area.
    Element* container() const { return container_; }
    void setContainer(Element* container) { container_ = container; }

    const Rect& geometry() const { return geometry_; }
    int left() const { return geometry_.left; }
    int top() const { return geometry_.top; }
    int width() const { return geometry_.width; }
    int height() const { return geometry_.height; }
    void setGeometry(const Rect& geometry);
    void setLeft(int left) {
        setGeometry({left, geometry_.top, geometry_.width, geometry_.height});
    }
    void setTop(int top) { setGeometry({geometry_.left, top, geometry_.width, geometry_.height}); }
    void setWidth(int width) {
        setGeometry({geometry_.left, geometry_.top, width, geometry_.height});
    }
    void setHeight(int height) {
        setGeometry({geometry_.left, geometry_.top, geometry_.width, height});
    }

    bool visible() const { return visible_; }
    bool enabled() const { return enabled_; }
    void setVisible(bool visible);
    void setEnabled(bool enabled);
    // Visible and enabled together with every container that holds it.
    bool effectivelyVisible() const;
    bool effectivelyEnabled() const;
    // Whether the element can hold the focus at all (text boxes and buttons).
    virtual bool takesFocus() const { return false; }

    // What a screen reader announces; empty means the caption or text.
    std::string accessibleName;

    // Focus events, raised by the elements that take the focus, and the click every element
    // can raise.
    std::function<void()> onGotFocus;
    std::function<void()> onLostFocus;
    std::function<void()> onClick;

  protected:
    void changed(Property property);

  private:
    Window& window_;
    ElementKind kind_;
    std::string name_;
    int index_;
    Element* container_ = nullptr;
    Rect geometry_;
    bool visible_ = true;
    bool enabled_ = true;
};

}  // namespace torvi::ui
