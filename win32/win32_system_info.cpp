#include "win32/win32_system_info.h"

#include <windows.h>

namespace torvi::win32 {
namespace {

HKEY rootKey(std::uint32_t root) {
    return root == ui::kLocalMachine ? HKEY_LOCAL_MACHINE : nullptr;
}

}  // namespace

long Win32Registry::openKey(std::uint32_t root, const std::string& path, std::uint32_t accessMask,
                            std::uint32_t& key) {
    HKEY parent = rootKey(root);
    if (parent == nullptr) return ERROR_FILE_NOT_FOUND;
    HKEY opened = nullptr;
    const LONG result = RegOpenKeyExA(parent, path.c_str(), 0, accessMask, &opened);
    if (result != ERROR_SUCCESS) return result;
    key = nextKey_++;
    keys_[key] = opened;
    return ERROR_SUCCESS;
}

long Win32Registry::queryValue(std::uint32_t key, const std::string& name, std::uint32_t& type,
                               std::vector<std::uint8_t>& data, std::uint32_t& size) {
    const auto found = keys_.find(key);
    if (found == keys_.end()) return ERROR_INVALID_HANDLE;
    DWORD valueType = 0;
    DWORD bytes = static_cast<DWORD>(std::min<std::size_t>(size, data.size()));
    const LONG result = RegQueryValueExA(static_cast<HKEY>(found->second), name.c_str(), nullptr,
                                         &valueType, data.data(), &bytes);
    if (result != ERROR_SUCCESS) return result;
    type = valueType;
    size = bytes;
    return ERROR_SUCCESS;
}

long Win32Registry::closeKey(std::uint32_t key) {
    const auto found = keys_.find(key);
    if (found == keys_.end()) return ERROR_INVALID_HANDLE;
    const LONG result = RegCloseKey(static_cast<HKEY>(found->second));
    keys_.erase(found);
    return result;
}

bool Win32ProgramStarter::fileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32ProgramStarter::start(const std::string& path) {
    // The program by its path alone, in a normal focused window; nobody waits for it.
    std::string commandLine = "\"" + path + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process)) {
        return false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

}  // namespace torvi::win32
