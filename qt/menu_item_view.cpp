#include "qt/menu_item_view.h"

#include <QAction>

namespace torvi::qt {

MenuItemView::MenuItemView(ui::MenuItem& item, QAction& action) : item_(item), action_(action) {
    sync(ui::Property::Enabled);
}

void MenuItemView::sync(ui::Property) {
    action_.setEnabled(item_.enabled());
    action_.setVisible(item_.visible());
    action_.setCheckable(item_.checked() || action_.isCheckable());
    action_.setChecked(item_.checked());
}

}  // namespace torvi::qt
