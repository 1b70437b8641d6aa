#pragma once
// An image: a stored picture at its natural size, or stretched to the box.

#include <QPixmap>
#include <QWidget>

#include "ui/controls.h"
#include "ui/qt/element_view.h"

namespace torvi::ui::qt {

class ImageView : public QWidget, public ElementView {
  public:
    ImageView(ImageElement& image, QWidget* parent);
    void sync(Property) override { syncBox(*this, image_); }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    ImageElement& image_;
    QPixmap pixmap_;
};

}  // namespace torvi::ui::qt
