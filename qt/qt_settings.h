#pragma once
// Settings in the user's configuration folder (~/.config/Torvi/Torvi.conf), through QSettings:
// read at once, written a moment after the last change (a run of zoom steps writes once) and at
// the latest as the program ends.

#include <QTimer>
#include <map>
#include <memory>
#include <string>

#include "ui/zoom.h"

class QSettings;

namespace torvi::qt {

class QtSettings : public ui::Settings {
  public:
    QtSettings();
    ~QtSettings() override;
    std::optional<int> number(const std::string& name) override;
    void setNumber(const std::string& name, int value) override;

  private:
    std::unique_ptr<QSettings> store_;
    std::map<std::string, int> unwritten_;
    QTimer writeSoon_;
    void write();
};

}  // namespace torvi::qt
