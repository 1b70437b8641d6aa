#pragma once
// A menu item: its QAction, enabled, visible and checked as the model says.

#include "ui/controls.h"
#include "ui/qt/element_view.h"

class QAction;

namespace torvi::ui::qt {

class MenuItemView : public ElementView {
  public:
    MenuItemView(MenuItem& item, QAction& action);
    void sync(Property property) override;

  private:
    MenuItem& item_;
    QAction& action_;
};

}  // namespace torvi::ui::qt
