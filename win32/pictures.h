#pragma once
// The program's pictures as bitmaps among the executable's resources, by the model's resource
// names ("logo.png" is the bitmap resource LOGO).

#include <windows.h>

#include "ui/controls.h"

namespace torvi::win32 {

// Draws the picture at the area's top-left corner, its pixels the screen's at 96 an inch grown to
// as many an inch as given, cut to the area; or stretched over it.
void drawPicture(HDC dc, const ui::Picture& picture, const RECT& area, bool stretch,
                 int pixelsPerInch);
// The resource name of a picture: its file name without the extension, in capitals.
std::wstring resourceName(const std::string& resource);

}  // namespace torvi::win32
