#include "ui/qt/element_widgets.h"

#include <QFocusEvent>
#include <QMouseEvent>
#include <QPainter>

#include "ui/qt/painting.h"
#include "ui/qt/qt_text_metrics.h"
#include "ui/qt/window_view.h"
#include "ui/user_input.h"

namespace torvi::ui::qt {
namespace {

// What a screen reader announces: the element's own accessible name or the text it shows, and
// its design name as the description.
void describe(QWidget& widget, const Element& element, const std::string& shown) {
    widget.setAccessibleName(
        toQString(element.accessibleName.empty() ? shown : element.accessibleName));
    widget.setAccessibleDescription(toQString(element.designName()));
}

void clickOnRelease(QMouseEvent* event, Element& element) {
    if (event->button() == Qt::LeftButton) deliverClick(element);
}

// Positions in a text: bytes of its UTF-8 form in the model, UTF-16 units in Qt.
int toIndex(const std::string& text, int bytes) {
    return static_cast<int>(QString::fromUtf8(text.data(), bytes).size());
}
int toBytes(const QString& text, int index) {
    return static_cast<int>(text.left(index).toUtf8().size());
}

}  // namespace

QPixmap loadPicture(const Picture& picture) {
    if (picture.resource.empty()) return {};
    return QPixmap(QString(":/torvi/") + toQString(picture.resource));
}

FormView::FormView(Window& window, QWidget* parent) : QWidget(parent), window_(window) {
    setAutoFillBackground(false);
    // A click where no element can take the focus leaves it where it was.
    setFocusPolicy(Qt::NoFocus);
}

void FormView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(window_.backColour));
    paintDrawing(painter, window_.drawing);
}

LabelView::LabelView(Label& label, QWidget* parent) : QLabel(parent), label_(label) {
    sync(Property::Text);
}

void LabelView::sync(Property) {
    // A fitted label has the size the model measured for its text.
    setGeometry(toPixels(label_.geometry()));
    setVisible(label_.visible());
    describe(*this, label_, label_.caption());
    update();
}

void LabelView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (label_.opaque) painter.fillRect(rect(), toQColor(label_.fillColour));
    if (label_.bordered) {
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (label_.caption().empty()) return;
    painter.setFont(screenFont(label_.font));
    painter.setPen(toQColor(label_.foreColour));
    const Qt::Alignment horizontal = label_.alignment == Alignment::Centre  ? Qt::AlignHCenter
                                     : label_.alignment == Alignment::Right ? Qt::AlignRight
                                                                            : Qt::AlignLeft;
    // A label fitted to its text keeps it on one line; a fixed one wraps it at word boundaries.
    const int wrap = label_.fitted ? Qt::TextSingleLine : Qt::TextWordWrap;
    painter.drawText(rect(), horizontal | Qt::AlignTop | wrap, toQString(label_.caption()));
}

void LabelView::mouseReleaseEvent(QMouseEvent* event) {
    clickOnRelease(event, label_);
}

TextBoxView::TextBoxView(TextBox& box, WindowView& view, QWidget* parent)
    : QLineEdit(parent), box_(box), view_(view) {
    setFrame(true);
    setFont(screenFont(Font{}));
    // The model limits the text; Qt, counting UTF-16 units, must never cut what the model holds.
    setMaxLength(2 * TextBox::kMaximumLength);
    // The connection goes with the window's view, so that nothing reaches a box whose window has
    // gone while this widget waits for its deletion.
    connect(this, &QLineEdit::textEdited, &view_, [this](const QString& text) {
        deliverEdit(box_, text.toStdString(), toBytes(text, cursorPosition()));
    });
    // Where the user puts the insertion point or the selection (a click, the arrow keys), the
    // model's selection follows at once.
    const auto follow = [this] {
        if (!view_.syncing() && text() == toQString(box_.text())) reportSelection();
    };
    connect(this, &QLineEdit::cursorPositionChanged, &view_, follow);
    connect(this, &QLineEdit::selectionChanged, &view_, follow);
    setText(toQString(box_.text()));
    sync(Property::Geometry);
}

void TextBoxView::sync(Property property) {
    if (property == Property::Text || property == Property::Selection) {
        const QString text = toQString(box_.text());
        if (this->text() != text) setText(text);
        showSelection();
        return;
    }
    setGeometry(toPixels(box_.geometry()));
    setVisible(box_.visible());
    setEnabled(box_.enabled());
    describe(*this, box_, box_.designName());
}

void TextBoxView::showSelection() {
    const std::string& text = box_.text();
    const int start = toIndex(text, box_.selectionStart());
    const int end = toIndex(text, box_.cursor());
    if (end > start) {
        if (selectionStart() != start || selectionEnd() != end) setSelection(start, end - start);
    } else if (hasSelectedText() || cursorPosition() != end) {
        setCursorPosition(end);
    }
}

void TextBoxView::reportSelection() {
    const QString shown = text();
    if (hasSelectedText()) {
        const int start = toBytes(shown, selectionStart());
        box_.select(start, toBytes(shown, selectionEnd()) - start);
    } else {
        box_.setCursor(toBytes(shown, cursorPosition()));
    }
}

void TextBoxView::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // Qt selects a box's text when it passes the focus on by itself (a focused widget was
    // disabled or hidden); the model's selection is the one the box shows.
    if (view_.syncing()) {
        showSelection();
    } else if (event->reason() == Qt::MouseFocusReason) {
        deliverClick(box_);
    }
}

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

BoxView::BoxView(Element& element, QWidget* parent) : QWidget(parent), element_(element) {
    sync(Property::Geometry);
}

void BoxView::sync(Property) {
    setGeometry(toPixels(element_.geometry()));
    setVisible(element_.visible());
    setEnabled(element_.enabled());
    if (auto* picture = dynamic_cast<PictureBox*>(&element_))
        pixmap_ = loadPicture(picture->picture);
    if (auto* image = dynamic_cast<ImageElement*>(&element_)) pixmap_ = loadPicture(image->picture);
    describe(*this, element_, element_.designName());
    update();
}

void BoxView::drawingChanged() {
    keptValid_ = false;
    update();
}

void BoxView::renderPicture(PictureBox& picture) {
    kept_ = QImage(size(), QImage::Format_RGB32);
    kept_.fill(toQColor(picture.fillColour));
    if (!pixmap_.isNull()) QPainter(&kept_).drawPixmap(0, 0, pixmap_);  // cut to the box
    drawInto(kept_, picture.drawing);
    if (picture.bordered) {
        QPainter painter(&kept_);
        painter.setPen(QColor(128, 128, 128));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    keptValid_ = true;
}

void BoxView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (auto* picture = dynamic_cast<PictureBox*>(&element_)) {
        if (!keptValid_ || kept_.size() != size()) renderPicture(*picture);
        painter.drawImage(0, 0, kept_);
    } else if (auto* image = dynamic_cast<ImageElement*>(&element_)) {
        if (pixmap_.isNull()) return;
        if (image->stretch) {
            painter.drawPixmap(rect(), pixmap_);
        } else {
            painter.drawPixmap(0, 0, pixmap_);
        }
    } else if (auto* frame = dynamic_cast<Frame*>(&element_)) {
        painter.setPen(QColor(128, 128, 128));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        painter.setPen(Qt::white);
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
        if (!frame->caption().empty()) painter.drawText(8, 12, toQString(frame->caption()));
    }
}

void BoxView::mouseReleaseEvent(QMouseEvent* event) {
    clickOnRelease(event, element_);
}

LineView::LineView(LineElement& line, QWidget* parent) : QWidget(parent), line_(line) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    sync(Property::Geometry);
}

void LineView::sync(Property) {
    // The widget covers the line and its thickness below and to the right of it.
    const int pad = line_.thickness;
    const QPoint start(toPixels(line_.x1), toPixels(line_.y1));
    const QPoint end(toPixels(line_.x2), toPixels(line_.y2));
    setGeometry(QRect(start, end).normalized().adjusted(0, 0, pad, pad));
    setVisible(line_.visible());
    update();
}

void LineView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPoint offset = geometry().topLeft();
    const QPoint start = QPoint(toPixels(line_.x1), toPixels(line_.y1)) - offset;
    const QPoint end = QPoint(toPixels(line_.x2), toPixels(line_.y2)) - offset;
    const int thickness = line_.thickness;
    if (start.y() == end.y() || start.x() == end.x()) {
        // Level and upright lines: a band from the line's coordinates downward or rightward.
        const QRect band = QRect(start, end).normalized();
        painter.fillRect(start.y() == end.y() ? band.adjusted(0, 0, 0, thickness - 1)
                                              : band.adjusted(0, 0, thickness - 1, 0),
                         toQColor(line_.colour));
        return;
    }
    QPen pen(toQColor(line_.colour));
    pen.setWidth(thickness);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    painter.drawLine(start, end);
}

}  // namespace torvi::ui::qt
