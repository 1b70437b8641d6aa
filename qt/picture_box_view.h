#pragma once
// A picture area: its fill, a stored picture cut to the box, and what is drawn into it, kept as an
// image that repaints until the drawing changes, and, in a window grown to fill, kept at the size
// shown as well.

#include <QImage>
#include <QPixmap>
#include <QWidget>

#include "qt/element_view.h"
#include "ui/controls.h"

namespace torvi::qt {

class PictureBoxView : public QWidget, public ElementView {
  public:
    PictureBoxView(ui::PictureBox& picture, QWidget* parent);
    void sync(ui::Property property) override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void render();

    ui::PictureBox& picture_;
    QPixmap pixmap_;
    QImage kept_;
    bool keptValid_ = false;
    QImage shown_;  // kept_ smoothed to the widget's size, when that differs
};

}  // namespace torvi::qt
