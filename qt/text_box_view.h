#pragma once
// A text box: a QLineEdit whose text the model edits. A typed character replaces the model's
// selection, which the view keeps equal to Qt's; edits Qt makes itself (paste, cut, Delete) come
// back as edit events.

#include <QLineEdit>

#include "qt/element_view.h"
#include "ui/controls.h"

namespace torvi::qt {

class WindowView;

class TextBoxView : public QLineEdit, public ElementView {
  public:
    TextBoxView(ui::TextBox& box, WindowView& windowView, QWidget* parent);
    void sync(ui::Property property) override;
    // Tells the model where the user has put the insertion point and the selection.
    void beforeKey() override { reportSelection(); }

  protected:
    void focusInEvent(QFocusEvent* event) override;

  private:
    void reportSelection();
    void showSelection();

    ui::TextBox& box_;
    WindowView& windowView_;
};

}  // namespace torvi::qt
