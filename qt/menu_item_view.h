#pragma once
// A menu item: its QAction, enabled, visible and checked as the model says.

#include "qt/element_view.h"
#include "ui/controls.h"

class QAction;

namespace torvi::qt {

class MenuItemView : public ElementView {
  public:
    MenuItemView(ui::MenuItem& item, QAction& action);
    void sync(ui::Property property) override;

  private:
    ui::MenuItem& item_;
    QAction& action_;
};

}  // namespace torvi::qt
