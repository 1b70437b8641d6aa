#pragma once
// A picture area: its fill, a stored picture cut to the box, and what is drawn into it, kept as an
// image that repaints until the drawing changes.

#include <QImage>
#include <QPixmap>
#include <QWidget>

#include "ui/controls.h"
#include "ui/qt/element_view.h"

namespace torvi::ui::qt {

class PictureBoxView : public QWidget, public ElementView {
  public:
    PictureBoxView(PictureBox& picture, QWidget* parent);
    void sync(Property property) override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void render();

    PictureBox& picture_;
    QPixmap pixmap_;
    QImage kept_;
    bool keptValid_ = false;
};

// A picture resource, or a null pixmap when there is none.
QPixmap loadPicture(const Picture& picture);

}  // namespace torvi::ui::qt
