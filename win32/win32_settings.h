#pragma once
// Settings in the registry, under HKEY_CURRENT_USER\Software\Torvi, as numbers (REG_DWORD).

#include "ui/zoom.h"

namespace torvi::win32 {

class Win32Settings : public ui::Settings {
  public:
    std::optional<int> number(const std::string& name) override;
    void setNumber(const std::string& name, int value) override;
};

}  // namespace torvi::win32
