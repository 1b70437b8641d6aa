#pragma once
// A frame: an etched rectangle with an optional caption, holding other elements; a click on its
// empty part is a click on the frame.

#include <QWidget>

#include "qt/element_view.h"
#include "ui/controls.h"

namespace torvi::qt {

class FrameView : public QWidget, public ElementView {
  public:
    FrameView(ui::Frame& frame, QWidget* parent);
    void sync(ui::Property) override { syncBox(*this, frame_); }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    ui::Frame& frame_;
};

}  // namespace torvi::qt
