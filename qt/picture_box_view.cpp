#include "qt/picture_box_view.h"

#include <QMouseEvent>
#include <QPainter>

#include "qt/conversions.h"
#include "qt/painting.h"

namespace torvi::qt {

PictureBoxView::PictureBoxView(ui::PictureBox& picture, QWidget* parent)
    : QWidget(parent), picture_(picture), pixmap_(loadPicture(picture.picture.resource)) {
    picture_.drawing.onChanged = [this] {
        keptValid_ = false;
        update();
    };
    sync(ui::Property::Geometry);
}

void PictureBoxView::sync(ui::Property) {
    syncBox(*this, picture_);
}

void PictureBoxView::render() {
    // The picture is kept at its design size; grown with its window it is drawn larger.
    kept_ = QImage(toPixels(picture_.geometry()).size(), QImage::Format_RGB32);
    kept_.fill(toQColor(picture_.fillColour));
    if (!pixmap_.isNull()) QPainter(&kept_).drawPixmap(0, 0, pixmap_);  // cut to the box
    drawInto(kept_, picture_.drawing);
    if (picture_.bordered) {
        QPainter painter(&kept_);
        painter.setPen(toQColor(ui::colours::grey));
        painter.drawRect(kept_.rect().adjusted(0, 0, -1, -1));
    }
    keptValid_ = true;
    shown_ = QImage();
}

void PictureBoxView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (pixmap_.isNull() && picture_.drawing.items().empty()) {
        // A plain box (a bar, a swatch) is filled and outlined at the size shown, as on Windows.
        painter.fillRect(rect(), toQColor(picture_.fillColour));
        if (picture_.bordered) {
            painter.setPen(toQColor(ui::colours::grey));
            painter.drawRect(rect().adjusted(0, 0, -1, -1));
        }
        return;
    }
    if (!keptValid_ || kept_.size() != toPixels(picture_.geometry()).size()) render();
    if (kept_.size() == size()) return painter.drawImage(0, 0, kept_);
    // Smoothing is the dearest part of a repaint at a large size; it is done once a size.
    if (shown_.size() != size()) {
        shown_ = QImage(size(), QImage::Format_RGB32);
        QPainter smoothing(&shown_);
        smoothing.setRenderHint(QPainter::SmoothPixmapTransform);
        smoothing.drawImage(shown_.rect(), kept_);
    }
    painter.drawImage(0, 0, shown_);
}

void PictureBoxView::mouseReleaseEvent(QMouseEvent* event) {
    clickOnRelease(*event, picture_);
}

}  // namespace torvi::qt
