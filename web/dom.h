#pragma once
// The page as the binding drives it: numbered DOM nodes made, placed, filled and removed from
// C++ through a few JavaScript functions (dom.cpp). Positions and sizes are CSS pixels. The
// page's own script only forwards events (page_events.cpp): the model decides.

#include <optional>
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
// Shows a drawing canvas and its layer of texts at a scale.
void setZoom(Node canvas, double scale);
// The node's size as laid out on the page, in whole pixels.
std::pair<int, int> shownSize(Node node);
void setAttribute(Node node, const char* name, std::string_view value);
// A picture of the program's by its name, as the node's background: beside the page, or inlined
// into it (window.torviPictures) in the single file.
void setPicture(Node node, std::string_view resource);
void setClass(Node node, const char* className, bool on);
void raise(Node node, int layer);
void focus(Node node);
bool hasFocus(Node node);

// A text box's text and selection (in UTF-16 units, as the DOM counts).
void setValue(Node node, std::string_view text);
std::string value(Node node);
void setSelection(Node node, int start, int end);
std::pair<int, int> selection(Node node);

// A canvas of this size, cleared, then the items drawn (at 15 twips a pixel): the lines on it, the
// texts as text in a layer above it.
void paint(Node canvas, int width, int height, const std::vector<ui::DrawItem>& items);

// The items drawn as a page of this size in pixels, grown by a scale from their CSS pixels, as a
// PNG file's bytes: the page a printer would print, as a picture.
std::optional<std::string> pagePng(const std::vector<ui::DrawItem>& items, int width, int height,
                                   double scale);
// The items as a page in the print view, A4 in this orientation, and the browser's print dialog.
void print(bool landscape, const std::vector<ui::DrawItem>& items);

// CSS for a font and a colour.
std::string cssFont(const ui::Font& font);
std::string cssColour(ui::Rgb colour);

// Text measured by the browser's canvas, in CSS pixels.
double textWidth(const ui::Font& font, std::string_view text);

// A message box with this caption, with OK, or with Yes and No for a question; returns when a
// button has answered it, true for OK and Yes (modal.cpp).
bool messageBox(const std::string& title, const std::string& text, bool question);

// Calls the exported torvi_tick(id) once, this many milliseconds from now (or once a message box
// open then has closed), unless stopped or set again first.
void setTimer(int id, int milliseconds);
void stopTimer(int id);
// The page's clock, in milliseconds.
double now();

// Forwards the page's keys, presses, clicks and edits to the exported torvi_* functions
// (page_events.cpp).
void listen();

// Puts text and an HTML table on the clipboard (through the browser's copy command).
bool copy(std::string_view text, std::string_view html);
// Puts a picture of what the node shows (its canvases, labels, lines and fills) on the clipboard.
void copyPicture(Node node);
// The same picture as a PNG file's bytes.
std::string picturePng(Node node);
// A picture resource's file, its bytes as stored ("thermometer.png"), or nothing when the page
// cannot reach it.
std::optional<std::string> resourceBytes(std::string_view resource);

// Whether the page's address names this option in its query ("index.html?show-hpg"): the page's
// command line.
bool addressAsks(const char* option);

// Marks the program ready for a test or a measurement (performance mark "torvi-ready").
void markReady();

}  // namespace torvi::web::dom
