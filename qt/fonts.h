#pragma once
// The model's fonts as Qt fonts, on the screen and on a printer.

#include <QFont>

#include "ui/types.h"

namespace torvi::qt {

// The font on the screen: sized in pixels at 96 dpi, so that layouts in twips do not depend on
// the screen's resolution. Families that the system lacks fall back to metric-compatible faces.
QFont screenFont(const ui::Font& font);
// The same font for a printer, sized in points.
QFont printerFont(const ui::Font& font);

}  // namespace torvi::qt
