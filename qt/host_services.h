#pragma once
// The System Info services on Linux, which has no registry: a stand-in that answers only where a
// system-information program is, and a program start by path with POSIX calls.

#include <string>

#include "ui/system_info.h"

namespace torvi::qt {

// Answers only the About box's first lookup, the program's path, with the first of the known
// system-information programs found on the PATH, and nothing else.
class HostRegistry : public ui::MemoryRegistry {
  public:
    HostRegistry();
    static std::string findSystemInformationProgram();
};

class HostProgramStarter : public ui::ProgramStarter {
  public:
    bool fileExists(const std::string& path) override;
    bool start(const std::string& path) override;
};

}  // namespace torvi::qt
