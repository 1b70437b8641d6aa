#pragma once
// Drawing items painted with GDI: on the screen, or on a printer's page at its own resolution.

#include <windows.h>

#include <vector>

#include "ui/drawing.h"

namespace torvi::win32 {

// Paints the items on a device with this many pixels per inch; the screen's when 0.
void paintItems(HDC dc, const std::vector<ui::DrawItem>& items, int pixelsPerInch = 0);

}  // namespace torvi::win32
