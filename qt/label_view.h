#pragma once
// A label: a QLabel, so that screen readers meet a label with its text; it paints the model's
// style itself (alignment, font, colour, fill and border).

#include <QLabel>

#include "qt/element_view.h"
#include "ui/controls.h"

namespace torvi::qt {

class LabelView : public QLabel, public ElementView {
  public:
    LabelView(ui::Label& label, QWidget* parent);
    void sync(ui::Property property) override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    ui::Label& label_;
};

}  // namespace torvi::qt
