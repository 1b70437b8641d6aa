#include "ui/system_info.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <sstream>

namespace torvi::ui {

void MemoryRegistry::setValue(std::uint32_t root, const std::string& path, const std::string& name,
                              std::uint32_t type, std::vector<std::uint8_t> data) {
    keys_[{root, path}][name] = {type, std::move(data)};
}

void MemoryRegistry::setString(std::uint32_t root, const std::string& path, const std::string& name,
                               const std::string& text, bool withTerminatingZero) {
    std::vector<std::uint8_t> data(text.begin(), text.end());
    if (withTerminatingZero) data.push_back(0);
    setValue(root, path, name, REG_SZ, std::move(data));
}

long MemoryRegistry::openKey(std::uint32_t root, const std::string& path, std::uint32_t accessMask,
                             std::uint32_t& key) {
    lastAccessMask = accessMask;
    const auto found = keys_.find({root, path});
    if (found == keys_.end()) return ERROR_FILE_NOT_FOUND;
    key = nextHandle_++;
    handles_[key] = &found->second;
    ++openKeys;
    return ERROR_SUCCESS;
}

long MemoryRegistry::queryValue(std::uint32_t key, const std::string& name, std::uint32_t& type,
                                std::vector<std::uint8_t>& data, std::uint32_t& size) {
    const auto handle = handles_.find(key);
    if (handle == handles_.end()) return ERROR_FILE_NOT_FOUND;
    const auto value = handle->second->find(name);
    if (value == handle->second->end()) return ERROR_FILE_NOT_FOUND;
    const std::vector<std::uint8_t>& bytes = value->second.second;
    if (bytes.size() > size || bytes.size() > data.size()) return ERROR_MORE_DATA;
    type = value->second.first;
    std::copy(bytes.begin(), bytes.end(), data.begin());
    size = static_cast<std::uint32_t>(bytes.size());
    return ERROR_SUCCESS;
}

long MemoryRegistry::closeKey(std::uint32_t key) {
    if (handles_.erase(key) == 0) return ERROR_FILE_NOT_FOUND;
    --openKeys;
    return ERROR_SUCCESS;
}

HostRegistry::HostRegistry() {
    const std::string program = findSystemInformationProgram();
    if (!program.empty()) {
        setString(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", program);
    }
}

std::string HostRegistry::findSystemInformationProgram() {
    const char* path = std::getenv("PATH");
    if (path == nullptr) return {};
    for (const char* program : {"kinfocenter", "hardinfo", "gnome-system-monitor"}) {
        std::istringstream folders(path);
        std::string folder;
        while (std::getline(folders, folder, ':')) {
            if (folder.empty()) continue;
            const std::string candidate = folder + "/" + program;
            if (access(candidate.c_str(), X_OK) == 0) return candidate;
        }
    }
    return {};
}

bool HostProgramStarter::fileExists(const std::string& path) {
    struct stat status {};
    return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

bool HostProgramStarter::start(const std::string& path) {
    // Two forks, so that the program is nobody's child here and needs no waiting for; a pipe
    // closed on a successful exec tells whether the program started.
    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0) return false;
    char* const arguments[] = {const_cast<char*>(path.c_str()), nullptr};
    const pid_t middle = fork();
    if (middle < 0) {
        close(report[0]);
        close(report[1]);
        return false;
    }
    if (middle == 0) {
        setsid();
        const pid_t program = fork();
        if (program == 0) {
            execv(path.c_str(), arguments);
            const int error = errno;
            [[maybe_unused]] const ssize_t written = write(report[1], &error, sizeof error);
            _exit(127);
        }
        _exit(program < 0 ? 1 : 0);
    }
    close(report[1]);
    int status = 0;
    waitpid(middle, &status, 0);
    int error = 0;
    const ssize_t got = read(report[0], &error, sizeof error);
    close(report[0]);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 && got == 0;
}

}  // namespace torvi::ui
