#pragma once
// The model's fonts as GDI fonts, sized for the screen or for a device such as a printer. The
// fonts are kept for the life of the program.

#include <windows.h>

#include "ui/types.h"

namespace torvi::win32 {

// A font for a device with this many pixels per inch (the screen's by default).
HFONT fontFor(const ui::Font& font, int pixelsPerInch = 0);

}  // namespace torvi::win32
