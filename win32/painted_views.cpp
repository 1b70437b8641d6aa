#include "win32/painted_views.h"

#include "ui/application.h"
#include "ui/units.h"
#include "ui/window.h"
#include "win32/conversions.h"
#include "win32/fonts.h"
#include "win32/gdi_painting.h"
#include "win32/pictures.h"

namespace torvi::win32 {
namespace {

void fill(HDC dc, const RECT& area, ui::Rgb colour) {
    HBRUSH brush = CreateSolidBrush(toColorRef(colour));
    FillRect(dc, &area, brush);
    DeleteObject(brush);
}

void outline(HDC dc, RECT area, ui::Rgb colour) {
    HBRUSH brush = CreateSolidBrush(toColorRef(colour));
    FrameRect(dc, &area, brush);
    DeleteObject(brush);
}

}  // namespace

PendingRepaint::~PendingRepaint() {
    if (region_ != nullptr) DeleteObject(region_);
}

void PendingRepaint::add(const RECT& area) {
    if (IsRectEmpty(&area)) return;
    if (region_ == nullptr) {
        region_ = CreateRectRgnIndirect(&area);
    } else {
        HRGN more = CreateRectRgnIndirect(&area);
        CombineRgn(region_, region_, more, RGN_OR);
        DeleteObject(more);
    }
    if (!application_.inEvent()) flush();
}

void PendingRepaint::addAll() {
    RECT area{};
    if (clientArea_ != nullptr && GetClientRect(clientArea_, &area)) add(area);
}

void PendingRepaint::flush() {
    if (region_ == nullptr) return;
    if (clientArea_ != nullptr) InvalidateRgn(clientArea_, region_, FALSE);
    DeleteObject(region_);
    region_ = nullptr;
}

PaintedView::PaintedView(ui::Element& element, PendingRepaint& repaint)
    : element_(element), repaint_(repaint) {
    sync(ui::Property::Geometry);
}

void PaintedView::sync(ui::Property) {
    const RECT area = areaOf(element_);
    if (wasShown_) repaint_.add(shown_);
    wasShown_ = element_.effectivelyVisible();
    shown_ = area;
    if (wasShown_) repaint_.add(shown_);
}

void LabelView::paint(HDC dc, SIZE size) const {
    const RECT area{0, 0, size.cx, size.cy};
    // A label that is not opaque shows what lies beneath it.
    if (label_.opaque) fill(dc, area, label_.fillColour);
    if (label_.bordered) outline(dc, area, ui::colours::black);
    if (label_.caption().empty()) return;
    SelectObject(dc, fontFor(label_.font, contentPixelsPerInch(label_.window())));
    SetTextColor(dc, toColorRef(label_.foreColour));
    SetBkMode(dc, TRANSPARENT);
    UINT format = label_.alignment == ui::Alignment::Centre  ? DT_CENTER
                  : label_.alignment == ui::Alignment::Right ? DT_RIGHT
                                                             : DT_LEFT;
    // A label fitted to its text keeps it on one line; a fixed one wraps it at word boundaries.
    format |= label_.fitted ? DT_SINGLELINE : DT_WORDBREAK;
    RECT text = area;
    const std::wstring caption = toWide(label_.caption());
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text, format | DT_NOPREFIX);
}

void FrameView::paint(HDC dc, SIZE size) const {
    RECT area{0, 0, size.cx, size.cy};
    fill(dc, area, backgroundOf(element_));
    outline(dc, area, ui::colours::grey);
    InflateRect(&area, -1, -1);
    outline(dc, area, ui::colours::white);
}

PictureBoxView::PictureBoxView(ui::PictureBox& picture, PendingRepaint& repaint)
    : PaintedView(picture, repaint), picture_(picture) {
    picture_.drawing.onChanged = [this] { sync(ui::Property::Geometry); };
}

void PictureBoxView::paint(HDC dc, SIZE size) const {
    const RECT area{0, 0, size.cx, size.cy};
    fill(dc, area, picture_.fillColour);
    const int perInch = contentPixelsPerInch(picture_.window());
    drawPicture(dc, picture_.picture, area, false, perInch);  // cut to the box
    paintItems(dc, picture_.drawing.items(), {perInch, perInch});
    paintLines(dc, picture_.window(), &picture_);
    if (picture_.bordered) outline(dc, area, ui::colours::grey);
}

void ImageView::paint(HDC dc, SIZE size) const {
    drawPicture(dc, image_.picture, RECT{0, 0, size.cx, size.cy}, image_.stretch,
                contentPixelsPerInch(image_.window()));
}

bool holdsElements(ui::ElementKind kind) {
    return kind == ui::ElementKind::Frame || kind == ui::ElementKind::PictureBox;
}

bool isPaintedBox(ui::ElementKind kind) {
    return kind == ui::ElementKind::Label || kind == ui::ElementKind::Frame ||
           kind == ui::ElementKind::PictureBox || kind == ui::ElementKind::Image;
}

void paintLines(HDC dc, const ui::Window& window, const ui::Element* container) {
    for (const auto& owned : window.elements()) {
        if (owned->kind() != ui::ElementKind::Line || owned->container() != container) continue;
        const auto& line = static_cast<const ui::LineElement&>(*owned);
        if (!line.visible()) continue;
        const int perInch = contentPixelsPerInch(window);
        const POINT start{toPixels(line.x1, perInch), toPixels(line.y1, perInch)};
        const POINT end{toPixels(line.x2, perInch), toPixels(line.y2, perInch)};
        const int thickness = ui::scaledThickness(line.thickness, window.contentScale());
        if (start.x == end.x || start.y == end.y) {
            const ui::Rect band = ui::lineBand(start.x, start.y, end.x, end.y, thickness);
            fill(dc, RECT{band.left, band.top, band.right(), band.bottom()}, line.colour);
            continue;
        }
        HPEN pen = CreatePen(PS_SOLID, thickness, toColorRef(line.colour));
        HGDIOBJ old = SelectObject(dc, pen);
        MoveToEx(dc, start.x, start.y, nullptr);
        LineTo(dc, end.x, end.y);
        SelectObject(dc, old);
        DeleteObject(pen);
    }
}

}  // namespace torvi::win32
