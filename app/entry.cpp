#include "app/entry.h"

#include <cstdio>

namespace torvi::app {

int runTorvi(const std::vector<std::string>& arguments, const SystemEntry& system) {
    const CommandLine command = readCommandLine(arguments);
    if (command.action != CommandLine::Action::Window && system.prepareOutput)
        system.prepareOutput();
    switch (command.action) {
        case CommandLine::Action::Print:
            std::fputs(command.output.c_str(), stdout);
            return 0;
        case CommandLine::Action::Table:
            return runTableCommand(command, system.files);
        case CommandLine::Action::Refuse:
            std::fprintf(stderr, "%s\n", command.output.c_str());
            return 2;
        case CommandLine::Action::Window:
            break;
    }
    return system.runWindows(command);
}

}  // namespace torvi::app
