#include "ui/files.h"

namespace torvi::ui {

std::vector<std::string> filterTypes(std::string_view filter) {
    std::vector<std::string> types;
    while (true) {
        const std::size_t end = filter.find(";;");
        types.emplace_back(filter.substr(0, end));
        if (end == std::string_view::npos) return types;
        filter.remove_prefix(end + 2);
    }
}

std::string typeExtension(std::string_view type) {
    const std::size_t star = type.find("*.");
    if (star == std::string_view::npos) return {};
    const std::size_t end = type.find_first_of(" ;)", star);
    const std::string_view extension =
        type.substr(star + 1, end == std::string_view::npos ? end : end - star - 1);
    // "*.*" names every file, and no extension to add.
    return extension == ".*" ? std::string() : std::string(extension);
}

}  // namespace torvi::ui
