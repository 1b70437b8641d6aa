#include "qt/qt_settings.h"

#include <QSettings>

#include "qt/conversions.h"

namespace torvi::qt {

QtSettings::QtSettings()
    : store_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, "Torvi",
                                         "Torvi")) {
    writeSoon_.setSingleShot(true);
    writeSoon_.setInterval(1000);
    QObject::connect(&writeSoon_, &QTimer::timeout, [this] { write(); });
}

QtSettings::~QtSettings() {
    write();
}

std::optional<int> QtSettings::number(const std::string& name) {
    if (const auto kept = unwritten_.find(name); kept != unwritten_.end()) return kept->second;
    bool read = false;
    const int value = store_->value(toQString(name)).toInt(&read);
    return read ? std::optional(value) : std::nullopt;
}

void QtSettings::setNumber(const std::string& name, int value) {
    unwritten_[name] = value;
    writeSoon_.start();
}

void QtSettings::write() {
    if (unwritten_.empty()) return;
    for (const auto& [name, value] : unwritten_) store_->setValue(toQString(name), value);
    unwritten_.clear();
    store_->sync();
}

}  // namespace torvi::qt
