#pragma once
// Settings in the user's configuration folder (~/.config/Torvi/Torvi.conf), through QSettings.

#include "ui/zoom.h"

namespace torvi::qt {

class QtSettings : public ui::Settings {
  public:
    std::optional<int> number(const std::string& name) override;
    void setNumber(const std::string& name, int value) override;
};

}  // namespace torvi::qt
