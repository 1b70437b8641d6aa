#include "win32/gdi_painting.h"

#include <algorithm>

#include "ui/units.h"
#include "win32/conversions.h"
#include "win32/fonts.h"

namespace torvi::win32 {

void paintItems(HDC dc, const std::vector<ui::DrawItem>& items, int pixelsPerInch) {
    const bool screen = pixelsPerInch <= 0;
    const int perInch = screen ? screenPixelsPerInch() : pixelsPerInch;
    const auto units = [&](int twips) { return ui::twipsToPixels(twips, perInch); };
    // A printer's line grows with its resolution, in the whole pixels GDI's pens are made of.
    const int pixel = screen ? 1 : static_cast<int>(ui::devicePixelsPerScreenPixel(perInch));
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
    const ui::LineRun* penLine = nullptr;
    for (const ui::DrawItem& item : items) {
        if (const auto* line = std::get_if<ui::LineRun>(&item)) {
            const POINT from{units(line->x1), units(line->y1)};
            const POINT to{units(line->x2), units(line->y2)};
            const int reach = pixel * line->thickness + 1;
            if (outside(RECT{std::min(from.x, to.x) - reach, std::min(from.y, to.y) - reach,
                             std::max(from.x, to.x) + reach, std::max(from.y, to.y) + reach}))
                continue;
            if (penLine == nullptr || penLine->colour != line->colour ||
                penLine->thickness != line->thickness) {
                HPEN next = CreatePen(PS_SOLID, pixel * line->thickness, toColorRef(line->colour));
                SelectObject(dc, next);
                if (pen != nullptr) DeleteObject(pen);
                pen = next;
                penLine = line;
            }
            MoveToEx(dc, from.x, from.y, nullptr);
            LineTo(dc, to.x, to.y);
            // LineTo leaves out the last pixel; the model's line includes it.
            SetPixel(dc, to.x, to.y, toColorRef(line->colour));
            continue;
        }
        const auto& text = std::get<ui::TextRun>(item);
        // A line of text reaches right of its start and less than two of its font's sizes down.
        const int size = ui::pointsToPixels(text.font.pointSize, perInch) + 1;
        if (outside(RECT{units(text.x) - 2, units(text.y) - 2, clip.right + 1,
                         units(text.y) + 2 * size}))
            continue;
        SelectObject(dc, fontFor(text.font, perInch));
        SetTextColor(dc, toColorRef(text.colour));
        const std::wstring wide = toWide(text.text);
        TextOutW(dc, units(text.x), units(text.y), wide.c_str(), static_cast<int>(wide.size()));
    }
    RestoreDC(dc, savedState);
    if (pen != nullptr) DeleteObject(pen);
}

}  // namespace torvi::win32
