#include "qt/qt_settings.h"

#include <QSettings>

#include "qt/conversions.h"

namespace torvi::qt {

QtSettings::QtSettings()
    : store_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, "Torvi",
                                         "Torvi")) {}

QtSettings::~QtSettings() = default;

std::optional<int> QtSettings::number(const std::string& name) {
    bool read = false;
    const int value = store_->value(toQString(name)).toInt(&read);
    return read ? std::optional(value) : std::nullopt;
}

void QtSettings::setNumber(const std::string& name, int value) {
    store_->setValue(toQString(name), value);
}

}  // namespace torvi::qt
