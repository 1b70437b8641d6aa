#include "qt/fonts.h"

#include <QStringList>
#include <cmath>
#include <map>
#include <tuple>

#include "qt/conversions.h"
#include "ui/units.h"

namespace torvi::qt {
namespace {

QStringList familiesFor(const std::string& family) {
    const QString name = toQString(family);
    // The system's dialog font of old; Liberation Sans has the metrics of its Arial successor.
    if (name == "MS Sans Serif") return {"Liberation Sans", "Arial", "DejaVu Sans"};
    // The interface font is a condensed face here, falling back to another narrow one, so that
    // the table's columns still fit.
    if (name == ui::kInterfaceFamily)
        return {"DejaVu Sans Condensed", "Liberation Sans Narrow", "DejaVu Sans"};
    return {name, "Liberation Sans", "DejaVu Sans"};
}

QFont baseFont(const ui::Font& font) {
    QFont result;
    result.setFamilies(familiesFor(font.family));
    result.setBold(font.bold);
    result.setStyleStrategy(QFont::PreferAntialias);
    return result;
}

}  // namespace

QFont screenFont(const ui::Font& font) {
    // Every label, box and drawn text asks for its font at each paint and each zoom step. A font
    // kept here keeps the face Qt matched for it, which a new one would look up again.
    static std::map<std::tuple<std::string, double, bool>, QFont> made;
    const auto key = std::make_tuple(font.family, font.pointSize, font.bold);
    if (const auto found = made.find(key); found != made.end()) return found->second;
    QFont result = baseFont(font);
    // MS Sans Serif set its text smaller than Arial at the same size; 0.94 matches its widths.
    const double scale = font.family == "MS Sans Serif" ? 0.94 : 1.0;
    result.setPixelSize(
        std::max(1, ui::pointsToPixels(font.pointSize * scale, ui::kScreenPixelsPerInch)));
    // The sizes a user meets are those of the design's few fonts at the zoom's few steps and the
    // sizes a window's drawing fills; the cache starts again rather than grow without end.
    if (made.size() > 256) made.clear();
    made.emplace(key, result);
    return result;
}

QFont printerFont(const ui::Font& font) {
    QFont result = baseFont(font);
    result.setPointSizeF(font.pointSize);
    return result;
}

}  // namespace torvi::qt
