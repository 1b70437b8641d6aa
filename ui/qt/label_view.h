#pragma once
// A label: a QLabel, so that screen readers meet a label with its text; it paints the model's
// style itself (alignment, font, colour, fill and border).

#include <QLabel>

#include "ui/controls.h"
#include "ui/qt/element_view.h"

namespace torvi::ui::qt {

class LabelView : public QLabel, public ElementView {
  public:
    LabelView(Label& label, QWidget* parent);
    void sync(Property property) override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    Label& label_;
};

}  // namespace torvi::ui::qt
