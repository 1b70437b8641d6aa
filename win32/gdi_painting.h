#pragma once
// Drawing items painted with GDI: on the screen, or on a printer's page at its own resolution.

#include <windows.h>

#include <vector>

#include "ui/drawing.h"
#include "ui/units.h"

namespace torvi::win32 {

// Paints the items on a device of this resolution.
void paintItems(HDC dc, const std::vector<ui::DrawItem>& items, ui::Resolution resolution);
// The screen's resolution.
ui::Resolution screenResolution();

}  // namespace torvi::win32
