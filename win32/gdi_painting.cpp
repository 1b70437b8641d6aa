#include "win32/gdi_painting.h"

#include <algorithm>

#include "ui/units.h"
#include "win32/conversions.h"
#include "win32/fonts.h"
#include "win32/pictures.h"

namespace torvi::win32 {

ui::Resolution screenResolution() {
    return {screenPixelsPerInch(), screenPixelsPerInch()};
}

void paintItems(HDC dc, const std::vector<ui::DrawItem>& items, ui::Resolution resolution) {
    const auto device = [&](int x, int y) {
        const ui::Point point = ui::twipsToDevice(ui::Point{x, y}, resolution);
        return POINT{point.x, point.y};
    };
    // What lies wholly outside the area being painted is left out (a repaint of a strip of a
    // table or plot would otherwise draw every run of it).
    RECT clip{};
    const bool culling = GetClipBox(dc, &clip) != ERROR;
    const auto outside = [&](const RECT& box) {
        return culling && (box.right <= clip.left || box.left >= clip.right ||
                           box.bottom <= clip.top || box.top >= clip.bottom);
    };
    const int savedState = SaveDC(dc);
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_TOP | TA_LEFT | TA_NOUPDATECP);
    // One pen for a run of lines of the same colour and thickness (a fine plot draws thousands).
    HPEN pen = nullptr;
    COLORREF penColour = 0;
    int penWidth = 0;
    for (const ui::DrawItem& item : items) {
        if (const auto* line = std::get_if<ui::LineRun>(&item)) {
            const POINT from = device(line->x1, line->y1);
            const POINT to = device(line->x2, line->y2);
            // A printer's line grows with its resolution, in the whole pixels of GDI's pens.
            const int width =
                ui::penWidthOnDevice({from.x, from.y}, {to.x, to.y}, line->thickness, resolution);
            const int reach = width + 1;
            if (outside(RECT{std::min(from.x, to.x) - reach, std::min(from.y, to.y) - reach,
                             std::max(from.x, to.x) + reach, std::max(from.y, to.y) + reach}))
                continue;
            const COLORREF colour = toColorRef(line->colour);
            if (pen == nullptr || penColour != colour || penWidth != width) {
                HPEN next = CreatePen(PS_SOLID, width, colour);
                SelectObject(dc, next);
                if (pen != nullptr) DeleteObject(pen);
                pen = next;
                penColour = colour;
                penWidth = width;
            }
            MoveToEx(dc, from.x, from.y, nullptr);
            LineTo(dc, to.x, to.y);
            // LineTo leaves out the last pixel; the model's line includes it.
            SetPixel(dc, to.x, to.y, toColorRef(line->colour));
            continue;
        }
        if (const auto* fill = std::get_if<ui::FillRun>(&item)) {
            const POINT from = device(fill->area.left, fill->area.top);
            const POINT to = device(fill->area.right(), fill->area.bottom());
            const RECT box{from.x, from.y, to.x, to.y};
            if (outside(box)) continue;
            HBRUSH brush = CreateSolidBrush(toColorRef(fill->colour));
            FillRect(dc, &box, brush);
            DeleteObject(brush);
            continue;
        }
        if (const auto* picture = std::get_if<ui::PictureRun>(&item)) {
            const ui::Rect place = ui::twipsToDevice(picture->place, resolution);
            const ui::Rect cut = ui::twipsToDevice(picture->clip, resolution);
            if (outside(RECT{cut.left, cut.top, cut.right(), cut.bottom()})) continue;
            const int beforePicture = SaveDC(dc);
            IntersectClipRect(dc, cut.left, cut.top, cut.right(), cut.bottom());
            drawPicture(dc, ui::Picture{picture->resource},
                        RECT{place.left, place.top, place.right(), place.bottom()}, true,
                        resolution.across);
            RestoreDC(dc, beforePicture);
            continue;
        }
        const auto& text = std::get<ui::TextRun>(item);
        // A line of text reaches right of its start and less than two of its font's sizes down.
        const int size = ui::pointsToPixels(text.font.pointSize, resolution.down) + 1;
        const POINT at = device(text.x, text.y);
        if (outside(RECT{at.x - 2, at.y - 2, clip.right + 1, at.y + 2 * size})) continue;
        SelectObject(dc, fontFor(text.font, resolution.down));
        SetTextColor(dc, toColorRef(text.colour));
        const std::wstring wide = toWide(text.text);
        TextOutW(dc, at.x, at.y, wide.c_str(), static_cast<int>(wide.size()));
    }
    RestoreDC(dc, savedState);
    if (pen != nullptr) DeleteObject(pen);
}

}  // namespace torvi::win32
