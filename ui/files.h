#pragma once
// The user's files, read and written whole, at the paths the file dialogs give.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace torvi::ui {

class Files {
  public:
    virtual ~Files() = default;
    // The file's bytes, no more than limit + 1 of them (one more than a reader takes shows it
    // that the file is longer); nothing when it cannot be read.
    virtual std::optional<std::string> read(const std::string& path, std::size_t limit) = 0;
    // True once the file holds exactly these bytes.
    virtual bool write(const std::string& path, std::string_view bytes) = 0;
};

// The last part of a path, after its last "/" or "\": what a message calls the file.
inline std::string fileNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The types a dialog's filter lists, "PNG pictures (*.png);;SVG drawings (*.svg)" as its two.
std::vector<std::string> filterTypes(std::string_view filter);
// The extension a type names, ".png" for "PNG pictures (*.png)"; empty when it names none.
std::string typeExtension(std::string_view type);

}  // namespace torvi::ui
