#include "ui/qt/menu_item_view.h"

#include <QAction>

namespace torvi::ui::qt {

MenuItemView::MenuItemView(MenuItem& item, QAction& action) : item_(item), action_(action) {
    sync(Property::Enabled);
}

void MenuItemView::sync(Property) {
    action_.setEnabled(item_.enabled());
    action_.setVisible(item_.visible());
    action_.setCheckable(item_.checked() || action_.isCheckable());
    action_.setChecked(item_.checked());
}

}  // namespace torvi::ui::qt
