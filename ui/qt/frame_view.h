#pragma once
// A frame: an etched rectangle with an optional caption, holding other elements; a click on its
// empty part is a click on the frame.

#include <QWidget>

#include "ui/controls.h"
#include "ui/qt/element_view.h"

namespace torvi::ui::qt {

class FrameView : public QWidget, public ElementView {
  public:
    FrameView(Frame& frame, QWidget* parent);
    void sync(Property) override { syncBox(*this, frame_); }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    Frame& frame_;
};

}  // namespace torvi::ui::qt
