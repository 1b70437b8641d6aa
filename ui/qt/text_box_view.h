#pragma once
// A text box: a QLineEdit whose text the model edits. A typed character replaces the model's
// selection, which the view keeps equal to Qt's; edits Qt makes itself (paste, cut, Delete) come
// back as edit events.

#include <QLineEdit>

#include "ui/controls.h"
#include "ui/qt/element_view.h"

namespace torvi::ui::qt {

class WindowView;

class TextBoxView : public QLineEdit, public ElementView {
  public:
    TextBoxView(TextBox& box, WindowView& view, QWidget* parent);
    void sync(Property property) override;
    // Tells the model where the user has put the insertion point and the selection.
    void beforeKey() override { reportSelection(); }

  protected:
    void focusInEvent(QFocusEvent* event) override;

  private:
    void reportSelection();
    void showSelection();

    TextBox& box_;
    WindowView& view_;
};

}  // namespace torvi::ui::qt
