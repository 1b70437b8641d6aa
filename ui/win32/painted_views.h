#pragma once
// The elements the binding paints itself: labels, frames, picture areas (their fill, a stored
// picture cut to the box, their drawing and their lines), images and lines. They have no window
// of their own: their window's client area paints them over its own content, in design order,
// each cut to whatever holds it, beneath Windows' own controls (WindowView::paintElements).

#include "ui/controls.h"
#include "ui/win32/element_view.h"

namespace torvi::ui::win32 {

class PaintedView : public ElementView {
  public:
    // The form is the client area that paints the element.
    PaintedView(Element& element, HWND form);
    Element& element() const override { return element_; }
    // Repaints where the element was and where it is now.
    void sync(Property property) override;
    // Paints the element with the origin at its top-left corner, over a box of this size.
    virtual void paint(HDC dc, SIZE size) const = 0;

  protected:
    Element& element_;
    HWND form_;

  private:
    RECT shown_{};
    bool wasShown_ = false;
};

class LabelView : public PaintedView {
  public:
    LabelView(Label& label, HWND form) : PaintedView(label, form), label_(label) {}
    void paint(HDC dc, SIZE size) const override;

  private:
    Label& label_;
};

class FrameView : public PaintedView {
  public:
    FrameView(Frame& frame, HWND form) : PaintedView(frame, form) {}
    void paint(HDC dc, SIZE size) const override;
};

class PictureBoxView : public PaintedView {
  public:
    PictureBoxView(PictureBox& picture, HWND form);
    void paint(HDC dc, SIZE size) const override;

  private:
    PictureBox& picture_;
};

class ImageView : public PaintedView {
  public:
    ImageView(ImageElement& image, HWND form) : PaintedView(image, form), image_(image) {}
    void paint(HDC dc, SIZE size) const override;

  private:
    ImageElement& image_;
};

// Whatever holds a line (the client area or a picture area) paints it over its own content, in
// design order, so that lines laid over one another show as designed.
class LineView : public ElementView {
  public:
    LineView(LineElement& line, HWND form) : line_(line), form_(form) {}
    Element& element() const override { return line_; }
    void sync(Property) override { InvalidateRect(form_, nullptr, FALSE); }

  private:
    LineElement& line_;
    HWND form_;
};

// Paints the lines an element holds (or the window's own, for none), thicker ones growing down
// and to the right of their coordinates.
void paintLines(HDC dc, const Window& window, const Element* container);

// Whether the binding paints elements of this kind as boxes of their own (lines aside).
bool isPaintedBox(ElementKind kind);
// Whether elements of this kind hold others: frames and picture areas.
bool holdsElements(ElementKind kind);

}  // namespace torvi::ui::win32
