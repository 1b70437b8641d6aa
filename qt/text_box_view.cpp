#include "qt/text_box_view.h"

#include <QFocusEvent>

#include "qt/conversions.h"
#include "qt/fonts.h"
#include "qt/window_view.h"
#include "ui/text_positions.h"
#include "ui/user_input.h"

namespace torvi::qt {

TextBoxView::TextBoxView(ui::TextBox& box, WindowView& windowView, QWidget* parent)
    : QLineEdit(parent), box_(box), windowView_(windowView) {
    setFrame(true);
    // The model limits the text; Qt, counting UTF-16 units, must never cut what the model holds.
    setMaxLength(2 * ui::TextBox::kMaximumLength);
    // The connections go with the window's view, so that nothing reaches a box whose window has
    // gone while this widget waits for its deletion.
    connect(this, &QLineEdit::textEdited, &windowView_, [this](const QString& text) {
        const std::string edited = toStdString(text);
        ui::deliverEdit(box_, edited, ui::utf8Position(edited, cursorPosition()));
    });
    // Where the user puts the insertion point or the selection (a click, the arrow keys), the
    // model's selection follows at once.
    const auto follow = [this] {
        if (!windowView_.syncing() && text() == toQString(box_.text())) reportSelection();
    };
    connect(this, &QLineEdit::cursorPositionChanged, &windowView_, follow);
    connect(this, &QLineEdit::selectionChanged, &windowView_, follow);
    setText(toQString(box_.text()));
    sync(ui::Property::Geometry);
}

void TextBoxView::sync(ui::Property property) {
    if (property == ui::Property::Text || property == ui::Property::Selection) {
        const QString text = toQString(box_.text());
        if (this->text() != text) setText(text);
        showSelection();
        return;
    }
    setGeometry(shownPlace(box_));
    // The type at the window's scale, set only when it changed.
    if (const QFont shown = controlFont(box_); font() != shown) setFont(shown);
    setVisible(box_.visible());
    setEnabled(box_.enabled());
    describe(*this, box_);
}

void TextBoxView::showSelection() {
    const std::string& text = box_.text();
    const int start = ui::utf16Position(text, box_.selectionStart());
    const int end = ui::utf16Position(text, box_.cursor());
    if (end > start) {
        if (selectionStart() != start || selectionEnd() != end) setSelection(start, end - start);
    } else if (hasSelectedText() || cursorPosition() != end) {
        setCursorPosition(end);
    }
}

void TextBoxView::reportSelection() {
    const std::string shown = toStdString(text());
    if (hasSelectedText()) {
        const int start = ui::utf8Position(shown, selectionStart());
        box_.select(start, ui::utf8Position(shown, selectionEnd()) - start);
    } else {
        box_.setCursor(ui::utf8Position(shown, cursorPosition()));
    }
}

void TextBoxView::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // Qt selects a box's text when it passes the focus on by itself (a focused widget was
    // disabled or hidden); the model's selection is the one the box shows.
    if (windowView_.syncing()) {
        showSelection();
    } else if (event->reason() == Qt::MouseFocusReason) {
        ui::deliverClick(box_);
    }
}

}  // namespace torvi::qt
