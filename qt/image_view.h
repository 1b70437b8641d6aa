#pragma once
// An image: a stored picture at its natural size, or stretched to the box.

#include <QPixmap>
#include <QWidget>

#include "qt/element_view.h"
#include "ui/controls.h"

namespace torvi::qt {

class ImageView : public QWidget, public ElementView {
  public:
    ImageView(ui::ImageElement& image, QWidget* parent);
    void sync(ui::Property) override { syncBox(*this, image_); }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    ui::ImageElement& image_;
    QPixmap pixmap_;
};

}  // namespace torvi::qt
