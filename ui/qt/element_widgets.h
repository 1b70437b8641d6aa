#pragma once
// The Qt widgets that show the model's elements. Each paints or shows what its element holds and
// passes the user's clicks on to the model; the window view mirrors property changes into them.

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>

#include "ui/controls.h"
#include "ui/window.h"

class QPainter;

namespace torvi::ui::qt {

class WindowView;

// What every element's widget does: mirror one changed property of its element.
class ElementView {
  public:
    virtual ~ElementView() = default;
    virtual void sync(Property property) = 0;
};

// A picture resource, or a null pixmap when there is none.
QPixmap loadPicture(const Picture& picture);

// The client area of a window: its background and what is drawn on the window itself.
class FormView : public QWidget {
  public:
    FormView(Window& window, QWidget* parent);
    Window& window() const { return window_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Window& window_;
};

// A QLabel, so that screen readers meet a label with its text; it paints the model's style itself.
class LabelView : public QLabel, public ElementView {
  public:
    LabelView(Label& label, QWidget* parent);
    void sync(Property property) override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    Label& label_;
};

// The model edits the text: a typed character replaces the model's selection, which the view
// keeps equal to Qt's. Edits Qt makes itself (paste, cut, Delete) come back as edit events.
class TextBoxView : public QLineEdit, public ElementView {
  public:
    TextBoxView(TextBox& box, WindowView& view, QWidget* parent);
    void sync(Property property) override;
    TextBox& box() const { return box_; }
    // Tells the model where the user has put the insertion point and the selection.
    void reportSelection();

  protected:
    void focusInEvent(QFocusEvent* event) override;

  private:
    void showSelection();

    TextBox& box_;
    WindowView& view_;
};

// A button takes the focus only when it is clicked, that is, released where it was pressed.
class ButtonView : public QPushButton, public ElementView {
  public:
    ButtonView(CommandButton& button, WindowView& view, QWidget* parent);
    void sync(Property property) override;

  private:
    CommandButton& button_;
};

// Frames, picture areas and images: a box that can be clicked.
class BoxView : public QWidget, public ElementView {
  public:
    BoxView(Element& element, QWidget* parent);
    void sync(Property property) override;
    // The picture area's drawing changed: paint it afresh into the kept image.
    void drawingChanged();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void renderPicture(PictureBox& picture);

    Element& element_;
    QPixmap pixmap_;
    // A picture area keeps an image of what is drawn into it and repaints from that.
    QImage kept_;
    bool keptValid_ = false;
};

// A line thicker than one pixel grows down and to the right of its coordinates.
class LineView : public QWidget, public ElementView {
  public:
    LineView(LineElement& line, QWidget* parent);
    void sync(Property property) override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    LineElement& line_;
};

}  // namespace torvi::ui::qt
