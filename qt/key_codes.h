#pragma once
// Qt's key events as the character codes the window model's key events carry.

class QKeyEvent;

namespace torvi::qt {

// The character code a key carries (13 Enter, 8 Backspace, 27 Esc, 2 for Ctrl+B, else the
// character), or -1 for keys without one (arrows, Delete, modifiers).
int characterCode(const QKeyEvent& event);

}  // namespace torvi::qt
