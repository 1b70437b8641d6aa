#pragma once
// A line element. A line thicker than one pixel grows down and to the right of its coordinates;
// a slanted one is drawn with a pen of its thickness.

#include <QWidget>

#include "qt/element_view.h"
#include "ui/controls.h"

namespace torvi::qt {

class LineView : public QWidget, public ElementView {
  public:
    LineView(ui::LineElement& line, QWidget* parent);
    void sync(ui::Property property) override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    ui::LineElement& line_;
};

}  // namespace torvi::qt
