#include "qt/qt_pictures.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <cmath>

#include "qt/client_area_view.h"
#include "qt/conversions.h"
#include "qt/painting.h"
#include "qt/qt_binding.h"
#include "qt/window_view.h"

namespace torvi::qt {

std::optional<std::string> QtPictures::png(const std::string& resource) {
    QFile file(":/torvi/" + toQString(resource));
    if (!resource.ends_with(".png") || !file.open(QIODevice::ReadOnly)) return std::nullopt;
    return file.readAll().toStdString();
}

namespace {

std::optional<std::string> pngOf(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) return std::nullopt;
    return bytes.toStdString();
}

}  // namespace

std::optional<std::string> QtPictures::windowPng(const ui::Window& window) {
    WindowView* view = binding_.windowView(&window);
    if (view == nullptr || view->clientArea() == nullptr) return std::nullopt;
    return pngOf(view->clientArea()->grab().toImage());
}

std::optional<std::string> QtPictures::pagePng(const std::vector<ui::DrawItem>& items, int width,
                                               int height, int dotsPerInch) {
    const ui::Point size = ui::twipsToDevice(ui::Point{width, height}, {dotsPerInch, dotsPerInch});
    QImage page(size.x, size.y, QImage::Format_RGB32);
    if (page.isNull()) return std::nullopt;
    // The image is the printer: its fonts and pens measured at its resolution.
    const int dotsPerMetre = static_cast<int>(std::lround(dotsPerInch / 0.0254));
    page.setDotsPerMeterX(dotsPerMetre);
    page.setDotsPerMeterY(dotsPerMetre);
    page.fill(Qt::white);
    QPainter painter(&page);
    paintItems(painter, items, Surface{double(dotsPerInch) / ui::kTwipsPerInch, &page});
    painter.end();
    return pngOf(page);
}

}  // namespace torvi::qt
