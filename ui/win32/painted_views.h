#pragma once
// The elements the binding paints itself, each in a window of the binding's own class: labels,
// frames, picture areas (their fill, a stored picture cut to the box, their drawing and their
// lines), images and lines.

#include "ui/controls.h"
#include "ui/win32/element_view.h"

namespace torvi::ui::win32 {

class LabelView : public ElementView {
  public:
    LabelView(Label& label, HWND parent);
    Element& element() const override { return label_; }
    void sync(Property) override { syncPlace(handle_, label_); }
    void paint(HDC dc) override;

  private:
    Label& label_;
};

class FrameView : public ElementView {
  public:
    FrameView(Frame& frame, HWND parent);
    Element& element() const override { return frame_; }
    void sync(Property) override { syncPlace(handle_, frame_); }
    void paint(HDC dc) override;

  private:
    Frame& frame_;
};

class PictureBoxView : public ElementView {
  public:
    PictureBoxView(PictureBox& picture, HWND parent);
    Element& element() const override { return picture_; }
    void sync(Property) override { syncPlace(handle_, picture_); }
    void paint(HDC dc) override;

  private:
    PictureBox& picture_;
};

class ImageView : public ElementView {
  public:
    ImageView(ImageElement& image, HWND parent);
    Element& element() const override { return image_; }
    void sync(Property) override { syncPlace(handle_, image_); }
    void paint(HDC dc) override;

  private:
    ImageElement& image_;
};

// A line has no window: whatever holds it (the window's client area or a picture area) paints it
// over its own content, in design order, so that lines laid over one another show as designed.
class LineView : public ElementView {
  public:
    // The holder is the window of whatever holds the line.
    LineView(LineElement& line, HWND holder) : line_(line), holder_(holder) {}
    Element& element() const override { return line_; }
    void sync(Property) override { InvalidateRect(holder_, nullptr, FALSE); }

  private:
    LineElement& line_;
    HWND holder_;
};
// Paints the lines an element holds (or the window's own, for none), thicker ones growing down
// and to the right of their coordinates.
void paintLines(HDC dc, const Window& window, const Element* container);

}  // namespace torvi::ui::win32
