#pragma once
// Real input for the tests of the Win32 binding: keys, characters and the mouse sent with
// SendInput, as a keyboard and a mouse send them, and the time the program takes to handle them.

#include <windows.h>

#include <string>

#include "win32/win32_binding.h"

namespace torvi::win32 {

// Lets the program handle what is waiting, for a while.
void pump(Win32Binding& binding, int milliseconds = 50);
// Lets the program handle the input sent and all it leads to: until nothing has come for a while.
void settle(Win32Binding& binding);

enum Modifiers : unsigned { kControl = 1, kShift = 2, kAlt = 4 };
// A key pressed and released, with the modifiers held down around it.
void key(WORD virtualKey, unsigned modifiers = 0);
// Characters as a keyboard types them, one Unicode key for each UTF-16 unit.
void type(const std::wstring& text);
// The mouse button pressed or released at a point of a window's client area.
void mouse(HWND window, POINT point, DWORD button);
void click(HWND window, POINT point);

POINT centreOf(const RECT& area);

}  // namespace torvi::win32
