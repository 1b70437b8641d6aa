#pragma once
// The concrete design elements: labels, text boxes, buttons, frames, picture areas, lines,
// images, timers and menu items.

#include <functional>
#include <string>
#include <vector>

#include "ui/drawing.h"
#include "ui/element.h"

namespace torvi::ui {

// What a screen reader announces for an element: its accessible name, else the caption of a
// button or label, else its design name.
std::string accessibleNameOf(const Element& element);

// How a label looks, given where it is created.
struct LabelStyle {
    bool fitted = false;  // takes the size of its caption
    Alignment alignment = Alignment::Left;
    Font font = {};
    Rgb foreColour = colours::windowText;
    bool visible = true;
    Element* container = nullptr;  // the frame or picture area that holds it
};

class Label : public Element {
  public:
    Label(Window& window, std::string name, int index, Rect geometry, std::string caption,
          const LabelStyle& style = {});

    const std::string& caption() const { return caption_; }
    // Writes the caption; a fitted label then takes the width and height of its text, keeping
    // the edge (or centre) its alignment names.
    void setCaption(std::string caption);

    bool fitted = false;
    Alignment alignment = Alignment::Left;
    Font font;
    Rgb foreColour = colours::windowText;
    bool opaque = false;  // filled with fillColour, else transparent
    Rgb fillColour = colours::buttonFace;
    bool bordered = false;
    // Sizes a fitted label to its caption with the application's text metrics.
    void fitToText();

  private:
    std::string caption_;
};

class TextBox : public Element {
  public:
    TextBox(Window& window, std::string name, int index, Rect geometry, std::string text = {});

    // The most characters the user can put in a box by typing or pasting; code is not limited.
    static constexpr int kMaximumLength = 32767;

    const std::string& text() const { return text_; }
    bool empty() const { return text_.empty(); }
    // Writes the text and raises the change event before returning, every time, even when the
    // text is the same. The insertion point goes to the end, with nothing selected.
    void setText(std::string text);

    // The selection, in bytes of the text; the insertion point stands at its end. A box that
    // receives the focus by Tab or by a rule has its whole text selected.
    int selectionStart() const { return selectionStart_; }
    int selectionLength() const { return selectionLength_; }
    int cursor() const { return selectionStart_ + selectionLength_; }
    void select(int start, int length);
    void selectAll() { select(0, static_cast<int>(text_.size())); }
    void setCursor(int cursor) { select(cursor, 0); }
    bool takesFocus() const override { return true; }

    // A key typed in the box, with its character code (13 Enter, 8 Backspace, 27 Esc), raised
    // before the character enters the box.
    std::function<void(int keyAscii)> onKeyPress;
    std::function<void()> onChange;

    // Puts a typed character in place of the selection, or at the insertion point (Backspace
    // removes the selection or the character before it; Enter and Esc change nothing). A
    // character that would make the text longer than the limit does not enter.
    void insertTypedCharacter(int keyAscii);
    // An edit of the user's that types no character (Delete, cut, paste): the new text, cut to
    // the limit, with the insertion point at the given byte.
    void takeEdit(std::string text, int cursor);

  private:
    std::string text_;
    int selectionStart_ = 0;
    int selectionLength_ = 0;
};

class CommandButton : public Element {
  public:
    CommandButton(Window& window, std::string name, int index, Rect geometry, std::string caption);
    const std::string& caption() const { return caption_; }
    bool takesFocus() const override { return true; }
    bool isDefault = false;  // Enter anywhere in the window presses it
    bool isCancel = false;   // Esc anywhere in the window presses it

  private:
    std::string caption_;
};

class Frame : public Element {
  public:
    Frame(Window& window, std::string name, int index, Rect geometry, std::string caption = {});
    const std::string& caption() const { return caption_; }

  private:
    std::string caption_;
};

// A picture resource shown in a picture area or image, by its resource name.
struct Picture {
    std::string resource;  // empty: no picture
    int pixelWidth = 0;
    int pixelHeight = 0;
};

class PictureBox : public Element {
  public:
    PictureBox(Window& window, std::string name, int index, Rect geometry);

    Rgb fillColour = colours::windowBackground;
    bool bordered = true;
    // A stored picture drawn at the top-left corner, cut to the box.
    Picture picture;
    // What is drawn into the box stays until cleared or the window closes.
    Drawing drawing;
};

class LineElement : public Element {
  public:
    LineElement(Window& window, std::string name, int index, int x1, int y1, int x2, int y2);
    int x1, y1, x2, y2;
    int thickness = 1;  // pixels
    Rgb colour = colours::windowText;
};

class ImageElement : public Element {
  public:
    ImageElement(Window& window, std::string name, int index, Rect geometry, Picture picture,
                 bool stretch);
    Picture picture;
    bool stretch;
};

class Timer : public Element {
  public:
    Timer(Window& window, std::string name, int index, int intervalMilliseconds);
    int interval() const { return interval_; }
    void setInterval(int milliseconds);
    bool running() const { return running_; }
    void setRunning(bool running);
    std::function<void()> onTimer;
    // Lets time pass: raises the event once for every whole interval that ends while running.
    void advance(int milliseconds);
    // One tick, as the toolkit delivers it.
    void fire();

  private:
    int interval_;
    bool running_ = false;
    int elapsed_ = 0;
};

// The shortcut of a menu item that F1 chooses, in place of a Ctrl+letter.
inline constexpr char kF1Shortcut = '\x01';
// A shortcut as a menu shows it: "Ctrl+Q", or "F1".
std::string shortcutText(char shortcut);

class MenuItem : public Element {
  public:
    // The caption marks the access letter with "&"; "-" makes a separator. shortcut is the
    // letter of a Ctrl+letter shortcut, kF1Shortcut, or 0.
    MenuItem(Window& window, std::string name, MenuItem* parent, std::string caption,
             char shortcut = 0);

    const std::string& caption() const { return caption_; }
    char shortcut() const { return shortcut_; }
    bool separator() const { return caption_ == "-"; }
    bool checked() const { return checked_; }
    void setChecked(bool checked);
    MenuItem* parent() const { return parent_; }
    const std::vector<MenuItem*>& children() const { return children_; }
    // Enabled and visible, with every menu above it.
    bool available() const;
    // The user chose the item: raises the click event when the item is available.
    bool choose();

  private:
    std::string caption_;
    char shortcut_;
    bool checked_ = false;
    MenuItem* parent_;
    std::vector<MenuItem*> children_;
};

}  // namespace torvi::ui
