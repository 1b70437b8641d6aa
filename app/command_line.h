#pragma once
// The command line: help and version, the table of a calculation on standard output, and the
// options of the window program. None of it needs a display.

#include <optional>
#include <string>
#include <vector>

namespace torvi::app {

struct CommandLine {
    enum class Action { Window, Print, Table, Refuse };
    Action action = Action::Window;
    std::string output;  // what Print prints, or Refuse's message

    bool showHpg = false;  // the window program shows the HPG command

    // The table: energies in kcal/mol, limits in degrees Celsius or, with kelvin, in kelvin; a
    // limit not given is the Data Input window's.
    std::vector<std::string> energies;
    std::optional<std::string> from;
    std::optional<std::string> to;
    bool kelvin = false;
    bool everyPoint = false;
    bool csv = false;
};

// Reads the arguments, the program's name first, as UTF-8.
CommandLine readCommandLine(const std::vector<std::string>& arguments);

// Runs a table request: the table on standard output and 0, or the program's message on standard
// error and 2, with nothing on standard output.
int runTableCommand(const CommandLine& command);

}  // namespace torvi::app
