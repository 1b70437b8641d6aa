#include "ui/qt/button_view.h"

#include "ui/qt/conversions.h"
#include "ui/qt/fonts.h"
#include "ui/qt/window_view.h"
#include "ui/user_input.h"

namespace torvi::ui::qt {

ButtonView::ButtonView(CommandButton& button, WindowView& view, QWidget* parent)
    : QPushButton(parent), button_(button) {
    setFont(screenFont(Font{}));
    setAutoDefault(false);
    // Tab and the model give the focus; a press that is released elsewhere changes nothing.
    setFocusPolicy(Qt::TabFocus);
    connect(this, &QPushButton::clicked, &view, [this] { deliverClick(button_); });
    sync(Property::Text);
}

void ButtonView::sync(Property) {
    setText(toQString(button_.caption()));
    setGeometry(toPixels(button_.geometry()));
    setVisible(button_.visible());
    setEnabled(button_.enabled());
    describe(*this, button_, button_.caption());
}

}  // namespace torvi::ui::qt
