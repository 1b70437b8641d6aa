#include "qt/qt_pictures.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QWidget>

#include "qt/client_area_view.h"
#include "qt/conversions.h"
#include "qt/qt_binding.h"
#include "qt/window_view.h"

namespace torvi::qt {

std::optional<std::string> QtPictures::png(const std::string& resource) {
    QFile file(":/torvi/" + toQString(resource));
    if (!resource.ends_with(".png") || !file.open(QIODevice::ReadOnly)) return std::nullopt;
    return file.readAll().toStdString();
}

std::optional<std::string> QtPictures::windowPng(const ui::Window& window) {
    WindowView* view = binding_.windowView(&window);
    if (view == nullptr || view->clientArea() == nullptr) return std::nullopt;
    const QImage image = view->clientArea()->grab().toImage();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) return std::nullopt;
    return bytes.toStdString();
}

}  // namespace torvi::qt
