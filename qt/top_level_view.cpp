#include "qt/top_level_view.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

#include "qt/client_area_view.h"
#include "qt/conversions.h"
#include "qt/qt_binding.h"
#include "ui/application.h"

namespace torvi::qt {
namespace {

// Without a title bar the window draws its own fixed dialog border around the client area, the
// raised edge of a dialog frame, since window managers draw none there.
class TopLevelFrame : public ClosableFrame<QWidget> {
  public:
    TopLevelFrame(QtBinding& binding, ui::Window& window, QWidget* parent, int border)
        : ClosableFrame(binding, window, parent), border_(border) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        if (border_ == 0) return;
        QPainter painter(this);
        const auto edge = [&](const QRect& box, QColor light, QColor dark) {
            painter.setPen(light);
            painter.drawLine(box.topLeft(), box.topRight());
            painter.drawLine(box.topLeft(), box.bottomLeft());
            painter.setPen(dark);
            painter.drawLine(box.bottomLeft(), box.bottomRight());
            painter.drawLine(box.topRight(), box.bottomRight());
        };
        painter.fillRect(rect(), toQColor(ui::colours::buttonFace));
        edge(rect(), toQColor(ui::colours::buttonFace), Qt::black);
        edge(rect().adjusted(1, 1, -1, -1), Qt::white, toQColor(ui::colours::grey));
    }

  private:
    int border_;
};

}  // namespace

void TopLevelView::createFrame() {
    QWidget* parent = nullptr;
    if (WindowView* main = binding_.windowView(binding_.application().mainWindow()))
        parent = main->frame();
    if (!window_.hasTitleBar()) border_ = toPixels(window_.frame().side);
    auto* top = new TopLevelFrame(binding_, window_, parent, border_);
    clientArea_ = new ClientAreaView(window_, top);
    auto* layout = new QVBoxLayout(top);
    layout->setContentsMargins(border_, border_, border_, border_);
    layout->addWidget(clientArea_);
    frame_ = top;
}

void TopLevelView::syncGeometry() {
    // Qt places a top-level window by its client area; a painted border is part of it.
    const ui::Rect outer = window_.geometry();
    const ui::FrameSize border = window_.frame();
    const ui::Application& application = window_.application();
    const QSize size(zoomedPixels(application, window_.clientWidth()) + 2 * border_,
                     zoomedPixels(application, window_.clientHeight()) + 2 * border_);
    QPoint position(zoomedPixels(application, outer.left + border.side) - border_,
                    zoomedPixels(application, outer.top + border.top) - border_);
    if (window_.centredOnScreen) {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        position = screen.center() - QPoint(size.width() / 2, size.height() / 2);
    }
    frame_->setFixedSize(size);
    frame_->setGeometry(QRect(position, size));
}

void TopLevelView::syncStyle() {
    // Exactly the decorations of the design: a title bar with the close box alone, or no
    // decoration from the window manager at all. A window kept off the task bar is a tool window
    // to the window manager.
    Qt::WindowFlags flags = Qt::Window;
    if (!window_.hasTitleBar()) {
        flags = (window_.showInTaskbar ? Qt::Window : Qt::Tool) | Qt::FramelessWindowHint;
    } else if (window_.borderStyle() == ui::BorderStyle::FixedDialog) {
        flags = (window_.showInTaskbar ? Qt::Dialog : Qt::Tool) | Qt::MSWindowsFixedSizeDialogHint |
                Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        if (window_.controlBox) flags |= Qt::WindowCloseButtonHint;
    }
    const bool shown = frame_->isVisible();
    frame_->setWindowFlags(flags);
    if (shown) frame_->show();
}

}  // namespace torvi::qt
