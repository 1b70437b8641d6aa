#pragma once
// The elements the binding paints itself: labels, frames, picture areas (their fill, a stored
// picture cut to the box, their drawing and their lines), images and lines. They have no window
// of their own: their window's client area paints them over its own content, in design order,
// each cut to whatever holds it, beneath Windows' own controls (WindowView::paintElements).

#include "ui/controls.h"
#include "win32/element_view.h"

namespace torvi::ui {
class Application;
}

namespace torvi::win32 {

// The areas of a client area to repaint. During an event they gather, and Windows hears of them
// together when the event ends (flush), one request where each element moved made two; outside
// an event, at once.
class PendingRepaint {
  public:
    PendingRepaint(HWND clientArea, const ui::Application& application)
        : clientArea_(clientArea), application_(application) {}
    ~PendingRepaint();
    PendingRepaint(const PendingRepaint&) = delete;
    PendingRepaint& operator=(const PendingRepaint&) = delete;
    void add(const RECT& area);
    // The whole client area.
    void addAll();
    void flush();

  private:
    HWND clientArea_;
    const ui::Application& application_;
    HRGN region_ = nullptr;
};

class PaintedView : public ElementView {
  public:
    // The element is painted by the client area the repaints are for.
    PaintedView(ui::Element& element, PendingRepaint& repaint);
    ui::Element& element() const override { return element_; }
    // Repaints where the element was and where it is now.
    void sync(ui::Property property) override;
    // Paints the element with the origin at its top-left corner, over a box of this size.
    virtual void paint(HDC dc, SIZE size) const = 0;

  protected:
    ui::Element& element_;

  private:
    PendingRepaint& repaint_;
    RECT shown_{};
    bool wasShown_ = false;
};

class LabelView : public PaintedView {
  public:
    LabelView(ui::Label& label, PendingRepaint& repaint)
        : PaintedView(label, repaint), label_(label) {}
    void paint(HDC dc, SIZE size) const override;

  private:
    ui::Label& label_;
};

class FrameView : public PaintedView {
  public:
    FrameView(ui::Frame& frame, PendingRepaint& repaint) : PaintedView(frame, repaint) {}
    void paint(HDC dc, SIZE size) const override;
};

class PictureBoxView : public PaintedView {
  public:
    PictureBoxView(ui::PictureBox& picture, PendingRepaint& repaint);
    void paint(HDC dc, SIZE size) const override;

  private:
    ui::PictureBox& picture_;
};

class ImageView : public PaintedView {
  public:
    ImageView(ui::ImageElement& image, PendingRepaint& repaint)
        : PaintedView(image, repaint), image_(image) {}
    void paint(HDC dc, SIZE size) const override;

  private:
    ui::ImageElement& image_;
};

// Whatever holds a line (the client area or a picture area) paints it over its own content, in
// design order, so that lines laid over one another show as designed.
class LineView : public ElementView {
  public:
    LineView(ui::LineElement& line, PendingRepaint& repaint) : line_(line), repaint_(repaint) {}
    ui::Element& element() const override { return line_; }
    void sync(ui::Property) override { repaint_.addAll(); }

  private:
    ui::LineElement& line_;
    PendingRepaint& repaint_;
};

// Paints the lines an element holds (or the window's own, for none), thicker ones growing down
// and to the right of their coordinates.
void paintLines(HDC dc, const ui::Window& window, const ui::Element* container);

// Whether the binding paints elements of this kind as boxes of their own (lines aside).
bool isPaintedBox(ui::ElementKind kind);
// Whether elements of this kind hold others: frames and picture areas.
bool holdsElements(ui::ElementKind kind);

}  // namespace torvi::win32
