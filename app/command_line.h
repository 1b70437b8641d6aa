#pragma once
// The command line: help and version, the table of a calculation on standard output, and the
// options of the window program. None of it needs a display.

#include <optional>
#include <string>
#include <vector>

#include "core/units.h"
#include "ui/files.h"

namespace torvi::app {

struct CommandLine {
    enum class Action { Window, Print, Table, Refuse };
    Action action = Action::Window;
    std::string output;  // what Print prints, or Refuse's message

    bool showHpg = false;                 // the window program shows the HPG command
    std::optional<std::string> openFile;  // an exercise the window program opens at start

    // The table: energies in kcal/mol or the unit given, limits in degrees Celsius or, with
    // kelvin, in kelvin; a limit not given is the Data Input window's. An exercise file gives
    // all three instead.
    std::vector<std::string> energies;
    core::EnergyUnit unit = core::EnergyUnit::KcalPerMol;
    bool outputKelvin = false;  // the table's temperatures in kelvin
    std::optional<std::string> exercise;
    std::optional<std::string> from;
    std::optional<std::string> to;
    bool kelvin = false;
    bool everyPoint = false;
    bool csv = false;
};

// Reads the arguments, the program's name first, as UTF-8.
CommandLine readCommandLine(const std::vector<std::string>& arguments);

// Runs a table request: the table on standard output and 0, or the program's message on standard
// error and 2, with nothing on standard output. An exercise is read through the files given.
int runTableCommand(const CommandLine& command, ui::Files* files = nullptr);

}  // namespace torvi::app
