#pragma once
// The model's fonts as GDI fonts, sized for the screen or for a device such as a printer. The
// fonts are kept for the life of the program.

#include <windows.h>

#include <string>

#include "ui/types.h"

namespace torvi::win32 {

// The face a family of the model is shown in.
std::wstring faceFor(const std::string& family);
// A font for a device with this many pixels per inch (the screen's by default).
HFONT fontFor(const ui::Font& font, int pixelsPerInch = 0);

}  // namespace torvi::win32
