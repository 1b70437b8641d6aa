#include "win32/win32_settings.h"

#include <windows.h>

#include "win32/conversions.h"

namespace torvi::win32 {
namespace {

constexpr wchar_t kKey[] = L"Software\\Torvi";

}  // namespace

std::optional<int> Win32Settings::number(const std::string& name) {
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegGetValueW(HKEY_CURRENT_USER, kKey, toWide(name).c_str(), RRF_RT_REG_DWORD, nullptr,
                     &value, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return static_cast<int>(value);
}

void Win32Settings::setNumber(const std::string& name, int value) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return;
    const auto data = static_cast<DWORD>(value);
    RegSetValueExW(key, toWide(name).c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                   sizeof data);
    RegCloseKey(key);
}

}  // namespace torvi::win32
