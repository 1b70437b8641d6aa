#include "qt/qt_files.h"

#include <QFile>
#include <QSaveFile>

#include "qt/conversions.h"

namespace torvi::qt {

std::optional<std::string> QtFiles::read(const std::string& path, std::size_t limit) {
    QFile file(toQString(path));
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = file.read(static_cast<qint64>(limit) + 1);
    if (file.error() != QFileDevice::NoError) return std::nullopt;
    return bytes.toStdString();
}

bool QtFiles::write(const std::string& path, std::string_view bytes) {
    QSaveFile file(toQString(path));
    if (!file.open(QIODevice::WriteOnly)) return false;
    const auto size = static_cast<qint64>(bytes.size());
    return file.write(bytes.data(), size) == size && file.commit();
}

}  // namespace torvi::qt
