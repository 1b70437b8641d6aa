#include "qt/label_view.h"

#include <QMouseEvent>
#include <QPainter>

#include "qt/conversions.h"
#include "qt/fonts.h"

namespace torvi::qt {

LabelView::LabelView(ui::Label& label, QWidget* parent) : QLabel(parent), label_(label) {
    sync(ui::Property::Text);
}

void LabelView::sync(ui::Property) {
    // A fitted label has the size the model measured for its text.
    setGeometry(shownPlace(label_));
    setVisible(label_.visible());
    describe(*this, label_);
    update();
}

void LabelView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (label_.opaque) painter.fillRect(rect(), toQColor(label_.fillColour));
    if (label_.bordered) {
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (label_.caption().empty()) return;
    // In a graph grown with its window the text grows with it, in the same place.
    const double scale = scaleOf(label_);
    painter.scale(scale, scale);
    const QRectF area(0, 0, width() / scale, height() / scale);
    painter.setFont(screenFont(label_.font));
    painter.setPen(toQColor(label_.foreColour));
    const Qt::Alignment horizontal = label_.alignment == ui::Alignment::Centre  ? Qt::AlignHCenter
                                     : label_.alignment == ui::Alignment::Right ? Qt::AlignRight
                                                                                : Qt::AlignLeft;
    // A label fitted to its text keeps it on one line; a fixed one wraps it at word boundaries.
    const int wrap = label_.fitted ? Qt::TextSingleLine : Qt::TextWordWrap;
    painter.drawText(area, horizontal | Qt::AlignTop | wrap, toQString(label_.caption()));
}

void LabelView::mouseReleaseEvent(QMouseEvent* event) {
    clickOnRelease(*event, label_);
}

}  // namespace torvi::qt
