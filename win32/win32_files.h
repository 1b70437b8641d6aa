#pragma once
// The user's files through the Win32 API, by UTF-8 path (wide on the system's side).

#include "ui/files.h"

namespace torvi::win32 {

class Win32Files : public ui::Files {
  public:
    std::optional<std::string> read(const std::string& path, std::size_t limit) override;
    // Writes a temporary file beside it and moves it into the file's place, so that a failure
    // leaves the old file as it was.
    bool write(const std::string& path, std::string_view bytes) override;
};

}  // namespace torvi::win32
