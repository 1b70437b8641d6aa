#include "win32/win32_files.h"

#include <windows.h>

#include <algorithm>

#include "win32/conversions.h"

namespace torvi::win32 {
namespace {

// Closes a file handle when it goes.
struct FileHandle {
    HANDLE handle;
    ~FileHandle() {
        if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
    }
};

}  // namespace

std::optional<std::string> Win32Files::read(const std::string& path, std::size_t limit) {
    const FileHandle file{CreateFileW(toWide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)};
    if (file.handle == INVALID_HANDLE_VALUE) return std::nullopt;
    std::string bytes(limit + 1, '\0');
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        DWORD got = 0;
        const auto wanted =
            static_cast<DWORD>(std::min<std::size_t>(bytes.size() - filled, 1 << 20));
        if (!ReadFile(file.handle, bytes.data() + filled, wanted, &got, nullptr))
            return std::nullopt;
        if (got == 0) break;
        filled += got;
    }
    bytes.resize(filled);
    return bytes;
}

bool Win32Files::write(const std::string& path, std::string_view bytes) {
    const std::wstring target = toWide(path);
    const std::wstring temporary = target + L".saving";
    const auto written = [&] {
        const FileHandle file{CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr,
                                          CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)};
        if (file.handle == INVALID_HANDLE_VALUE) return false;
        DWORD count = 0;
        const auto size = static_cast<DWORD>(bytes.size());
        return WriteFile(file.handle, bytes.data(), size, &count, nullptr) && count == size &&
               FlushFileBuffers(file.handle);
    };
    if (written() && MoveFileExW(temporary.c_str(), target.c_str(),
                                 MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileW(temporary.c_str());
    return false;
}

}  // namespace torvi::win32
