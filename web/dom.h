#pragma once
// The page as the binding drives it: numbered DOM nodes made, placed, filled and removed from
// C++ through a few JavaScript functions (dom.cpp). Positions and sizes are CSS pixels. The
// page's own script only forwards events (input.js in dom.cpp): the model decides.

#include <string>
#include <string_view>
#include <utility>

#include "ui/drawing.h"
#include "ui/types.h"

namespace torvi::web::dom {

using Node = int;
inline constexpr Node kPage = 0;  // the element the program lives in

Node create(const char* tag, Node parent, const char* className);
void remove(Node node);
void place(Node node, const ui::Rect& pixels);
void setText(Node node, std::string_view text);
void setVisible(Node node, bool visible);
void setEnabled(Node node, bool enabled);
void setStyle(Node node, const char* property, std::string_view value);
void setAttribute(Node node, const char* name, std::string_view value);
// A picture of the program's by its name, as the node's background: beside the page, or inlined
// into it (window.torviPictures) in the single file.
void setPicture(Node node, std::string_view resource);
void setClass(Node node, const char* className, bool on);
void raise(Node node, int layer);
void focus(Node node);

// A text box's text and selection (in UTF-16 units, as the DOM counts).
void setValue(Node node, std::string_view text);
std::string value(Node node);
void setSelection(Node node, int start, int end);
std::pair<int, int> selection(Node node);

// A canvas of this size, cleared, then the items drawn (at 15 twips a pixel).
void paint(Node canvas, int width, int height, const std::vector<ui::DrawItem>& items);

// The items as a page in the print view, A4 in this orientation, and the browser's print dialog.
void print(bool landscape, const std::vector<ui::DrawItem>& items);

// CSS for a font and a colour.
std::string cssFont(const ui::Font& font);
std::string cssColour(ui::Rgb colour);

// Text measured by the browser's canvas, in CSS pixels.
double textWidth(const ui::Font& font, std::string_view text);

// A modal message box and a question with OK and Cancel: the browser's own (the page waits).
void alert(std::string_view text);
bool confirm(std::string_view text);

// Calls the exported torvi_tick(id) every interval milliseconds until stopped.
void startTimer(int id, int milliseconds);
void stopTimer(int id);

// Forwards the page's keys, presses, clicks and edits to the exported torvi_* functions.
void listen();

// Puts text and an HTML table on the clipboard (through the browser's copy command).
bool copy(std::string_view text, std::string_view html);

// Marks the program ready for a test or a measurement (performance mark "torvi-ready").
void markReady();

}  // namespace torvi::web::dom
