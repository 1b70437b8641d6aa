#pragma once
// The platform services the About box's System Info button needs: a registry read in the manner
// of the Windows calls RegOpenKeyEx, RegQueryValueEx and RegCloseKey, a file test and a program
// start. The application hands them to the windows, as it hands them the printers; each binding
// brings its own, and a registry held in memory serves a platform without one and the tests.

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace torvi::ui {

// The registry's root, access masks, value types and results, with Windows' values
// (HKEY_LOCAL_MACHINE, KEY_READ, KEY_ALL_ACCESS, REG_SZ, REG_DWORD, ERROR_SUCCESS,
// ERROR_FILE_NOT_FOUND, ERROR_MORE_DATA). System Info reads with KEY_READ: Windows refuses write
// rights on the local machine's keys to a user who is not an administrator.
inline constexpr std::uint32_t kLocalMachine = 0x80000002;
inline constexpr std::uint32_t kReadAccess = 0x20019;
inline constexpr std::uint32_t kAllAccess = 0x2003F;
inline constexpr std::uint32_t kStringType = 1;
inline constexpr std::uint32_t kNumberType = 4;
inline constexpr long kSuccess = 0;
inline constexpr long kNotFound = 2;
inline constexpr long kMoreData = 234;

class Registry {
  public:
    virtual ~Registry() = default;
    virtual long openKey(std::uint32_t root, const std::string& path, std::uint32_t accessMask,
                         std::uint32_t& key) = 0;
    // Copies the value into data (at most size bytes) and sets size to the bytes written.
    virtual long queryValue(std::uint32_t key, const std::string& name, std::uint32_t& type,
                            std::vector<std::uint8_t>& data, std::uint32_t& size) = 0;
    virtual long closeKey(std::uint32_t key) = 0;
};

// Values held in memory: for tests, and for anything that sets them up itself.
class MemoryRegistry : public Registry {
  public:
    void setValue(std::uint32_t root, const std::string& path, const std::string& name,
                  std::uint32_t type, std::vector<std::uint8_t> data);
    void setString(std::uint32_t root, const std::string& path, const std::string& name,
                   const std::string& text, bool withTerminatingZero = true);
    long openKey(std::uint32_t root, const std::string& path, std::uint32_t accessMask,
                 std::uint32_t& key) override;
    long queryValue(std::uint32_t key, const std::string& name, std::uint32_t& type,
                    std::vector<std::uint8_t>& data, std::uint32_t& size) override;
    long closeKey(std::uint32_t key) override;

  private:
    using Values = std::map<std::string, std::pair<std::uint32_t, std::vector<std::uint8_t>>>;
    std::map<std::pair<std::uint32_t, std::string>, Values> keys_;
    std::map<std::uint32_t, const Values*> handles_;
    std::uint32_t nextHandle_ = 1;
};

class ProgramStarter {
  public:
    virtual ~ProgramStarter() = default;
    virtual bool fileExists(const std::string& path) = 0;
    // Starts the program in its own process, without a shell and without waiting for it.
    virtual bool start(const std::string& path) = 0;
};

}  // namespace torvi::ui
