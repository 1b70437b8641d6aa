#pragma once
// The Qt widgets that show the model's elements. Each paints or shows what its element holds and
// passes the user's clicks on to the model; the window view mirrors property changes into them.

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

// Paints a persistent drawing whose coordinates are twips, at 15 twips per pixel.
void paintDrawing(QPainter& painter, const Drawing& drawing);
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
class LabelView : public QLabel {
  public:
    LabelView(Label& label, QWidget* parent);
    void sync();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    Label& label_;
};

class TextBoxView : public QLineEdit {
  public:
    TextBoxView(TextBox& box, WindowView& view, QWidget* parent);
    void sync();
    TextBox& box() const { return box_; }

  protected:
    void focusInEvent(QFocusEvent* event) override;

  private:
    TextBox& box_;
    WindowView& view_;
};

class ButtonView : public QPushButton {
  public:
    ButtonView(CommandButton& button, QWidget* parent);
    void sync();

  private:
    CommandButton& button_;
};

// Frames, picture areas and images: a box that can be clicked.
class BoxView : public QWidget {
  public:
    BoxView(Element& element, QWidget* parent);
    void sync();
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
    QPixmap kept_;
    bool keptValid_ = false;
};

class LineView : public QWidget {
  public:
    LineView(LineElement& line, QWidget* parent);
    void sync();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    LineElement& line_;
};

}  // namespace torvi::ui::qt
