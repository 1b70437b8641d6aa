#include "qt/qt_settings.h"

#include <QSettings>

#include "qt/conversions.h"

namespace torvi::qt {
namespace {

QSettings store() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Torvi", "Torvi");
}

}  // namespace

std::optional<int> QtSettings::number(const std::string& name) {
    bool read = false;
    const int value = store().value(toQString(name)).toInt(&read);
    return read ? std::optional(value) : std::nullopt;
}

void QtSettings::setNumber(const std::string& name, int value) {
    QSettings settings = store();
    settings.setValue(toQString(name), value);
    settings.sync();
}

}  // namespace torvi::qt
