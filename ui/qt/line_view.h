#pragma once
// A line element. A line thicker than one pixel grows down and to the right of its coordinates;
// a slanted one is drawn with a pen of its thickness.

#include <QWidget>

#include "ui/controls.h"
#include "ui/qt/element_view.h"

namespace torvi::ui::qt {

class LineView : public QWidget, public ElementView {
  public:
    LineView(LineElement& line, QWidget* parent);
    void sync(Property property) override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    LineElement& line_;
};

}  // namespace torvi::ui::qt
