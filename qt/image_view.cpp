#include "qt/image_view.h"

#include <QMouseEvent>
#include <QPainter>

#include "qt/painting.h"

namespace torvi::qt {

ImageView::ImageView(ui::ImageElement& image, QWidget* parent)
    : QWidget(parent), image_(image), pixmap_(loadPicture(image.picture.resource)) {
    sync(ui::Property::Geometry);
}

void ImageView::paintEvent(QPaintEvent*) {
    if (pixmap_.isNull()) return;
    QPainter painter(this);
    if (image_.stretch) {
        painter.drawPixmap(rect(), pixmap_);
    } else {
        painter.drawPixmap(0, 0, pixmap_);
    }
}

void ImageView::mouseReleaseEvent(QMouseEvent* event) {
    clickOnRelease(*event, image_);
}

}  // namespace torvi::qt
