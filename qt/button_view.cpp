#include "qt/button_view.h"

#include "qt/conversions.h"
#include "qt/fonts.h"
#include "qt/window_view.h"
#include "ui/user_input.h"

namespace torvi::qt {

ButtonView::ButtonView(ui::CommandButton& button, WindowView& windowView, QWidget* parent)
    : QPushButton(parent), button_(button) {
    setAutoDefault(false);
    // Tab and the model give the focus; a press that is released elsewhere changes nothing.
    setFocusPolicy(Qt::TabFocus);
    connect(this, &QPushButton::clicked, &windowView, [this] { ui::deliverClick(button_); });
    sync(ui::Property::Text);
}

void ButtonView::sync(ui::Property) {
    setText(toQString(button_.caption()));
    setGeometry(shownPlace(button_));
    // The type at the window's scale, set only when it changed.
    if (const QFont shown = controlFont(button_); font() != shown) setFont(shown);
    setVisible(button_.visible());
    setEnabled(button_.enabled());
    describe(*this, button_);
}

}  // namespace torvi::qt
