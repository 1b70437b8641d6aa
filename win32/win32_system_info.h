#pragma once
// The System Info services on Windows: the registry read with RegOpenKeyExA, RegQueryValueExA and
// RegCloseKey of advapi32 (text in the ANSI code page, as the About box asks), the file test, and
// the program started by its path with CreateProcessA, without waiting for it.

#include "ui/system_info.h"

namespace torvi::win32 {

class Win32Registry : public ui::Registry {
  public:
    long openKey(std::uint32_t root, const std::string& path, std::uint32_t accessMask,
                 std::uint32_t& key) override;
    long queryValue(std::uint32_t key, const std::string& name, std::uint32_t& type,
                    std::vector<std::uint8_t>& data, std::uint32_t& size) override;
    long closeKey(std::uint32_t key) override;

  private:
    std::map<std::uint32_t, void*> keys_;  // the model's handles, Windows' HKEYs
    std::uint32_t nextKey_ = 1;
};

class Win32ProgramStarter : public ui::ProgramStarter {
  public:
    bool fileExists(const std::string& path) override;
    bool start(const std::string& path) override;
};

}  // namespace torvi::win32
