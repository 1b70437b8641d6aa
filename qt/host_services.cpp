#include "qt/host_services.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <sstream>

namespace torvi::qt {

HostRegistry::HostRegistry() {
    const std::string program = findSystemInformationProgram();
    if (!program.empty()) {
        setString(ui::kLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", program);
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

}  // namespace torvi::qt
