#include "qt/client_area_view.h"

#include <QPaintEvent>
#include <QPainter>

#include "qt/conversions.h"
#include "qt/painting.h"

namespace torvi::qt {

ClientAreaView::ClientAreaView(ui::Window& window, QWidget* parent)
    : QWidget(parent), window_(window) {
    setAutoFillBackground(false);
    // A window without elements that take the focus holds it itself, for its keys; in any other
    // a click where no element can take the focus leaves it where it was.
    setFocusPolicy(window.tabOrder.empty() ? Qt::StrongFocus : Qt::NoFocus);
    setAccessibleName(toQString(window.caption()));
    setAccessibleDescription(toQString(window.name()));
    window.drawing.onChanged = [this] { update(); };
}

void ClientAreaView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(window_.backColour));
    const double scale = window_.contentScale();
    painter.scale(scale, scale);
    const QRectF exposed = event->rect();
    paintDrawing(painter, window_.drawing,
                 QRectF(exposed.topLeft() / scale, exposed.size() / scale));
}

void ClientAreaView::resizeEvent(QResizeEvent*) {
    if (window_.closed()) return;
    const ui::Application& application = window_.application();
    window_.setShownClientSize(zoomedTwips(application, width()),
                               zoomedTwips(application, height()));
}

}  // namespace torvi::qt
