#pragma once
// Settings in the user's configuration folder (~/.config/Torvi/Torvi.conf), through QSettings,
// which writes them out when it can (at the latest as the program ends), not at each change.

#include <memory>

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
};

}  // namespace torvi::qt
