#include "ui/controls.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <string_view>

#include "ui/application.h"
#include "ui/keys.h"
#include "ui/text_metrics.h"
#include "ui/window.h"

namespace torvi::ui {
namespace {

// The UTF-8 bytes of a character code.
std::string utf8(int code) {
    std::string bytes;
    const auto c = static_cast<unsigned>(code);
    if (c < 0x80) {
        bytes += static_cast<char>(c);
    } else if (c < 0x800) {
        bytes += static_cast<char>(0xC0 | (c >> 6));
        bytes += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        bytes += static_cast<char>(0xE0 | (c >> 12));
        bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        bytes += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        bytes += static_cast<char>(0xF0 | (c >> 18));
        bytes += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        bytes += static_cast<char>(0x80 | (c & 0x3F));
    }
    return bytes;
}

bool continuationByte(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

}  // namespace

Label::Label(Window& window, std::string name, int index, Rect geometry, std::string caption,
             const LabelStyle& style)
    : Element(window, ElementKind::Label, std::move(name), index),
      fitted(style.fitted),
      alignment(style.alignment),
      font(style.font),
      foreColour(style.foreColour),
      caption_(std::move(caption)) {
    setGeometry(geometry);
    setVisible(style.visible);
    setContainer(style.container);
    if (fitted) fitToText();
}

void Label::setCaption(std::string caption) {
    caption_ = std::move(caption);
    changed(Property::Text);
    if (fitted) fitToText();
}

void Label::fitToText() {
    const TextMetrics& metrics = window().application().metrics();
    const int width = metrics.textWidth(font, caption_);
    // A right-aligned label keeps its right edge, a centred one its centre, others their left.
    int newLeft = left();
    if (alignment == Alignment::Right) newLeft = geometry().right() - width;
    if (alignment == Alignment::Centre) newLeft = left() + (this->width() - width) / 2;
    setGeometry({newLeft, top(), width, metrics.lineHeight(font)});
}

TextBox::TextBox(Window& window, std::string name, int index, Rect geometry, std::string text)
    : Element(window, ElementKind::TextBox, std::move(name), index), text_(std::move(text)) {
    setGeometry(geometry);
    selectionStart_ = static_cast<int>(text_.size());
}

void TextBox::setText(std::string text) {
    text_ = std::move(text);
    selectionStart_ = static_cast<int>(text_.size());
    selectionLength_ = 0;
    changed(Property::Text);
    if (onChange) onChange();
}

void TextBox::select(int start, int length) {
    const int size = static_cast<int>(text_.size());
    start = std::clamp(start, 0, size);
    length = std::clamp(length, 0, size - start);
    if (start == selectionStart_ && length == selectionLength_) return;
    selectionStart_ = start;
    selectionLength_ = length;
    changed(Property::Selection);
}

void TextBox::insertTypedCharacter(int keyAscii) {
    std::string text = text_;
    std::size_t start = static_cast<std::size_t>(std::min(selectionStart_, int(text.size())));
    std::size_t end = std::min(start + static_cast<std::size_t>(selectionLength_), text.size());
    if (keyAscii == keys::kBackspace) {
        if (start == end) {
            if (start == 0) return;
            --start;
            while (start > 0 && continuationByte(text[start])) --start;
        }
        text.erase(start, end - start);
        end = start;
    } else if (keyAscii >= keys::kFirstPrintable && keyAscii != keys::kDelete &&
               keyAscii <= 0x10FFFF && (keyAscii < 0xD800 || keyAscii > 0xDFFF)) {
        const std::string_view replaced(text.data() + start, end - start);
        if (characterCount(text) - characterCount(replaced) >= kMaximumLength) return;
        const std::string character = utf8(keyAscii);
        text.replace(start, end - start, character);
        end = start + character.size();
    } else {
        return;  // Enter, Esc and other control codes leave the text alone
    }
    setText(std::move(text));
    setCursor(static_cast<int>(end));
}

void TextBox::takeEdit(std::string text, int cursor) {
    std::size_t end = 0;
    for (int characters = 0; end < text.size(); ++end) {
        if (!continuationByte(text[end]) && characters++ == kMaximumLength) break;
    }
    text.resize(end);
    setText(std::move(text));
    setCursor(cursor);
}

CommandButton::CommandButton(Window& window, std::string name, int index, Rect geometry,
                             std::string caption)
    : Element(window, ElementKind::CommandButton, std::move(name), index),
      caption_(std::move(caption)) {
    setGeometry(geometry);
}

Frame::Frame(Window& window, std::string name, int index, Rect geometry, std::string caption)
    : Element(window, ElementKind::Frame, std::move(name), index), caption_(std::move(caption)) {
    setGeometry(geometry);
}

PictureBox::PictureBox(Window& window, std::string name, int index, Rect geometry)
    : Element(window, ElementKind::PictureBox, std::move(name), index) {
    setGeometry(geometry);
}

LineElement::LineElement(Window& window, std::string name, int index, int x1_, int y1_, int x2_,
                         int y2_)
    : Element(window, ElementKind::Line, std::move(name), index),
      x1(x1_),
      y1(y1_),
      x2(x2_),
      y2(y2_) {
    setGeometry({std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1), std::abs(y2 - y1)});
}

ImageElement::ImageElement(Window& window, std::string name, int index, Rect geometry,
                           Picture picture_, bool stretch_)
    : Element(window, ElementKind::Image, std::move(name), index),
      picture(std::move(picture_)),
      stretch(stretch_) {
    setGeometry(geometry);
}

Timer::Timer(Window& window, std::string name, int index, int intervalMilliseconds)
    : Element(window, ElementKind::Timer, std::move(name), index), interval_(intervalMilliseconds) {
    setVisible(false);
}

void Timer::setInterval(int milliseconds) {
    interval_ = milliseconds;
    changed(Property::Timer);
}

void Timer::setRunning(bool running) {
    if (running && !running_) elapsed_ = 0;
    running_ = running;
    changed(Property::Timer);
}

void Timer::advance(int milliseconds) {
    if (!running_ || interval_ <= 0) return;
    elapsed_ += milliseconds;
    while (running_ && elapsed_ >= interval_ && !window().closed()) {
        elapsed_ -= interval_;
        fire();
    }
}

void Timer::fire() {
    if (running_ && onTimer && !window().closed()) onTimer();
}

std::string shortcutText(char shortcut) {
    if (shortcut == kF1Shortcut) return "F1";
    return shortcut == 0 ? std::string() : "Ctrl+" + std::string(1, shortcut);
}

MenuItem::MenuItem(Window& window, std::string name, MenuItem* parent, std::string caption,
                   char shortcut)
    : Element(window, ElementKind::MenuItem, std::move(name), kNoIndex),
      caption_(std::move(caption)),
      shortcut_(static_cast<char>(std::toupper(static_cast<unsigned char>(shortcut)))),
      parent_(parent) {
    if (parent_) parent_->children_.push_back(this);
}

void MenuItem::setChecked(bool checked) {
    if (checked == checked_) return;
    checked_ = checked;
    changed(Property::Checked);
}

bool MenuItem::available() const {
    return visible() && enabled() && (parent_ == nullptr || parent_->available());
}

bool MenuItem::choose() {
    if (!available() || separator()) return false;
    if (onClick) onClick();
    return true;
}

std::string accessibleNameOf(const Element& element) {
    if (!element.accessibleName.empty()) return element.accessibleName;
    if (const auto* button = dynamic_cast<const CommandButton*>(&element)) return button->caption();
    if (const auto* label = dynamic_cast<const Label*>(&element)) return label->caption();
    return element.designName();
}

}  // namespace torvi::ui
