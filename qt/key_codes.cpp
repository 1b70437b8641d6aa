#include "qt/key_codes.h"

#include <QKeyEvent>

#include "ui/keys.h"

namespace torvi::qt {

int characterCode(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return ui::keys::kEnter;
        case Qt::Key_Backspace:
            return ui::keys::kBackspace;
        case Qt::Key_Escape:
            return ui::keys::kEscape;
        case Qt::Key_Delete:
            return -1;
        default:
            break;
    }
    // Ctrl with a letter is its control character (Ctrl+B is 2), whatever text the platform sends.
    if (event.modifiers() & Qt::ControlModifier) {
        const int key = event.key();
        return key >= Qt::Key_A && key <= Qt::Key_Z ? key - Qt::Key_A + 1 : -1;
    }
    // One character, whole: a character outside the basic plane arrives as two UTF-16 units.
    const QList<uint> characters = event.text().toUcs4();
    if (characters.size() != 1) return -1;
    const int code = static_cast<int>(characters.front());
    const bool halfCharacter = code >= 0xD800 && code <= 0xDFFF;
    return code == ui::keys::kDelete || halfCharacter ? -1 : code;
}

}  // namespace torvi::qt
