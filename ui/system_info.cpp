#include "ui/system_info.h"

#include <algorithm>

namespace torvi::ui {

void MemoryRegistry::setValue(std::uint32_t root, const std::string& path, const std::string& name,
                              std::uint32_t type, std::vector<std::uint8_t> data) {
    keys_[{root, path}][name] = {type, std::move(data)};
}

void MemoryRegistry::setString(std::uint32_t root, const std::string& path, const std::string& name,
                               const std::string& text, bool withTerminatingZero) {
    std::vector<std::uint8_t> data(text.begin(), text.end());
    if (withTerminatingZero) data.push_back(0);
    setValue(root, path, name, kStringType, std::move(data));
}

long MemoryRegistry::openKey(std::uint32_t root, const std::string& path, std::uint32_t,
                             std::uint32_t& key) {
    const auto found = keys_.find({root, path});
    if (found == keys_.end()) return kNotFound;
    key = nextHandle_++;
    handles_[key] = &found->second;
    return kSuccess;
}

long MemoryRegistry::queryValue(std::uint32_t key, const std::string& name, std::uint32_t& type,
                                std::vector<std::uint8_t>& data, std::uint32_t& size) {
    const auto handle = handles_.find(key);
    if (handle == handles_.end()) return kNotFound;
    const auto value = handle->second->find(name);
    if (value == handle->second->end()) return kNotFound;
    const std::vector<std::uint8_t>& bytes = value->second.second;
    if (bytes.size() > size || bytes.size() > data.size()) return kMoreData;
    type = value->second.first;
    std::copy(bytes.begin(), bytes.end(), data.begin());
    size = static_cast<std::uint32_t>(bytes.size());
    return kSuccess;
}

long MemoryRegistry::closeKey(std::uint32_t key) {
    return handles_.erase(key) == 0 ? kNotFound : kSuccess;
}

}  // namespace torvi::ui
