#pragma once
// Files in the browser: a page reaches none by path. A file the user picks or drops on the page
// is read whole and kept by its name, which the model then opens; a file the program writes goes
// to the user as a download of that name.

#include <map>

#include "ui/files.h"

namespace torvi::web {

class WebFiles : public ui::Files {
  public:
    std::optional<std::string> read(const std::string& path, std::size_t limit) override;
    bool write(const std::string& path, std::string_view bytes) override;
    // A file the user gave the page, kept until it is read.
    void remember(const std::string& name, std::string bytes);

  private:
    std::map<std::string, std::string> given_;
};

// The file picker: the name of the file chosen, its bytes remembered; nothing when the user
// cancels. The handler that asks waits for the answer, as for a message box.
std::optional<std::string> pickFile(WebFiles& files, const std::string& accept);

}  // namespace torvi::web
