#pragma once
// The user's files through Qt, by UTF-8 path.

#include "ui/files.h"

namespace torvi::qt {

class QtFiles : public ui::Files {
  public:
    std::optional<std::string> read(const std::string& path, std::size_t limit) override;
    // Writes a temporary file beside it and puts it in the file's place, so that a failure
    // leaves the old file as it was.
    bool write(const std::string& path, std::string_view bytes) override;
};

}  // namespace torvi::qt
