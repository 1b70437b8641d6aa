#pragma once
// The model's fonts as Qt fonts, on the screen and on a printer.

#include <QFont>

#include "ui/types.h"

namespace torvi::ui::qt {

// The font on the screen: sized in pixels at 96 dpi, so that layouts in twips do not depend on
// the screen's resolution. Families that the system lacks fall back to metric-compatible faces.
QFont screenFont(const Font& font);
// The same font for a printer, sized in points.
QFont printerFont(const Font& font);

}  // namespace torvi::ui::qt
