#include "qt/frame_view.h"

#include <QMouseEvent>
#include <QPainter>

#include "qt/conversions.h"

namespace torvi::qt {

FrameView::FrameView(ui::Frame& frame, QWidget* parent) : QWidget(parent), frame_(frame) {
    sync(ui::Property::Geometry);
}

void FrameView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(toQColor(ui::colours::grey));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(Qt::white);
    painter.drawRect(rect().adjusted(1, 1, -2, -2));
    if (!frame_.caption().empty()) painter.drawText(8, 12, toQString(frame_.caption()));
}

void FrameView::mouseReleaseEvent(QMouseEvent* event) {
    clickOnRelease(*event, frame_);
}

}  // namespace torvi::qt
